#pragma once

#include "canvas/decode/FormatDecoder.h"

namespace mimora {

/**
 * Windows icons and cursors. The directory is read here and its largest entry shown: a
 * PNG-compressed entry goes to our PNG decoder, a bitmap entry to Qt's icon reader as a
 * one-entry icon file that we rebuild. The rebuild keeps hostile offsets and sizes away from
 * Qt and lets cursors through, whose type field Qt's reader does not accept.
 */
class IconDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;
};

} // namespace mimora

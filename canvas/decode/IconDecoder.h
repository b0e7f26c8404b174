#pragma once

#include "canvas/decode/FormatDecoder.h"

namespace mimora {

/**
 * Windows icons and cursors. The directory is read here and its largest entry shown (Qt would
 * read the first): a PNG-compressed entry goes to our PNG decoder, a bitmap entry to Qt's icon
 * reader as a one-entry icon file that we rebuild, so that hostile offsets and sizes never reach
 * Qt and every entry's declared size is checked before anything is allocated.
 */
class IconDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;
};

} // namespace mimora

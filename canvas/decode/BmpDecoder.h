#pragma once

#include "canvas/decode/FormatDecoder.h"

namespace mimora {

/**
 * Windows and OS/2 bitmaps through Qt's reader. The headers are checked here first: the size
 * before anything is allocated, and the fields that Qt would quietly work around (planes, bit
 * depth, compression, palette size, where the pixels start and whether they are all there), so
 * that a damaged file is refused rather than shown as garbage.
 */
class BmpDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;
};

} // namespace mimora

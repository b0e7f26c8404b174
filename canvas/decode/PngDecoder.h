#pragma once

#include "canvas/decode/FormatDecoder.h"

namespace mimora {

/** PNG through libpng's simplified read API, straight from memory. */
class PngDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;

    /** The one picture of a PNG stream as an image, or a null image when refused. */
    static QImage decodeImage(const QByteArray &data, const DecodeLimits &limits);
};

} // namespace mimora

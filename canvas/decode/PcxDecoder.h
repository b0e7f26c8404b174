#pragma once

#include "canvas/decode/FormatDecoder.h"

namespace mimora {

/**
 * PCX, our own decoder: 8 bits per pixel with the 256-colour palette at the end of the file
 * (also 3 planes of 8 bits, true colour), and 1-bit black and white. Both are run-length
 * encoded. Every header field is checked, the data must hold every scan line, and a file too
 * short for its declared size is refused before any pixel memory is allocated.
 */
class PcxDecoder final : public FormatDecoder
{
public:
    std::optional<DecodedPicture> decode(const QByteArray &data,
                                         const DecodeLimits &limits) const override;
};

} // namespace mimora

#pragma once

#include "canvas/decode/DecodeLimits.h"
#include "canvas/decode/DecodedPicture.h"

#include <QByteArray>

#include <optional>

namespace mimora {

/** One picture format family's decoder; DecodePicture picks one by the first bytes. */
class FormatDecoder
{
public:
    virtual ~FormatDecoder() = default;

    /**
     * Decodes `data`, already recognised as this decoder's format, into frames of
     * Format_ARGB32_Premultiplied. Anything malformed, truncated or beyond `limits` gives
     * std::nullopt; the header size is checked before any pixel memory is allocated.
     */
    virtual std::optional<DecodedPicture> decode(const QByteArray &data,
                                                 const DecodeLimits &limits) const = 0;
};

} // namespace mimora

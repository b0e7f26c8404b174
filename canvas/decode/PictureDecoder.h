#pragma once

#include "canvas/decode/DecodeLimits.h"
#include "canvas/decode/DecodedPicture.h"

#include <QByteArray>

#include <optional>

namespace mimora {

/**
 * Decodes one complete picture file of any format the canvas shows, picked by its first bytes
 * (RecognisePicture). Empty, unrecognised, malformed, truncated or too large data gives
 * std::nullopt; no input crashes, hangs or allocates beyond the limits.
 */
std::optional<DecodedPicture> DecodePicture(const QByteArray &data);

/** The same with explicit limits, for callers with a tighter memory budget. */
std::optional<DecodedPicture> DecodePicture(const QByteArray &data, const DecodeLimits &limits);

} // namespace mimora

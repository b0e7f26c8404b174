#pragma once

#include "canvas/decode/DecodeLimits.h"
#include "canvas/decode/DecodedPicture.h"

#include <QByteArray>

#include <optional>

namespace mimora {

/**
 * Reads up to `maxFrames` frames of `data` with Qt's handler for `format` ("jpeg", "gif", "bmp",
 * "ico"), the format forced, content sniffing off, EXIF orientation applied and Qt's allocation
 * limit taken from `limits`. The caller has already checked the header's size against `limits`.
 * Every frame must have the first frame's size; a frame that fails ends the picture, and no
 * frame at all gives std::nullopt.
 */
std::optional<DecodedPicture> ReadWithQt(const QByteArray &data, const char *format,
                                         const DecodeLimits &limits, int maxFrames = 1);

} // namespace mimora

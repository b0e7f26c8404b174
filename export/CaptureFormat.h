#pragma once

#include "export/StripSource.h"

#include <QByteArray>
#include <QImage>

namespace mimora {

/**
 * Largest capture in pixels. A capture is held whole in memory (its BMP bytes, and the
 * decoded image for the clipboard), so larger pictures are refused rather than risk
 * exhausting memory; at this size the bytes alone take up to 768 MiB.
 */
inline constexpr long long kMaxCapturePixels = 1LL << 28;

/**
 * The capture format: a complete uncompressed 24-bit BMP file (14-byte file header,
 * 40-byte information header, no colour table), rows bottom-up, blue-green-red, each
 * row padded with zeros to a multiple of 4 bytes. Built strip by strip from source.
 * Empty for a 0 width or height, above kMaxCapturePixels, or when memory runs out.
 */
QByteArray EncodeCapture(StripSource &source);

/**
 * Turns a capture back into an image (Format_RGB32). Only what EncodeCapture writes is
 * accepted: every header field must hold the value EncodeCapture gives it and the length
 * must match; anything else yields a null image.
 */
QImage DecodeCapture(const QByteArray &capture);

} // namespace mimora

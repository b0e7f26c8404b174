#pragma once

#include <QtGlobal>

namespace mimora {

/**
 * Bounds that every decoder enforces before it allocates or loops.
 *
 * Every dropped file is untrusted, so a picture is measured from its header first and refused
 * when it would cost more than these. The defaults are the program's policy; fuzz targets pass
 * smaller ones so that a legal but large picture stays within their memory budget.
 */
struct DecodeLimits
{
    qint64 maxInputBytes = qint64(256) << 20;    // a larger file is not read at all
    qint64 maxPixels = qint64(1) << 28;          // per frame, checked against the header
    qint64 maxAnimationPixels = qint64(1) << 28; // all frames of an animation together
    int maxFrames = 4096;
    int maxJpegScans = 256; // progressive scans each walk all coefficients again
};

} // namespace mimora

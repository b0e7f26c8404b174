#pragma once

namespace mimora {

inline constexpr double kZoomInFactor = 1.1;
inline constexpr double kZoomOutFactor = 0.9;
inline constexpr int kCanvasHomeLeft = 5;
inline constexpr int kCanvasHomeTop = 16;

/**
 * One side after a zoom step: the product in double precision truncated toward
 * zero. The caller's control clamps the result.
 */
long long ZoomedSide(int side, double factor);

} // namespace mimora

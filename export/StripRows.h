#pragma once

#include <algorithm>

namespace mimora {

/**
 * Most bytes one strip of 32-bit pixels may hold. Small enough that a 32627-pixel-wide
 * canvas exports in little memory, large enough that the per-strip cost disappears.
 */
inline constexpr long long kStripBytes = 16LL * 1024 * 1024;

/** Rows per strip for a picture width pixels wide: as many as fit kStripBytes, at least 1. */
constexpr int StripRows(int width)
{
    const long long rowBytes = std::max(1LL, 4LL * width);
    return static_cast<int>(std::max(1LL, kStripBytes / rowBytes));
}

} // namespace mimora

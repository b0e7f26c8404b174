#pragma once

#include <algorithm>
#include <cstdint>

namespace mimora {

/** Largest width or height a control takes, and the range of its left and top. */
inline constexpr int kMaxExtent = 32627;

/** A written width or height: negative becomes 0, above the limit becomes the limit. */
constexpr int ClampExtent(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, kMaxExtent));
}

/** A written left or top. */
constexpr int ClampPlace(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, -kMaxExtent, kMaxExtent));
}

} // namespace mimora

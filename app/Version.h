#pragma once

namespace mimora {
inline constexpr char kApplicationName[] = "Mimora";
} // namespace mimora

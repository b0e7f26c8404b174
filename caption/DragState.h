#pragma once

#include <cstdint>

namespace mimora {

/** The caption's drag: whether one is under way and where inside the caption it was grabbed. */
struct DragState
{
    bool dragging = false;
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;
};

} // namespace mimora

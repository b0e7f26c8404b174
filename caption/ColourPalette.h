#pragma once

#include <array>
#include <cstdint>

namespace mimora {

/** One cell of the colour picker's palette. */
struct PaletteColour
{
    std::uint32_t colorref; ///< 0x00BBGGRR
    const char *name;       ///< UTF-8, shown as the cell's tooltip
};

/** The palette in the order its cells are laid out, left to right, top to bottom. */
inline constexpr std::array<PaletteColour, 32> kColourPalette{{
    {0x000000, "黑色"}, {0x800000, "藏青"}, {0x008000, "墨绿"}, {0x808000, "深青"},
    {0x000080, "红褐"}, {0x800080, "紫红"}, {0x008080, "褐绿"}, {0xC0C0C0, "浅灰"},
    {0x808080, "灰色"}, {0xFF0000, "蓝色"}, {0x00FF00, "绿色"}, {0xFFFF00, "艳青"},
    {0x0000FF, "红色"}, {0xFF00FF, "品红"}, {0x00FFFF, "黄色"}, {0xFFFFFF, "白色"},
    {0xFF8080, "蓝灰"}, {0xE03058, "藏蓝"}, {0x00E080, "嫩绿"}, {0x80E000, "青绿"},
    {0x0060C0, "黄褐"}, {0xFFA8FF, "粉红"}, {0x00D8D8, "嫩黄"}, {0xECECEC, "银白"},
    {0xFF0090, "紫色"}, {0xFF8800, "天蓝"}, {0x80A080, "灰绿"}, {0xC06000, "青蓝"},
    {0x0080FF, "橙黄"}, {0x8050FF, "桃红"}, {0xC080FF, "芙红"}, {0x606060, "深灰"},
}};

/** Cells per row in the pop-up. */
inline constexpr int kPaletteColumns = 7;

} // namespace mimora

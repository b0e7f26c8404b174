#pragma once

#include <QRect>

#include <array>

namespace mimora {

enum class ControlKind
{
    CheckBox,
    Label,
    Slider,
    Button,
    Caption,
    EditBox,
    ColourPicker,
    FileDropTarget,
    FontChooser,
    ListBox,
    Canvas,
    GroupBox,
};

/** One control of the main window as laid out. */
struct ControlLayout
{
    const char *name; // also the widget's object name
    ControlKind kind;
    const char *parent; // nullptr: the window itself
    QRect geometry;     // empty for the two components without a window
    const char *text;   // nullptr: none
    bool tabStop;
};

/** The main window's client size (what a 642 × 479 outer window leaves inside its frame). */
inline constexpr int kWindowClientWidth = 636;
inline constexpr int kWindowClientHeight = 450;

/**
 * The 26 controls in layout order, which is also the stacking order among
 * siblings: each lies directly behind the one before it with the same parent.
 */
inline const std::array<ControlLayout, 26> kWindowLayout = {{
    // clang-format off
    {"选择框1",    ControlKind::CheckBox,       "分组框1", {134, 93, 48, 24},   "粗体", true},
    {"标签5",      ControlKind::Label,          "分组框1", {192, 18, 16, 96},   "↑\n\n字\n体\n大\n小\n\n↓", false},
    {"滑块条3",    ControlKind::Slider,         "分组框1", {209, 8, 24, 115},   nullptr, true},
    {"标签1",      ControlKind::Label,          nullptr,   {10, 403, 99, 24},   "图片宽度：", false},
    {"标签4",      ControlKind::Label,          nullptr,   {10, 427, 100, 24},  "图片高度：", false},
    {"按钮4",      ControlKind::Button,         nullptr,   {122, 408, 127, 40}, "放大+", true},
    {"按钮5",      ControlKind::Button,         nullptr,   {256, 408, 127, 40}, "缩小-", true},
    {"透明标签1",  ControlKind::Caption,        nullptr,   {32, 216, 168, 24},  "这里显示文字,可拖动", false},
    {"编辑框3",    ControlKind::EditBox,        nullptr,   {457, 362, 32, 32},  "40", true},
    {"编辑框2",    ControlKind::EditBox,        nullptr,   {457, 324, 32, 32},  "192", true},
    {"按钮3",      ControlKind::Button,         nullptr,   {515, 396, 106, 43}, "保存到桌面", true},
    {"滑块条2",    ControlKind::Slider,         nullptr,   {482, 362, 143, 24}, nullptr, true},
    {"滑块条1",    ControlKind::Slider,         nullptr,   {482, 328, 143, 24}, nullptr, true},
    {"颜色选择器1", ControlKind::ColourPicker,  nullptr,   {476, 92, 47, 28},   nullptr, true},
    {"拖放对象1",  ControlKind::FileDropTarget, nullptr,   {},                  nullptr, false},
    {"标签3",      ControlKind::Label,          nullptr,   {408, 361, 48, 32},  "文字高度", false},
    {"标签2",      ControlKind::Label,          nullptr,   {408, 324, 48, 32},  "文字宽度", false},
    {"按钮2",      ControlKind::Button,         nullptr,   {407, 92, 65, 29},   "字体修改", true},
    {"通用对话框1", ControlKind::FontChooser,   nullptr,   {},                  nullptr, false},
    {"编辑框1",    ControlKind::EditBox,        nullptr,   {406, 21, 170, 67},  "这里修改文字,可拖动", true},
    {"列表框1",    ControlKind::ListBox,        nullptr,   {404, 144, 220, 168}, nullptr, true},
    {"按钮1",      ControlKind::Button,         nullptr,   {404, 396, 106, 43}, "复制图片", true},
    {"图片框1",    ControlKind::Canvas,         nullptr,   {5, 16, 379, 384},   nullptr, false},
    {"分组框1",    ControlKind::GroupBox,       nullptr,   {394, 3, 241, 125},  "修改文字在此", false},
    {"分组框2",    ControlKind::GroupBox,       nullptr,   {395, 128, 240, 319}, "属性修改", false},
    {"分组框3",    ControlKind::GroupBox,       nullptr,   {0, 3, 392, 400},
     "可直接拖入照片到此处，可缩放；文字显示需在图片范围内。", false},
    // clang-format on
}};

} // namespace mimora

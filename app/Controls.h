#pragma once

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace mimora {

class CanvasView;
class CaptionLabel;
class ColourPicker;
class FileDropTarget;
class FontChooser;
class LineEditBox;
class ListBox;
class TextEditBox;
class TrackBar;

/** Typed access to the main window's controls; the layout names are their object names. */
struct Controls
{
    QWidget *window = nullptr;
    QCheckBox *boldBox = nullptr;         // 选择框1
    QLabel *fontSizeLabel = nullptr;      // 标签5
    TrackBar *fontSizeSlider = nullptr;   // 滑块条3
    QLabel *widthReadout = nullptr;       // 标签1
    QLabel *heightReadout = nullptr;      // 标签4
    QPushButton *zoomInButton = nullptr;  // 按钮4
    QPushButton *zoomOutButton = nullptr; // 按钮5
    CaptionLabel *caption = nullptr;      // 透明标签1
    LineEditBox *heightEdit = nullptr;    // 编辑框3
    LineEditBox *widthEdit = nullptr;     // 编辑框2
    QPushButton *saveButton = nullptr;    // 按钮3
    TrackBar *heightSlider = nullptr;     // 滑块条2
    TrackBar *widthSlider = nullptr;      // 滑块条1
    ColourPicker *colourPicker = nullptr; // 颜色选择器1
    FileDropTarget *dropTarget = nullptr; // 拖放对象1
    QLabel *heightLabel = nullptr;        // 标签3
    QLabel *widthLabel = nullptr;         // 标签2
    QPushButton *fontButton = nullptr;    // 按钮2
    FontChooser *fontChooser = nullptr;   // 通用对话框1
    TextEditBox *captionEdit = nullptr;   // 编辑框1
    ListBox *templateList = nullptr;      // 列表框1
    QPushButton *copyButton = nullptr;    // 按钮1
    CanvasView *canvas = nullptr;         // 图片框1
    QGroupBox *textGroup = nullptr;       // 分组框1
    QGroupBox *propertiesGroup = nullptr; // 分组框2
    QGroupBox *canvasGroup = nullptr;     // 分组框3
};

} // namespace mimora

#include "app/WindowBuilder.h"

#include "app/EditBoxes.h"
#include "app/ListBox.h"
#include "app/TrackBar.h"
#include "app/WindowLayout.h"
#include "canvas/CanvasView.h"
#include "canvas/FileDropTarget.h"
#include "canvas/templates/TemplateCatalogue.h"
#include "caption/CaptionLabel.h"
#include "caption/ColourPicker.h"
#include "caption/FontChooser.h"
#include "caption/LogFont.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>

#include <climits>

namespace mimora {

namespace {

const QColor kCanvasFieldGrey(192, 192, 192);

QObject *Create(const ControlLayout &layout, QWidget *window)
{
    const QString text = layout.text ? QString::fromUtf8(layout.text) : QString();
    switch (layout.kind) {
    case ControlKind::CheckBox:
        return new QCheckBox(text, window);
    case ControlKind::Label: {
        auto *label = new QLabel(text, window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Slider:
        return new TrackBar(Qt::Horizontal, window);
    case ControlKind::Button: {
        auto *button = new QPushButton(text, window);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Caption: {
        auto *caption = new CaptionLabel(window);
        caption->setText(text);
        return caption;
    }
    case ControlKind::EditBox:
        if (qstrcmp(layout.name, "编辑框1") == 0) {
            auto *box = new TextEditBox(window);
            box->setContent(text);
            return box;
        } else {
            auto *box = new LineEditBox(window);
            box->setMaxLength(INT_MAX);
            box->setContent(text);
            return box;
        }
    case ControlKind::ColourPicker:
        return new ColourPicker(window);
    case ControlKind::FileDropTarget:
        return new FileDropTarget(window);
    case ControlKind::FontChooser:
        return new FontChooser(window);
    case ControlKind::ListBox:
        return new ListBox(window);
    case ControlKind::Canvas:
        return new CanvasView(window);
    case ControlKind::GroupBox:
        return new QGroupBox(text, window);
    }
    return nullptr;
}

void SetUpSlider(TrackBar *slider, Qt::Orientation orientation, int minimum, int maximum,
                 int position)
{
    slider->setOrientation(orientation);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setTickInterval(1);
    if (orientation == Qt::Vertical) {
        // Minimum at the top, and Up moves the thumb up.
        slider->setTickPosition(QSlider::TicksRight);
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
    } else {
        slider->setTickPosition(QSlider::TicksBelow);
    }
    slider->setPosition(position);
}

void UseWhiteField(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    w->setPalette(p);
}

template <typename T> T *Find(const QHash<QString, QObject *> &byName, const char *name)
{
    return qobject_cast<T *>(byName.value(QString::fromUtf8(name)));
}

} // namespace

Controls BuildControls(QWidget *window)
{
    QHash<QString, QObject *> byName;
    for (const ControlLayout &layout : kWindowLayout) {
        QObject *control = Create(layout, window);
        control->setObjectName(QString::fromUtf8(layout.name));
        byName.insert(control->objectName(), control);
    }
    // Places are set once every parent exists: three controls live inside 分组框1,
    // which comes later in the layout.
    for (const ControlLayout &layout : kWindowLayout) {
        auto *widget = qobject_cast<QWidget *>(byName.value(QString::fromUtf8(layout.name)));
        if (!widget)
            continue;
        if (layout.parent)
            widget->setParent(Find<QWidget>(byName, layout.parent));
        widget->setGeometry(layout.geometry);
        widget->setFocusPolicy(layout.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    }
    // Later siblings paint over earlier ones, so raising in reverse layout order
    // leaves the first control of each parent in front.
    for (auto it = kWindowLayout.rbegin(); it != kWindowLayout.rend(); ++it) {
        if (auto *widget = Find<QWidget>(byName, it->name))
            widget->raise();
    }

    Controls c;
    c.window = window;
    c.boldBox = Find<QCheckBox>(byName, "选择框1");
    c.fontSizeLabel = Find<QLabel>(byName, "标签5");
    c.fontSizeSlider = Find<TrackBar>(byName, "滑块条3");
    c.widthReadout = Find<QLabel>(byName, "标签1");
    c.heightReadout = Find<QLabel>(byName, "标签4");
    c.zoomInButton = Find<QPushButton>(byName, "按钮4");
    c.zoomOutButton = Find<QPushButton>(byName, "按钮5");
    c.caption = Find<CaptionLabel>(byName, "透明标签1");
    c.heightEdit = Find<LineEditBox>(byName, "编辑框3");
    c.widthEdit = Find<LineEditBox>(byName, "编辑框2");
    c.saveButton = Find<QPushButton>(byName, "按钮3");
    c.heightSlider = Find<TrackBar>(byName, "滑块条2");
    c.widthSlider = Find<TrackBar>(byName, "滑块条1");
    c.colourPicker = Find<ColourPicker>(byName, "颜色选择器1");
    c.dropTarget = Find<FileDropTarget>(byName, "拖放对象1");
    c.heightLabel = Find<QLabel>(byName, "标签3");
    c.widthLabel = Find<QLabel>(byName, "标签2");
    c.fontButton = Find<QPushButton>(byName, "按钮2");
    c.fontChooser = Find<FontChooser>(byName, "通用对话框1");
    c.captionEdit = Find<TextEditBox>(byName, "编辑框1");
    c.templateList = Find<ListBox>(byName, "列表框1");
    c.copyButton = Find<QPushButton>(byName, "按钮1");
    c.canvas = Find<CanvasView>(byName, "图片框1");
    c.textGroup = Find<QGroupBox>(byName, "分组框1");
    c.propertiesGroup = Find<QGroupBox>(byName, "分组框2");
    c.canvasGroup = Find<QGroupBox>(byName, "分组框3");

    SetUpSlider(c.widthSlider, Qt::Horizontal, 1, 500, 1);
    SetUpSlider(c.heightSlider, Qt::Horizontal, 1, 500, 1);
    SetUpSlider(c.fontSizeSlider, Qt::Vertical, 5, 100, 100);
    c.fontSizeLabel->setWordWrap(true);

    const QFont zoomFont = ScreenFont(ZoomButtonLogFont());
    c.zoomInButton->setFont(zoomFont);
    c.zoomOutButton->setFont(zoomFont);

    for (QWidget *box :
         {static_cast<QWidget *>(c.captionEdit), static_cast<QWidget *>(c.widthEdit),
          static_cast<QWidget *>(c.heightEdit), static_cast<QWidget *>(c.templateList)})
        UseWhiteField(box);

    QStringList texts;
    for (const TemplateEntry &entry : TemplateCatalogue())
        texts.append(entry.listText);
    c.templateList->setItems(texts);
    c.templateList->setFrameShape(QFrame::Box);
    c.templateList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    c.templateList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QPalette field = c.canvasGroup->palette();
    field.setColor(QPalette::Window, kCanvasFieldGrey);
    c.canvasGroup->setPalette(field);
    c.canvasGroup->setAutoFillBackground(true);
    // The canvas starts 13 px below this title and lies in front of it; the CJK face is
    // taller than the font it stands in for, so the title is set small enough to stay whole.
    QFont titleFont = c.canvasGroup->font();
    titleFont.setPixelSize(10);
    c.canvasGroup->setFont(titleFont);
    return c;
}

} // namespace mimora

// Every handled event of the main window, bound to its handler by name.
#include "app/CanvasHandlers.h"
#include "app/CaptionHandlers.h"
#include "app/ExportHandlers.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "canvas/FileDropTarget.h"
#include "canvas/Zoom.h"
#include "caption/CaptionLabel.h"
#include "caption/ColourPicker.h"

#include <QCheckBox>
#include <QPushButton>

namespace mimora {

void MainWindow::wireHandlers()
{
    const Controls &c = m_controls;
    EventRules &r = m_rules;

    r.bindPoint(this, &MainWindow::mouseMoved, [this](int x, int y) { m_dragger.track(x, y); });
    r.bindPoint(this, &MainWindow::leftReleased, [this](int, int) { m_dragger.end(); });
    r.bindPoint(c.caption, &CaptionLabel::leftPressed,
                [this](int x, int y) { m_dragger.begin(x, y); });

    r.bindContentChanged(c.captionEdit, [c] { SetCaptionText(c); });
    r.bind(c.widthSlider, &TrackBar::positionChanged, [c, &r] { ApplyCaptionWidth(c, r); });
    r.bind(c.heightSlider, &TrackBar::positionChanged, [c, &r] { ApplyCaptionHeight(c, r); });
    r.bindContentChanged(c.widthEdit, [c, &r] { SyncWidthSlider(c, r); });
    r.bindContentChanged(c.heightEdit, [c, &r] { SyncHeightSlider(c, r); });

    r.bind(c.fontSizeSlider, &TrackBar::positionChanged, [c] { SetCaptionFontSize(c); });
    r.bind(c.boldBox, &QCheckBox::clicked, [c] { SetCaptionBold(c); });
    r.bind(c.colourPicker, &ColourPicker::colourChosen, [c] { SetCaptionColour(c); });
    r.bind(c.fontButton, &QPushButton::clicked,
           [c, this] { ChooseCaptionFont(c, *m_globals.chosenFont); });

    r.bind(c.templateList, &ListBox::itemChosen, [c] { ApplyTemplate(c); });
    QObject::connect(c.dropTarget, &FileDropTarget::filesDropped, this,
                     [c, this](const QStringList &paths) {
                         if (m_rules.isOpen())
                             LoadDroppedPhoto(c, paths);
                     });
    r.bind(c.zoomInButton, &QPushButton::clicked, [c] { ZoomCanvas(c, kZoomInFactor); });
    r.bind(c.zoomOutButton, &QPushButton::clicked, [c] { ZoomCanvas(c, kZoomOutFactor); });
    r.bind(c.copyButton, &QPushButton::clicked, [c] { CopyPicture(c); });
    r.bind(c.saveButton, &QPushButton::clicked, [c] { SavePicture(c); });
}

} // namespace mimora

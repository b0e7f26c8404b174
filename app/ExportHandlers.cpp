#include "app/ExportHandlers.h"

#include "app/Controls.h"
#include "canvas/CanvasView.h"
#include "caption/CaptionLabel.h"
#include "export/CaptureCanvas.h"
#include "export/CopyImageToClipboard.h"
#include "export/DesktopFolderPath.h"
#include "export/SaveToFolder.h"
#include "export/WidgetStripSource.h"

#include <QDateTime>
#include <QPushButton>

namespace mimora {

void CopyPicture(const Controls &c)
{
    const QByteArray capture =
        CaptureCanvas(c.canvas, c.caption, c.canvas->width(), c.canvas->height());
    const bool copied = CopyImageToClipboard(capture);
    c.copyButton->setText(copied ? QStringLiteral("复制成功!!") : QStringLiteral("复制失败!!"));
}

void SavePicture(const Controls &c)
{
    const QString folder = DesktopFolderPath();
    const QDateTime when = QDateTime::currentDateTime();
    // Streamed from the widgets strip by strip: a huge canvas never exists whole in memory.
    WidgetStripSource picture(c.canvas, c.caption);
    const bool saved = SaveToFolder(picture, folder, when).ok;
    c.saveButton->setText(saved ? QStringLiteral("保存成功!!") : QStringLiteral("保存失败!!"));
}

} // namespace mimora

#include "export/CopyImageToClipboard.h"

#include "export/CaptureFormat.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace mimora {

bool CopyImageToClipboard(const QByteArray &capture)
{
    const QImage image = DecodeCapture(capture);
    if (image.isNull())
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    auto *data = new QMimeData;
    data->setImageData(image);
    clipboard->setMimeData(data); // the clipboard owns data from here on
    // The platform hands our own data back only while we hold the clipboard; on X11 it
    // stays with us until another program takes it, and goes to a clipboard manager at exit.
    return clipboard->mimeData() == data;
}

} // namespace mimora

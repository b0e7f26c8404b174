#pragma once

#include <QByteArray>

namespace mimora {

/**
 * Puts the picture held by capture (see CaptureFormat.h) on the system clipboard as an
 * image; other programs can then paste it as PNG, BMP and other formats. Returns true
 * only when the clipboard really holds it afterwards: false for an empty or undecodable
 * capture, without touching the clipboard, and false when the platform did not take it
 * (e.g. another X11 client kept the clipboard). Needs a QGuiApplication.
 */
bool CopyImageToClipboard(const QByteArray &capture);

} // namespace mimora

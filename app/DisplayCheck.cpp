#include "app/DisplayCheck.h"

#include <xcb/xcb.h>

namespace mimora {

namespace {
const char kRunAnyway[] = "; to run it anyway: xvfb-run -s '-screen 0 1280x1024x24' mimora";
}

QString MissingDisplayReason()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return {}; // offscreen, wayland, ...: Qt reports on its own
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        if (!qgetenv("WAYLAND_DISPLAY").isEmpty() && platform.isEmpty())
            return {};
        return QStringLiteral("Mimora needs a display and DISPLAY is not set") + kRunAnyway;
    }
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("Mimora cannot reach the display ") +
               QString::fromLocal8Bit(display) + kRunAnyway;
    return {};
}

} // namespace mimora

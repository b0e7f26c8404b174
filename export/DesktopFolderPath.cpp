#include "export/DesktopFolderPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mimora {

QString DesktopFolderPath()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}

} // namespace mimora

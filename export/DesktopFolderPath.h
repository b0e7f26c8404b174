#pragma once

#include <QString>

namespace mimora {

/**
 * The folder saves go to: the user's desktop folder (XDG_DESKTOP_DIR, by default
 * ~/Desktop), or the home folder when that folder does not exist. Never created here.
 */
QString DesktopFolderPath();

} // namespace mimora

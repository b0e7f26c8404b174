#pragma once

#include "export/StripSource.h"

#include <QDateTime>
#include <QString>

namespace mimora {

/** What a save did. */
struct SaveResult
{
    bool ok = false;
    /** The file written, when ok. */
    QString filePath;
    /** Why nothing was saved, when not ok (for logs; the window words its own message). */
    QString error;
};

/**
 * Saves the picture as a JPEG (see JpegWriter) named DateTimeText(when) + ".jpg" in
 * folder. An existing file is never replaced: the name then gets " (2)", " (3)", ...
 * before ".jpg". The file is written under a hidden temporary name in the same folder
 * and renamed only when complete and synced, so a failure (empty picture, missing or
 * read-only folder, full disk, ...) leaves nothing behind. The new file's mode is 0666
 * less the umask.
 */
SaveResult SaveToFolder(StripSource &source, const QString &folder, const QDateTime &when);

} // namespace mimora

#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

namespace mimora {

/** One row of the picture corpus manifest. */
struct ManifestRow
{
    QString file;     // relative to the corpus folder, e.g. "gif/wuffs-muybridge.gif"
    QString validity; // "valid", "edge" or "invalid"
    QSize size;       // invalid when the manifest lists none
    int frames = 1;   // GIF rows may list more
};

/** The corpus folder, from MIMORA_TESTDATA. */
QString TestDataDir();

/** The bytes of a corpus file; empty when it cannot be read. */
QByteArray ReadTestFile(const QString &relativePath);

/** The MANIFEST table of the corpus README. */
std::vector<ManifestRow> ReadManifest();

} // namespace mimora

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace mimora {

/** The largest dropped file that is read at all. */
inline constexpr qint64 kMaxDroppedFileBytes = qint64(256) << 20;

/**
 * Reads a dropped file whole, once. Only a regular file of at most kMaxDroppedFileBytes is read:
 * a directory, device, FIFO or socket, a larger file, and a file that is missing, vanishes or
 * fails to read all give std::nullopt. It never blocks on a FIFO or a device.
 */
std::optional<QByteArray> ReadDroppedFile(const QString &path);

/** The same with another size limit, for tests. */
std::optional<QByteArray> ReadDroppedFile(const QString &path, qint64 maxBytes);

} // namespace mimora

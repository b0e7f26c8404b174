#include "canvas/decode/DroppedFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mimora {

namespace {

// Closes the descriptor on every way out.
struct FdGuard
{
    int fd;
    ~FdGuard()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::optional<QByteArray> ReadDroppedFile(const QString &path)
{
    return ReadDroppedFile(path, kMaxDroppedFileBytes);
}

std::optional<QByteArray> ReadDroppedFile(const QString &path, qint64 maxBytes)
{
    // O_NONBLOCK so that opening a FIFO with no writer returns at once; the type is then
    // checked on the open descriptor, so the file cannot be swapped between check and read.
    const QByteArray native = QFile::encodeName(path);
    FdGuard guard{::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (guard.fd < 0)
        return std::nullopt;
    struct stat info
    {
    };
    if (::fstat(guard.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    if (info.st_size > maxBytes)
        return std::nullopt;

    // The file may still grow while it is read: read one byte past the limit to notice.
    QByteArray data;
    data.resize(qsizetype(info.st_size));
    qint64 filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (filled > maxBytes)
                return std::nullopt;
            data.resize(qsizetype(std::min<qint64>(maxBytes + 1, filled + 65536)));
        }
        const ssize_t got = ::read(guard.fd, data.data() + filled, size_t(data.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    data.truncate(qsizetype(filled));
    return data;
}

} // namespace mimora

#include "export/SaveToFolder.h"

#include "export/DateTimeText.h"
#include "export/JpegWriter.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace mimora {

namespace {

// Names past this many clashes are not worth trying: something else is wrong.
constexpr int kMaxClashes = 9999;

class FdCloser
{
public:
    explicit FdCloser(int fd) : m_fd(fd) {}
    ~FdCloser()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdCloser(const FdCloser &) = delete;
    FdCloser &operator=(const FdCloser &) = delete;

private:
    int m_fd;
};

SaveResult Failure(const QString &what, int error)
{
    SaveResult result;
    result.error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
    return result;
}

// A hidden name, so that a desktop does not show the file while it is being written.
int CreateTemporary(int dir, QByteArray *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name =
            ".mimora-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16) + ".part";
        // 0666: the user's umask decides the mode, as for any new file of theirs.
        const int fd = ::openat(dir, name->constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Gives the file its final name unless that name is taken (errno EEXIST then).
bool RenameNoReplace(int dir, const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(dir, from.constData(), dir, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    // File systems without no-replace renames: a new hard link refuses a taken name too.
    if (::linkat(dir, from.constData(), dir, to.constData(), 0) != 0)
        return false;
    ::unlinkat(dir, from.constData(), 0);
    return true;
}

QByteArray NumberedName(const QByteArray &base, int number)
{
    if (number == 1)
        return base + ".jpg";
    return base + " (" + QByteArray::number(number) + ").jpg";
}

} // namespace

SaveResult SaveToFolder(StripSource &source, const QString &folder, const QDateTime &when)
{
    if (source.size().isEmpty())
        return Failure(QStringLiteral("empty picture"), EINVAL);
    if (folder.isEmpty())
        return Failure(QStringLiteral("no folder"), ENOENT);

    const int dir =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return Failure(folder, errno);
    FdCloser closeDir(dir);

    QByteArray temporary;
    const int fd = CreateTemporary(dir, &temporary);
    if (fd < 0)
        return Failure(folder, errno);

    // Every step must succeed, close included: NFS and full disks report late.
    JpegWriter writer;
    bool written = writer.write(source, fd);
    QString error = writer.errorString();
    if (written && ::fsync(fd) != 0) {
        written = false;
        error = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (::close(fd) != 0 && written) {
        written = false;
        error = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (!written) {
        ::unlinkat(dir, temporary.constData(), 0);
        SaveResult result;
        result.error = error;
        return result;
    }

    const QByteArray base = QFile::encodeName(DateTimeText(when));
    for (int number = 1; number <= kMaxClashes; ++number) {
        const QByteArray name = NumberedName(base, number);
        if (RenameNoReplace(dir, temporary, name)) {
            // Makes the new name itself durable; file systems that cannot are no failure.
            ::fsync(dir);
            SaveResult result;
            result.ok = true;
            result.filePath = folder + u'/' + QFile::decodeName(name);
            return result;
        }
        if (errno != EEXIST)
            break;
    }
    const int renameError = errno;
    ::unlinkat(dir, temporary.constData(), 0);
    return Failure(folder, renameError);
}

} // namespace mimora

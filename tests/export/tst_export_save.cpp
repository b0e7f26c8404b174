#include "JpegChecks.h"
#include "PatternStripSource.h"
#include "export/DateTimeText.h"
#include "export/DesktopFolderPath.h"
#include "export/ImageStripSource.h"
#include "export/SaveToFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace mimora;

namespace {

const QDateTime kWhen(QDate(2018, 8, 16), QTime(5, 43, 59));
const QString kName = QStringLiteral("2018年8月16日5时43分59秒");

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A small file system of our own, so that full and read-only folders are real even for
// root, who is not stopped by permissions.
class Tmpfs
{
public:
    Tmpfs(const QString &at, const char *options, unsigned long flags) : m_at(at)
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(at).constData(), "tmpfs",
                            MS_NOSUID | MS_NODEV | flags, options) == 0;
        m_error = errno;
    }
    ~Tmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_at).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString error() const { return QString::fromLocal8Bit(std::strerror(m_error)); }

private:
    QString m_at;
    bool m_mounted = false;
    int m_error = 0;
};

} // namespace

class TestSave : public QObject
{
    Q_OBJECT
private slots:
    void dateTimeText_data();
    void dateTimeText();
    void desktopFolder();
    void savesJpegOfThePicture();
    void neverReplacesAFile();
    void modeFollowsUmask_data();
    void modeFollowsUmask();
    void failureLeavesNothing_data();
    void failureLeavesNothing();
};

void TestSave::dateTimeText_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    const QDate day(2018, 8, 16);
    QTest::newRow("all fields") << QDateTime(day, QTime(5, 43, 59)) << kName;
    QTest::newRow("no seconds") << QDateTime(day, QTime(5, 43, 0))
                                << QStringLiteral("2018年8月16日5时43分");
    QTest::newRow("full hour") << QDateTime(day, QTime(5, 0, 0))
                               << QStringLiteral("2018年8月16日5时");
    QTest::newRow("midnight") << QDateTime(day, QTime(0, 0, 0)) << QStringLiteral("2018年8月16日");
    QTest::newRow("seconds after midnight")
        << QDateTime(day, QTime(0, 0, 7)) << QStringLiteral("2018年8月16日0时0分7秒");
    QTest::newRow("minutes after midnight")
        << QDateTime(day, QTime(0, 5, 0)) << QStringLiteral("2018年8月16日0时5分");
    QTest::newRow("no leading zeros") << QDateTime(QDate(2018, 12, 1), QTime(13, 5, 9))
                                      << QStringLiteral("2018年12月1日13时5分9秒");
}

void TestSave::dateTimeText()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(DateTimeText(when), text);
}

void TestSave::desktopFolder()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));

    // No desktop folder: the home folder, never the root.
    const QString noDesktop = DesktopFolderPath();
    QDir(home.path()).mkdir(QStringLiteral("Desktop"));
    const QString desktop = DesktopFolderPath();
    // A desktop named in the user's XDG settings wins.
    QDir(home.path()).mkpath(QStringLiteral(".config/桌面"));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/.config/桌面\"\n");
    dirs.close();
    const QString configured = DesktopFolderPath();

    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(noDesktop, home.path());
    QCOMPARE(desktop, home.filePath(QStringLiteral("Desktop")));
    QCOMPARE(configured, home.filePath(QStringLiteral(".config/桌面")));
}

void TestSave::savesJpegOfThePicture()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QSize size(379, 384);
    PatternStripSource picture(size);
    const QImage expected = picture.renderStrip(0, size.height());

    const SaveResult result = SaveToFolder(picture, folder.path(), kWhen);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.filePath, folder.filePath(kName + QStringLiteral(".jpg")));
    QCOMPARE(Entries(folder.path()), QStringList{kName + QStringLiteral(".jpg")});

    QFile file(result.filePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    QVERIFY(IsBaseline444(jpeg, size));
    const QImage decoded = QImage::fromData(jpeg, "JPEG");
    QCOMPARE(decoded.size(), size);
    const PixelDifference d = Compare(decoded, expected);
    QVERIFY2(d.mean < 1.5 && d.max < 24,
             qPrintable(QStringLiteral("mean %1, max %2").arg(d.mean).arg(d.max)));
}

void TestSave::neverReplacesAFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PatternStripSource picture(QSize(40, 30));
    const QString first = kName + QStringLiteral(".jpg");
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        const SaveResult result = SaveToFolder(picture, folder.path(), kWhen);
        QVERIFY2(result.ok, qPrintable(result.error));
        names << QFileInfo(result.filePath).fileName();
    }
    QCOMPARE(names, (QStringList{first, kName + QStringLiteral(" (2).jpg"),
                                 kName + QStringLiteral(" (3).jpg")}));

    // A file that got there first, whatever it holds, stays as it is.
    QTemporaryDir other;
    QFile existing(other.filePath(first));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("the user's own file");
    existing.close();
    const SaveResult result = SaveToFolder(picture, other.path(), kWhen);
    QVERIFY(result.ok);
    QCOMPARE(QFileInfo(result.filePath).fileName(), kName + QStringLiteral(" (2).jpg"));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("the user's own file"));
    QCOMPARE(Entries(other.path()).size(), 2);
}

void TestSave::modeFollowsUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("mode");
    QTest::newRow("022") << 022 << 0644;
    QTest::newRow("077") << 077 << 0600;
    QTest::newRow("002") << 002 << 0664;
}

void TestSave::modeFollowsUmask()
{
    QFETCH(int, mask);
    QFETCH(int, mode);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PatternStripSource picture(QSize(8, 8));
    const mode_t old = ::umask(mode_t(mask));
    const SaveResult result = SaveToFolder(picture, folder.path(), kWhen);
    ::umask(old);
    QVERIFY(result.ok);
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(result.filePath).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
}

void TestSave::failureLeavesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    QTest::newRow("empty picture") << "plain" << QSize(0, 384);
    QTest::newRow("missing folder") << "missing" << QSize(379, 384);
    QTest::newRow("file size limit") << "fsize" << QSize(1500, 1500);
    QTest::newRow("full disk") << "full" << QSize(1500, 1500);
    QTest::newRow("read-only folder") << "readonly" << QSize(379, 384);
}

void TestSave::failureLeavesNothing()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QTemporaryDir base;
    QVERIFY(base.isValid());
    QString folder = base.path();
    std::unique_ptr<Tmpfs> mount;
    if (kind == QLatin1String("missing"))
        folder = base.filePath(QStringLiteral("gone"));
    if (kind == QLatin1String("full") || kind == QLatin1String("readonly")) {
        // A 64 KiB file system holds the start of the picture, not all of it.
        mount = std::make_unique<Tmpfs>(folder, "size=64k",
                                        kind == QLatin1String("readonly") ? MS_RDONLY : 0);
        if (!mount->mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1); a full or "
                                            "read-only folder cannot be made for root")
                                 .arg(mount->error())));
    }

    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    if (kind == QLatin1String("fsize")) {
        // Writes past 64 KiB fail with EFBIG, as on a file system with a small file limit.
        rlimit limit = oldLimit;
        limit.rlim_cur = 64 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    PatternStripSource picture(size);
    const SaveResult result = SaveToFolder(picture, folder, kWhen);
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldSignal);

    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.filePath.isEmpty());
    QCOMPARE(Entries(folder), QStringList());
    if (kind == QLatin1String("full") || kind == QLatin1String("fsize"))
        QVERIFY2(!picture.strips().isEmpty(), "the write should have begun");
}

QTEST_GUILESS_MAIN(TestSave)
#include "tst_export_save.moc"

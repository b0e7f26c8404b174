#include "DroppedFileTest.h"

#include "canvas/decode/DroppedFile.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <sys/types.h>

namespace mimora {

namespace {

bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

void DroppedFileTest::regularFileReadWhole()
{
    QByteArray content(200000, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 7);
    const QString path = m_dir.filePath(QStringLiteral("photo 照片.jpg"));
    QVERIFY(WriteFile(path, content));
    QCOMPARE(ReadDroppedFile(path), std::optional<QByteArray>(content));

    const QString empty = m_dir.filePath(QStringLiteral("empty"));
    QVERIFY(WriteFile(empty, {}));
    QCOMPARE(ReadDroppedFile(empty), std::optional<QByteArray>(QByteArray()));
}

void DroppedFileTest::refused_data()
{
    QTest::addColumn<QString>("path");
    QVERIFY(m_dir.isValid());

    // A FIFO with no writer: a blocking open or read would hang the drop forever.
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    // Sparse, so the test costs no disk: one byte past the limit.
    const QString big = m_dir.filePath(QStringLiteral("big"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxDroppedFileBytes + 1));
    file.close();

    QTest::newRow("directory") << m_dir.path();
    QTest::newRow("fifo") << fifo;
    QTest::newRow("endless device") << QStringLiteral("/dev/zero");
    QTest::newRow("terminal-like device") << QStringLiteral("/dev/null");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("no such file"));
    QTest::newRow("empty path") << QString();
    QTest::newRow("over 256 MiB") << big;
}

void DroppedFileTest::refused()
{
    QFETCH(QString, path);
    QCOMPARE(ReadDroppedFile(path), std::nullopt);
}

void DroppedFileTest::sizeLimit()
{
    const QString path = m_dir.filePath(QStringLiteral("ten"));
    QVERIFY(WriteFile(path, QByteArray(10, 'x')));
    QVERIFY(ReadDroppedFile(path, 10));
    QCOMPARE(ReadDroppedFile(path, 9), std::nullopt);
}

} // namespace mimora

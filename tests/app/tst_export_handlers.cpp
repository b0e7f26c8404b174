// Copy and save through the real window: what the buttons say, and what lands where.
#include "app/CanvasHandlers.h"
#include "app/ExportHandlers.h"
#include "app/ListBox.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "canvas/CanvasView.h"
#include "canvas/Zoom.h"

#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace mimora;

class ExportHandlersTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>(); // a fresh home and desktop per test
        QVERIFY(m_home->isValid());
        QDir(m_home->path()).mkpath(QStringLiteral("Desktop"));
        qputenv("HOME", QFile::encodeName(m_home->path()));
        qunsetenv("XDG_CONFIG_HOME");
        CreateGlobals(m_globals);
        m_window = std::make_unique<MainWindow>(m_globals);
        m_window->InitMainWindow();
    }
    void cleanup() { m_window.reset(); }

    void copyAndSaveReportSuccessAndLeaveEachOther();
    void anEmptyCanvasIsReportedAsAFailure();

private:
    QStringList saved() const
    {
        return QDir(m_home->filePath(QStringLiteral("Desktop"))).entryList(QDir::Files);
    }
    const Controls &c() const { return m_window->controls(); }
    std::unique_ptr<QTemporaryDir> m_home;
    ProgramGlobals m_globals;
    std::unique_ptr<MainWindow> m_window;
};

void ExportHandlersTest::copyAndSaveReportSuccessAndLeaveEachOther()
{
    ZoomCanvas(c(), kZoomInFactor);
    CopyPicture(c());
    QCOMPARE(c().copyButton->text(), QStringLiteral("复制成功!!"));
    QCOMPARE(c().saveButton->text(), QStringLiteral("保存到桌面"));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(257, 257));

    SavePicture(c());
    SavePicture(c()); // within the same second: a second file, not a replaced one
    QCOMPARE(c().saveButton->text(), QStringLiteral("保存成功!!"));
    QCOMPARE(c().copyButton->text(), QStringLiteral("复制成功!!"));
    const QStringList files = saved();
    QCOMPARE(files.size(), 2);
    for (const QString &name : files) {
        QVERIFY(name.endsWith(QStringLiteral(".jpg")));
        QImage image(m_home->filePath(QStringLiteral("Desktop/") + name));
        QCOMPARE(image.size(), QSize(257, 257)); // a real JPEG of the zoomed canvas
    }

    ApplyTemplate(c());
    QCOMPARE(c().copyButton->text(), QStringLiteral("复制图片"));
    QCOMPARE(c().saveButton->text(), QStringLiteral("保存到桌面"));
}

void ExportHandlersTest::anEmptyCanvasIsReportedAsAFailure()
{
    c().canvas->setWidth(0);
    SavePicture(c());
    CopyPicture(c());
    QCOMPARE(c().saveButton->text(), QStringLiteral("保存失败!!"));
    QCOMPARE(c().copyButton->text(), QStringLiteral("复制失败!!"));
    QVERIFY(saved().isEmpty());
}

QTEST_MAIN(ExportHandlersTest)
#include "tst_export_handlers.moc"

// The canvas, the template choice, zoom and photo drop, through the real window.
#include "app/CanvasHandlers.h"
#include "app/ListBox.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "canvas/CanvasView.h"
#include "canvas/DropRules.h"
#include "canvas/Geometry.h"
#include "canvas/Zoom.h"

#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace mimora;

class CanvasHandlersTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        CreateGlobals(m_globals);
        m_window = std::make_unique<MainWindow>(m_globals);
        m_window->InitMainWindow();
    }
    void cleanup() { m_window.reset(); }

    void zoomedSide_data();
    void zoomedSide();
    void zoomOutSequenceReachesZero();
    void zoomInStopsAtTheLimit();
    void zoomThroughTheButtons();
    void templates_data();
    void templates();
    void noSelectionResetsOnlyTheButtons();
    void canvasClampsItsGeometry();
    void canvasStretchesEachAxis();
    void hugeCanvasPaintsOnlyWhatIsExposed();
    void animationPlaysWithTheStoredDelays();
    void dropActions_data();
    void dropActions();
    void dropLoadsTheFirstReadablePicture();
    void dropRefusesWhatIsNotAFile();

private:
    const Controls &c() const { return m_window->controls(); }
    void choose(int index)
    {
        c().templateList->setSelection(index);
        ApplyTemplate(c());
    }
    ProgramGlobals m_globals;
    std::unique_ptr<MainWindow> m_window;
};

void CanvasHandlersTest::zoomedSide_data()
{
    QTest::addColumn<int>("old");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    const int table[][3] = {{234, 257, 210}, {218, 239, 196}, {100, 110, 90}, {10, 11, 9},
                            {9, 9, 8},       {5, 5, 4},       {1, 1, 0},      {0, 0, 0}};
    for (const auto &row : table)
        QTest::addRow("%d", row[0]) << row[0] << row[1] << row[2];
}

void CanvasHandlersTest::zoomedSide()
{
    QFETCH(int, old);
    QFETCH(int, in);
    QFETCH(int, out);
    QCOMPARE(ZoomedSide(old, kZoomInFactor), in);
    QCOMPARE(ZoomedSide(old, kZoomOutFactor), out);
    // Truncation agrees with the integer form for every size the canvas can have.
    for (int side = 0; side <= kMaxExtent; side += 7) {
        QCOMPARE(ZoomedSide(side, kZoomInFactor), side * 11LL / 10);
        QCOMPARE(ZoomedSide(side, kZoomOutFactor), side * 9LL / 10);
    }
}

void CanvasHandlersTest::zoomOutSequenceReachesZero()
{
    const QList<int> expected = {210, 189, 170, 153, 137, 123, 110, 99, 89, 80, 72, 64,
                                 57,  51,  45,  40,  36,  32,  28,  25, 22, 19, 17, 15,
                                 13,  11,  9,   8,   7,   6,   5,   4,  3,  2,  1,  0};
    QList<int> seen;
    for (int click = 0; click < 37; ++click) {
        ZoomCanvas(c(), kZoomOutFactor);
        seen << c().canvas->width();
    }
    QCOMPARE(seen.mid(0, 36), expected);
    QCOMPARE(seen.last(), 0);
    QCOMPARE(c().widthReadout->text(), QStringLiteral("图片宽度：0"));
}

void CanvasHandlersTest::zoomInStopsAtTheLimit()
{
    int clicks = 0;
    while (c().canvas->width() < kMaxExtent && clicks < 100) {
        ZoomCanvas(c(), kZoomInFactor);
        ++clicks;
    }
    QCOMPARE(clicks, 52);
    ZoomCanvas(c(), kZoomInFactor);
    QCOMPARE(c().canvas->size(), QSize(kMaxExtent, kMaxExtent));
    QCOMPARE(c().heightReadout->text(), QStringLiteral("图片高度：32627"));
}

void CanvasHandlersTest::zoomThroughTheButtons()
{
    choose(11);
    c().canvas->move(40, 50); // zoom puts it back home
    QTest::mouseClick(c().zoomInButton, Qt::LeftButton);
    QCOMPARE(c().canvas->geometry(), QRect(5, 16, 381, 254));
    choose(11);
    QTest::mouseClick(c().zoomOutButton, Qt::LeftButton);
    QCOMPARE(c().canvas->size(), QSize(312, 207));
    QCOMPARE(c().widthReadout->text(), QStringLiteral("图片宽度：312"));
    QCOMPARE(c().heightReadout->text(), QStringLiteral("图片高度：207"));
}

void CanvasHandlersTest::templates_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("display");
    QTest::newRow("0") << 0 << QSize(234, 234);
    QTest::newRow("Olmesh") << 11 << QSize(347, 231);
    QTest::newRow("stored 266 shown 265") << 15 << QSize(265, 265);
    QTest::newRow("stretched up") << 25 << QSize(258, 253);
    QTest::newRow("shrunk") << 26 << QSize(171, 163);
    QTest::newRow("last") << 37 << QSize(198, 187);
}

void CanvasHandlersTest::templates()
{
    QFETCH(int, index);
    QFETCH(QSize, display);
    ZoomCanvas(c(), kZoomInFactor);
    c().copyButton->setText(QStringLiteral("复制成功!!"));
    c().saveButton->setText(QStringLiteral("保存成功!!"));
    choose(index);
    QCOMPARE(c().canvas->geometry(), QRect(QPoint(5, 16), display));
    QVERIFY(c().canvas->hasDecodedPicture());
    QCOMPARE(c().widthReadout->text(), QStringLiteral("图片宽度：%1").arg(display.width()));
    QCOMPARE(c().heightReadout->text(), QStringLiteral("图片高度：%1").arg(display.height()));
    QCOMPARE(c().copyButton->text(), QStringLiteral("复制图片"));
    QCOMPARE(c().saveButton->text(), QStringLiteral("保存到桌面"));
}

void CanvasHandlersTest::noSelectionResetsOnlyTheButtons()
{
    ZoomCanvas(c(), kZoomInFactor);
    c().copyButton->setText(QStringLiteral("复制成功!!"));
    choose(-1);
    QCOMPARE(c().canvas->size(), QSize(257, 257));
    QCOMPARE(c().copyButton->text(), QStringLiteral("复制图片"));
}

void CanvasHandlersTest::canvasClampsItsGeometry()
{
    CanvasView *canvas = c().canvas;
    canvas->setWidth(40000);
    canvas->setHeight(-3);
    canvas->setLeft(-50000);
    canvas->setTop(99999);
    QCOMPARE(canvas->geometry(), QRect(-32627, 32627, 32627, 0));
}

void CanvasHandlersTest::canvasStretchesEachAxis()
{
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(255, 0, 0));
    two.setPixel(1, 0, qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    two.save(&buffer, "PNG");

    CanvasView canvas;
    canvas.setStretched(true);
    canvas.setPicture(png);
    canvas.resize(100, 10);
    const QImage shown = canvas.grab().toImage();
    QCOMPARE(QColor(shown.pixel(5, 5)), QColor(255, 0, 0));
    QCOMPARE(QColor(shown.pixel(94, 9)), QColor(0, 0, 255));

    canvas.setPicture(QByteArray("not a picture at all"));
    const QImage empty = canvas.grab().toImage();
    QCOMPARE(QColor(empty.pixel(50, 5)), canvas.palette().color(QPalette::Button));
}

void CanvasHandlersTest::hugeCanvasPaintsOnlyWhatIsExposed()
{
    // A full-size picture of a 32627² canvas would need 4 GiB; a corner must not.
    CanvasView *canvas = c().canvas;
    canvas->setWidth(kMaxExtent);
    canvas->setHeight(kMaxExtent);
    QImage corner(300, 200, QImage::Format_RGB32);
    QPainter painter(&corner);
    canvas->render(&painter, QPoint(), QRegion(16000, 16000, 300, 200));
    painter.end();
    QVERIFY(QColor(corner.pixel(150, 100)) != canvas->palette().color(QPalette::Button));
}

void CanvasHandlersTest::animationPlaysWithTheStoredDelays()
{
    DecodedPicture picture;
    picture.size = QSize(4, 4);
    for (QColor colour : {QColor(Qt::red), QColor(Qt::blue)}) {
        QImage frame(4, 4, QImage::Format_ARGB32_Premultiplied);
        frame.fill(colour);
        picture.frames.push_back({frame, 40});
    }
    CanvasView canvas;
    canvas.setStretched(true);
    canvas.resize(40, 40);
    canvas.setPicture(QByteArray("frames"), picture);
    QCOMPARE(canvas.currentFrame(), 0);
    QCOMPARE(QColor(canvas.grab().toImage().pixel(20, 20)), QColor(Qt::red));
    QTRY_COMPARE_WITH_TIMEOUT(canvas.currentFrame(), 1, 1000);
    QCOMPARE(QColor(canvas.grab().toImage().pixel(20, 20)), QColor(Qt::blue));
    QTRY_COMPARE_WITH_TIMEOUT(canvas.currentFrame(), 0, 1000); // and round again
}

void CanvasHandlersTest::dropActions_data()
{
    QTest::addColumn<int>("allowed");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("action");
    const int all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QTest::newRow("plain") << all << 0 << int(Qt::CopyAction);
    QTest::newRow("plain, move or link")
        << int(Qt::MoveAction | Qt::LinkAction) << 0 << int(Qt::MoveAction);
    QTest::newRow("plain, link only") << int(Qt::LinkAction) << 0 << int(Qt::LinkAction);
    QTest::newRow("ctrl") << all << int(Qt::ControlModifier) << int(Qt::CopyAction);
    QTest::newRow("ctrl, no copy")
        << int(Qt::MoveAction) << int(Qt::ControlModifier) << int(Qt::IgnoreAction);
    QTest::newRow("shift") << all << int(Qt::ShiftModifier) << int(Qt::MoveAction);
    QTest::newRow("shift, no move")
        << int(Qt::CopyAction) << int(Qt::ShiftModifier) << int(Qt::IgnoreAction);
    QTest::newRow("ctrl+shift") << all << int(Qt::ControlModifier | Qt::ShiftModifier)
                                << int(Qt::IgnoreAction);
}

void CanvasHandlersTest::dropActions()
{
    QFETCH(int, allowed);
    QFETCH(int, keys);
    QFETCH(int, action);
    QCOMPARE(int(ProposedDropAction(Qt::DropActions(allowed), Qt::KeyboardModifiers(keys))),
             action);
}

namespace {

bool Drop(QWidget *target, QMimeData *data, Qt::DropActions allowed,
          Qt::KeyboardModifiers keys = {}, Qt::DropAction *answer = nullptr)
{
    QDragEnterEvent enter(QPoint(10, 10), allowed, data, Qt::NoButton, keys);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), allowed, data, Qt::NoButton, keys);
    QCoreApplication::sendEvent(target, &drop);
    if (answer)
        *answer = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    return true;
}

} // namespace

void CanvasHandlersTest::dropLoadsTheFirstReadablePicture()
{
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.txt");
    const QString photo = dir.filePath("photo.bin"); // the name says nothing
    QFile t(text);
    t.open(QIODevice::WriteOnly);
    t.write("hello, not a picture");
    t.close();
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.save(photo, "JPEG");

    const QRect before = c().canvas->geometry();
    QMimeData junk;
    junk.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(dir.filePath("gone.jpg"))});
    QVERIFY(Drop(c().canvas, &junk, Qt::CopyAction | Qt::MoveAction));
    QCOMPARE(c().canvas->geometry(), before); // nothing readable: nothing changes

    QMimeData several;
    several.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(photo)});
    Qt::DropAction answer = Qt::MoveAction;
    QVERIFY(Drop(c().canvas, &several, Qt::MoveAction, Qt::ShiftModifier, &answer));
    QCOMPARE(c().canvas->geometry(), QRect(5, 16, 64, 48));
    QCOMPARE(c().widthReadout->text(), QStringLiteral("图片宽度：64"));
    QCOMPARE(c().templateList->selection(), 0);
    QVERIFY(answer != Qt::MoveAction); // the source must not delete the file
    QVERIFY(QFile::exists(photo));
}

void CanvasHandlersTest::dropRefusesWhatIsNotAFile()
{
    QMimeData text;
    text.setText(QStringLiteral("/tmp/x.jpg"));
    QVERIFY(!Drop(c().canvas, &text, Qt::CopyAction));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    QVERIFY(!Drop(c().canvas, &web, Qt::CopyAction));
}

QTEST_MAIN(CanvasHandlersTest)
#include "tst_canvas_handlers.moc"

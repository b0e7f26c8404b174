#include "export/CaptureCanvas.h"
#include "export/CaptureFormat.h"
#include "export/WidgetStripSource.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace mimora;

namespace {

// Like the real canvas: paints a picture over its left part, only where it is exposed,
// and leaves the rest to its background.
class PatternCanvas : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        const QRect picture = QRect(0, 0, width() * 3 / 4, height()) & event->rect();
        for (int y = picture.top(); y <= picture.bottom(); ++y)
            for (int x = picture.left(); x <= picture.right(); x += 4)
                painter.fillRect(x, y, 4, 1,
                                 QColor((x * 5) & 0xff, (y * 3) & 0xff, (x ^ y) & 0xff));
        m_paintedRows += picture.height();
    }

public:
    long long m_paintedRows = 0;
};

// The main window's part that matters: a canvas, the caption over it, a button above.
struct Scene
{
    QWidget window;
    QWidget *group = nullptr;
    PatternCanvas *canvas = nullptr;
    QLabel *caption = nullptr;
    QPushButton *button = nullptr;

    explicit Scene(bool canvasInGroup)
    {
        window.resize(400, 300);
        QWidget *canvasParent = &window;
        if (canvasInGroup) {
            group = new QWidget(&window);
            group->setGeometry(5, 8, 360, 280);
            canvasParent = group;
        }
        canvas = new PatternCanvas(canvasParent);
        canvas->setGeometry(20, 30, 251, 157);
        caption = new QLabel(QStringLiteral("Mimora 配字 Wg"), &window);
        QFont font = caption->font();
        font.setPixelSize(30);
        font.setBold(true);
        caption->setFont(font);
        caption->setStyleSheet(QStringLiteral("color: #d02010"));
        caption->resize(220, 60);
        button = new QPushButton(QStringLiteral("其他"), &window);
        button->setGeometry(QRect(canvas->mapTo(&window, QPoint(200, 100)), QSize(80, 30)));
        button->raise();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QRect canvasInWindow() const { return QRect(canvas->mapTo(&window, QPoint()), canvas->size()); }

    // What the screen shows inside the canvas rectangle with nothing but canvas and caption.
    QImage shown()
    {
        button->hide();
        const QImage image =
            window.grab(canvasInWindow()).toImage().convertToFormat(QImage::Format_RGB32);
        button->show();
        return image;
    }
};

QImage Assemble(StripSource &source, int stripRows)
{
    const QSize size = source.size();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int top = 0; top < size.height(); top += stripRows) {
        const QImage strip = source.renderStrip(top, std::min(stripRows, size.height() - top));
        if (strip.format() != QImage::Format_RGB32 || strip.width() != size.width())
            return {};
        painter.drawImage(0, top, strip);
    }
    return image;
}

} // namespace

class TestWidgetCapture : public QObject
{
    Q_OBJECT
private slots:
    void equalsScreenInsideCanvas_data();
    void equalsScreenInsideCanvas();
    void wholeWhenWindowSmallerOrHidden();
    void captureCanvas();
    void stripCostsWhatItHolds();
};

void TestWidgetCapture::equalsScreenInsideCanvas_data()
{
    QTest::addColumn<QPoint>("captionAt"); // relative to the canvas
    QTest::addColumn<int>("stripRows");
    QTest::addColumn<bool>("canvasInGroup");
    QTest::newRow("inside, one strip") << QPoint(10, 40) << 1000 << false;
    QTest::newRow("inside, strips of 7 rows") << QPoint(10, 40) << 7 << false;
    QTest::newRow("inside, strips of 1 row") << QPoint(10, 40) << 1 << false;
    QTest::newRow("half out left and top") << QPoint(-110, -25) << 13 << false;
    QTest::newRow("half out right and bottom") << QPoint(150, 120) << 1000 << false;
    QTest::newRow("entirely outside") << QPoint(-230, 0) << 1000 << false;
    QTest::newRow("canvas inside a group") << QPoint(30, 100) << 9 << true;
}

void TestWidgetCapture::equalsScreenInsideCanvas()
{
    QFETCH(QPoint, captionAt);
    QFETCH(int, stripRows);
    QFETCH(bool, canvasInGroup);
    Scene scene(canvasInGroup);
    scene.caption->move(scene.canvasInWindow().topLeft() + captionAt);
    const QImage expected = scene.shown();

    WidgetStripSource source(scene.canvas, scene.caption);
    QCOMPARE(source.size(), scene.canvas->size());
    QCOMPARE(Assemble(source, stripRows), expected);

    // The caption shows where it lies over the canvas, and nowhere else.
    scene.caption->hide();
    const bool captionShows = expected != scene.shown();
    QCOMPARE(
        captionShows,
        QRect(captionAt, scene.caption->size()).intersects(QRect(QPoint(), scene.canvas->size())));
}

void TestWidgetCapture::wholeWhenWindowSmallerOrHidden()
{
    Scene scene(false);
    scene.canvas->resize(700, 500);
    scene.window.resize(scene.canvasInWindow().bottomRight().x() + 10,
                        scene.canvasInWindow().bottomRight().y() + 10);
    scene.caption->move(scene.canvasInWindow().topLeft() + QPoint(400, 420));
    const QImage expected = scene.shown();

    // The canvas now sticks out of a window that is too small, then not even shown.
    scene.window.resize(300, 200);
    WidgetStripSource cut(scene.canvas, scene.caption);
    QCOMPARE(Assemble(cut, 64), expected);
    scene.window.hide();
    WidgetStripSource hidden(scene.canvas, scene.caption);
    QCOMPARE(Assemble(hidden, 64), expected);
}

void TestWidgetCapture::captureCanvas()
{
    Scene scene(false);
    scene.caption->move(scene.canvasInWindow().topLeft() + QPoint(60, -20));
    const QImage expected = scene.shown();
    const QSize size = scene.canvas->size();

    const QByteArray capture =
        CaptureCanvas(scene.canvas, scene.caption, size.width(), size.height());
    QCOMPARE(capture.size(), 54 + ((24 * size.width() + 31) / 32) * 4 * size.height());
    QCOMPARE(DecodeCapture(capture), expected);

    // A size read before a zoom no longer describes the canvas.
    QVERIFY(CaptureCanvas(scene.canvas, scene.caption, size.width() + 1, size.height()).isEmpty());
    QVERIFY(CaptureCanvas(nullptr, scene.caption, size.width(), size.height()).isEmpty());
    scene.canvas->resize(0, size.height());
    QVERIFY(CaptureCanvas(scene.canvas, scene.caption, 0, size.height()).isEmpty());
}

void TestWidgetCapture::stripCostsWhatItHolds()
{
    // A tall canvas is asked only for the rows of each strip, not repainted whole per strip.
    Scene scene(false);
    scene.canvas->resize(200, 4000);
    WidgetStripSource source(scene.canvas, scene.caption);
    scene.canvas->m_paintedRows = 0;
    QVERIFY(!Assemble(source, 100).isNull());
    QCOMPARE(scene.canvas->m_paintedRows, 4000);
}

QTEST_MAIN(TestWidgetCapture)
#include "tst_export_widget_capture.moc"

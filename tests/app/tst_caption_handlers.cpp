// The caption through the real window: text, dragging, box size, font and colour.
#include "app/CaptionHandlers.h"
#include "app/EditBoxes.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "app/TrackBar.h"
#include "caption/CaptionLabel.h"
#include "caption/ColourPicker.h"
#include "caption/FontChooser.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QPushButton>
#include <QtTest>

using namespace mimora;

class CaptionHandlersTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        CreateGlobals(m_globals);
        m_window = std::make_unique<MainWindow>(m_globals);
        m_window->InitMainWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void textFollowsTheEditBox();
    void dragKeepsTheGrabbedPointUnderThePointer();
    void dragEndsWhenTheGrabIsLost();
    void emptyCaptionStillDrags();
    void slidersSizeTheBox();
    void typedNumbersMoveOnlyTheThumb_data();
    void typedNumbersMoveOnlyTheThumb();
    void fontSizeAndBold();
    void colourChoice();
    void fontChooserCancelChangesNothing();
    void fontChooserAcceptReplacesTheWholeFont();

private:
    const Controls &c() const { return m_window->controls(); }
    void moveWindowMouse(QPoint p, Qt::MouseButtons buttons)
    {
        QMouseEvent move(QEvent::MouseMove, p, m_window->mapToGlobal(p), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &move);
    }
    ProgramGlobals m_globals;
    std::unique_ptr<MainWindow> m_window;
};

void CaptionHandlersTest::textFollowsTheEditBox()
{
    m_window->rules().writeContent(c().captionEdit, QStringLiteral("第一行\n第二行"));
    QCOMPARE(c().caption->text(), QStringLiteral("第一行\n第二行"));
    m_window->rules().writeContent(c().captionEdit, QString());
    QCOMPARE(c().caption->text(), QString());
}

void CaptionHandlersTest::dragKeepsTheGrabbedPointUnderThePointer()
{
    CaptionLabel *caption = c().caption;
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(160, 20)); // near its lower right
    QVERIFY(m_globals.dragState.dragging);
    QCOMPARE(QWidget::mouseGrabber(), m_window.get());

    moveWindowMouse(QPoint(300, 100), Qt::LeftButton);
    QCOMPARE(caption->pos(), QPoint(140, 80));
    moveWindowMouse(QPoint(-50, -70), Qt::LeftButton); // past the window's edges
    QCOMPARE(caption->pos(), QPoint(-210, -90));
    QCOMPARE(caption->size(), QSize(168, 24));

    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!m_globals.dragState.dragging);
    QVERIFY(!QWidget::mouseGrabber());
    moveWindowMouse(QPoint(200, 200), Qt::NoButton);
    QCOMPARE(caption->pos(), QPoint(-210, -90));
}

void CaptionHandlersTest::dragEndsWhenTheGrabIsLost()
{
    QTest::mousePress(c().caption, Qt::LeftButton, {}, QPoint(5, 5));
    moveWindowMouse(QPoint(100, 100), Qt::LeftButton);
    QCOMPARE(c().caption->pos(), QPoint(95, 95));
    // The release went elsewhere: the next move arrives with no button held.
    moveWindowMouse(QPoint(200, 150), Qt::NoButton);
    QVERIFY(!m_globals.dragState.dragging);
    moveWindowMouse(QPoint(250, 150), Qt::NoButton);
    QCOMPARE(c().caption->pos(), QPoint(95, 95));
}

void CaptionHandlersTest::emptyCaptionStillDrags()
{
    m_window->rules().writeContent(c().captionEdit, QString());
    QTest::mousePress(c().caption, Qt::LeftButton, {}, QPoint(84, 12));
    QVERIFY(m_globals.dragState.dragging);
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, QPoint(10, 10));
}

void CaptionHandlersTest::slidersSizeTheBox()
{
    c().widthSlider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(c().widthSlider->position(), 193);
    QCOMPARE(c().caption->width(), 193);
    QCOMPARE(c().widthEdit->content(), QStringLiteral("193"));

    c().heightSlider->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(c().caption->height(), 35);
    QCOMPARE(c().heightEdit->content(), QStringLiteral("35"));

    c().widthSlider->setSliderDown(true); // every step of a drag, not only its end
    c().widthSlider->setSliderPosition(300);
    QCOMPARE(c().caption->width(), 300);
    c().widthSlider->setSliderPosition(320);
    QCOMPARE(c().caption->width(), 320);
    c().widthSlider->setSliderDown(false);
}

void CaptionHandlersTest::typedNumbersMoveOnlyTheThumb_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("thumb");
    QTest::newRow("250") << "250" << 250;
    QTest::newRow("abc") << "abc" << 1;
    QTest::newRow("600") << "600" << 500;
    QTest::newRow("full-width") << "１２０" << 120;
    QTest::newRow("wraps negative") << "3000000000" << 1;
}

void CaptionHandlersTest::typedNumbersMoveOnlyTheThumb()
{
    QFETCH(QString, typed);
    QFETCH(int, thumb);
    c().widthEdit->setFocus();
    c().widthEdit->selectAll();
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
    QCoreApplication::sendEvent(c().widthEdit, &key);
    QCOMPARE(c().widthEdit->content(), typed);
    QCOMPARE(c().widthSlider->value(), thumb);
    QCOMPARE(c().caption->width(), 168);
}

void CaptionHandlersTest::fontSizeAndBold()
{
    const int dpi = c().caption->logicalDpiY();
    c().fontSizeSlider->triggerAction(QAbstractSlider::SliderToMinimum); // top: size 95
    QCOMPARE(c().caption->logFont().height, -MulDiv(95, dpi, 72));
    QCOMPARE(c().caption->logFont().weight, 700);

    c().boldBox->click(); // unchecked: weight 0, not 400
    QCOMPARE(c().caption->logFont().weight, 0);
    QCOMPARE(c().caption->logFont().height, -MulDiv(95, dpi, 72));
    c().boldBox->click();
    QCOMPARE(c().caption->logFont().weight, 700);

    c().fontSizeSlider->triggerAction(QAbstractSlider::SliderToMaximum); // bottom: size 0
    QCOMPARE(c().caption->logFont().height, 0);
}

void CaptionHandlersTest::colourChoice()
{
    c().colourPicker->setColour(0x0000FF);
    SetCaptionColour(c());
    QCOMPARE(c().caption->colour(), 0x0000FFu);
}

void CaptionHandlersTest::fontChooserCancelChangesNothing()
{
    const LogFont before = c().caption->logFont();
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    c().fontButton->click();
    QCOMPARE(c().caption->logFont().height, before.height);
    QCOMPARE(c().caption->logFont().weight, before.weight);
    QCOMPARE(c().caption->logFont().faceName, before.faceName);
}

void CaptionHandlersTest::fontChooserAcceptReplacesTheWholeFont()
{
    c().fontSizeSlider->triggerAction(QAbstractSlider::SliderToMinimum);
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget())) {
            QFont font(QStringLiteral("DejaVu Serif"));
            font.setPointSize(20);
            font.setItalic(true);
            dialog->setCurrentFont(font);
            dialog->accept();
        }
    });
    c().fontButton->click();
    QCOMPARE(m_globals.chosenFont->size, 20);
    QVERIFY(m_globals.chosenFont->italic);
    QVERIFY(!m_globals.chosenFont->bold);
    const int dpi = c().caption->logicalDpiY();
    QCOMPARE(c().caption->logFont().height, -MulDiv(20, dpi, 72)); // the slider's size is gone
    QCOMPARE(c().caption->logFont().weight, 0);
    QVERIFY(c().caption->logFont().italic);
}

QTEST_MAIN(CaptionHandlersTest)
#include "tst_caption_handlers.moc"

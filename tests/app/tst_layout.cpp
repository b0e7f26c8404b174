// The main window as laid out, and its state right after start-up.
#include "app/EditBoxes.h"
#include "app/ListBox.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "app/TrackBar.h"
#include "app/WindowLayout.h"
#include "canvas/CanvasView.h"
#include "caption/CaptionLabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace mimora;

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        CreateGlobals(m_globals);
        m_window = std::make_unique<MainWindow>(m_globals);
    }
    void cleanup() { m_window.reset(); }

    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void stackingOrder();
    void windowSettings();
    void stateAfterStartUp();
    void escClosesFromAnyControl();

private:
    QWidget *find(const char *name) const
    {
        return m_window->findChild<QWidget *>(QString::fromUtf8(name));
    }
    ProgramGlobals m_globals;
    std::unique_ptr<MainWindow> m_window;
};

void LayoutTest::controlsAsLaidOut_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(kWindowLayout.size()); ++i)
        QTest::newRow(kWindowLayout[i].name) << i;
}

void LayoutTest::controlsAsLaidOut()
{
    QFETCH(int, index);
    const ControlLayout &layout = kWindowLayout[index];
    QObject *object = m_window->findChild<QObject *>(QString::fromUtf8(layout.name));
    QVERIFY(object);
    auto *widget = qobject_cast<QWidget *>(object);
    const bool hidden = layout.geometry.isNull();
    QCOMPARE(widget == nullptr, hidden); // the two components have no window
    if (hidden)
        return;

    QObject *expectedParent = layout.parent ? find(layout.parent) : m_window.get();
    QCOMPARE(widget->parent(), expectedParent);
    QCOMPARE(widget->geometry(), layout.geometry);
    QCOMPARE(widget->focusPolicy() == Qt::StrongFocus, layout.tabStop);
    QVERIFY(widget->isVisibleTo(m_window.get()));
    QVERIFY(widget->isEnabled());

    const QString text = layout.text ? QString::fromUtf8(layout.text) : QString();
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(group->title(), text);
    else if (auto *line = qobject_cast<LineEditBox *>(widget))
        QCOMPARE(line->content(), text);
    else if (auto *box = qobject_cast<TextEditBox *>(widget))
        QCOMPARE(box->content(), text);
    else if (auto *caption = qobject_cast<CaptionLabel *>(widget))
        QCOMPARE(caption->text(), text);
    else
        QVERIFY2(text.isEmpty(), layout.name);
}

void LayoutTest::stackingOrder()
{
    // Among siblings, a control listed earlier lies in front of those listed later.
    for (const ControlLayout &front : kWindowLayout) {
        for (const ControlLayout &back : kWindowLayout) {
            QWidget *f = find(front.name);
            QWidget *b = find(back.name);
            if (&front >= &back || !f || !b || f->parent() != b->parent())
                continue;
            const QObjectList &siblings = f->parent()->children();
            QVERIFY2(siblings.indexOf(f) > siblings.indexOf(b),
                     qPrintable(QString::fromUtf8(front.name) + " behind " +
                                QString::fromUtf8(back.name)));
        }
    }
    // The caption over the canvas over the grey field, which is light grey.
    auto *field = qobject_cast<QGroupBox *>(find("分组框3"));
    QCOMPARE(field->palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(field->autoFillBackground());
}

void LayoutTest::windowSettings()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mimora"));
    QCOMPARE(m_window->size(), QSize(636, 450));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_window->geometry().center().x() - screen.center().x(), 0);
    QVERIFY(qAbs(m_window->geometry().center().y() - screen.center().y()) <= 1);

    auto *sizeSlider = qobject_cast<TrackBar *>(find("滑块条3"));
    QCOMPARE(sizeSlider->orientation(), Qt::Vertical);
    QCOMPARE(sizeSlider->minimum(), 5);
    QCOMPARE(sizeSlider->maximum(), 100);
    QCOMPARE(sizeSlider->position(), 100);
    QVERIFY(sizeSlider->invertedAppearance()); // minimum at the top
    auto *caption = qobject_cast<CaptionLabel *>(find("透明标签1"));
    QCOMPARE(caption->logFont().height, -16);
    QCOMPARE(caption->logFont().weight, 700);
    QCOMPARE(find("按钮4")->font().pixelSize(), 16);
}

void LayoutTest::stateAfterStartUp()
{
    m_window->InitMainWindow();
    const Controls &c = m_window->controls();
    QCOMPARE(c.widthEdit->content(), QStringLiteral("192"));
    QCOMPARE(c.widthSlider->position(), 192);
    QCOMPARE(c.heightEdit->content(), QStringLiteral("40"));
    QCOMPARE(c.heightSlider->position(), 40);
    // No slider event ran, so the caption keeps its laid-out box and text.
    QCOMPARE(c.caption->geometry(), QRect(32, 216, 168, 24));
    QCOMPARE(c.caption->text(), QStringLiteral("这里显示文字,可拖动"));
    QCOMPARE(c.captionEdit->content(), QStringLiteral("这里修改文字,可拖动"));
    QVERIFY(c.boldBox->isChecked());
    QCOMPARE(c.templateList->selection(), 0);
    QCOMPARE(c.canvas->geometry(), QRect(5, 16, 234, 234));
    QVERIFY(c.canvas->isStretched());
    QVERIFY(c.canvas->hasDecodedPicture());
    QCOMPARE(c.widthReadout->text(), QStringLiteral("图片宽度：234"));
    QCOMPARE(c.heightReadout->text(), QStringLiteral("图片高度：234"));
    QCOMPARE(c.copyButton->text(), QStringLiteral("复制图片"));
    QCOMPARE(c.saveButton->text(), QStringLiteral("保存到桌面"));
}

void LayoutTest::escClosesFromAnyControl()
{
    m_window->InitMainWindow();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const Controls &c = m_window->controls();

    // Shift+Esc is not a close request; Enter in the caption box is a line break.
    c.captionEdit->setFocus();
    QTest::keyClick(c.captionEdit, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(m_window->isVisible());
    QTest::keyClick(c.captionEdit, Qt::Key_Return);
    QVERIFY(c.captionEdit->content().contains(QLatin1Char('\n')));

    QTest::keyClick(c.captionEdit, Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"

// The colour picker: its palette, choosing with mouse and keys, cancelling, other colours.
#include "caption/Colorref.h"
#include "caption/ColourPalette.h"
#include "caption/ColourPalettePopup.h"
#include "caption/ColourPicker.h"

#include <QApplication>
#include <QColorDialog>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <set>

using namespace mimora;

namespace {

int IndexOf(const char *name)
{
    for (int i = 0; i < static_cast<int>(kColourPalette.size()); ++i) {
        if (qstrcmp(kColourPalette[i].name, name) == 0)
            return i;
    }
    return -1;
}

void WhenColourDialogOpens(std::function<void(QColorDialog *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start();
}

} // namespace

class ColourPickerTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete m_window; }

    void paletteTable();
    void popupLayoutAndLook();
    void cellTooltips();
    void clickChooses_data();
    void clickChooses();
    void keysChoose_data();
    void keysChoose();
    void cancelChoosesNothing_data();
    void cancelChoosesNothing();
    void buttonKeysOpenThePalette_data();
    void buttonKeysOpenThePalette();
    void otherColours_data();
    void otherColours();

private:
    ColourPalettePopup *openPopup()
    {
        m_picker->click();
        ColourPalettePopup *popup = m_picker->palettePopup();
        return popup && QTest::qWaitForWindowExposed(popup) ? popup : nullptr;
    }
    QWidget *m_window = nullptr;
    ColourPicker *m_picker = nullptr;
};

void ColourPickerTest::init()
{
    m_window = new QWidget;
    m_window->resize(200, 120);
    m_picker = new ColourPicker(m_window);
    m_picker->setGeometry(20, 20, 47, 28);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ColourPickerTest::paletteTable()
{
    QCOMPARE(kColourPalette.size(), 32u);
    std::set<std::uint32_t> colours;
    std::set<QString> names;
    for (const PaletteColour &c : kColourPalette) {
        colours.insert(c.colorref);
        names.insert(QString::fromUtf8(c.name));
    }
    QCOMPARE(colours.size(), 32u);
    QCOMPARE(names.size(), 32u);
    QCOMPARE(IndexOf("黑色"), 0);
    QCOMPARE(IndexOf("红色"), 12);
    QCOMPARE(kColourPalette[12].colorref, 0x0000FFu);
    QCOMPARE(ColorrefToQColor(0x0000FF), QColor(Qt::red));
    QCOMPARE(QColorToColorref(QColor(0x12, 0x34, 0x56)), 0x563412u);
    QCOMPARE(IndexOf("深灰"), 31);
}

void ColourPickerTest::popupLayoutAndLook()
{
    ColourPalettePopup *popup = openPopup();
    QVERIFY(popup);
    // Below the button.
    QCOMPARE(popup->frameGeometry().topLeft(),
             m_picker->mapToGlobal(QPoint(0, m_picker->height())));

    // Rows of seven in table order; a last row of four; the entry under it all.
    for (int i = 0; i < 32; ++i) {
        const QRect r = ColourPalettePopup::itemRect(i);
        QCOMPARE(r.size(), QSize(18, 18));
        QCOMPARE(r.left(), ColourPalettePopup::itemRect(i % 7).left());
        QCOMPARE(r.top(), ColourPalettePopup::itemRect(i / 7 * 7).top());
        if (i % 7 != 0)
            QVERIFY(r.left() > ColourPalettePopup::itemRect(i - 1).right());
    }
    QVERIFY(ColourPalettePopup::itemRect(28).top() > ColourPalettePopup::itemRect(27).bottom());
    const QRect entry = ColourPalettePopup::itemRect(ColourPalettePopup::kOtherEntry);
    QVERIFY(entry.top() > ColourPalettePopup::itemRect(31).bottom());
    QVERIFY(popup->rect().contains(entry));

    // Each cell paints its own colour; 红色 paints red.
    const QImage image = popup->grab().toImage();
    for (int i = 0; i < 32; ++i) {
        const QColor painted = image.pixelColor(ColourPalettePopup::itemRect(i).center());
        QCOMPARE(painted, ColorrefToQColor(kColourPalette[i].colorref));
    }
    QCOMPARE(image.pixelColor(ColourPalettePopup::itemRect(12).center()), QColor(Qt::red));
}

void ColourPickerTest::cellTooltips()
{
    ColourPalettePopup *popup = openPopup();
    QVERIFY(popup);
    const QPoint at = ColourPalettePopup::itemRect(12).center();
    QHelpEvent help(QEvent::ToolTip, at, popup->mapToGlobal(at));
    QApplication::sendEvent(popup, &help);
    QCOMPARE(QToolTip::text(), QStringLiteral("红色"));
}

void ColourPickerTest::clickChooses_data()
{
    QTest::addColumn<std::uint32_t>("start");
    QTest::addColumn<int>("cell");
    QTest::newRow("红色 from black") << 0u << 12;
    QTest::newRow("the colour already held") << 0x0000FFu << 12;
    QTest::newRow("last cell") << 0u << 31;
    QTest::newRow("from a colour not in the palette") << 0x123456u << 0;
}

void ColourPickerTest::clickChooses()
{
    QFETCH(std::uint32_t, start);
    QFETCH(int, cell);
    m_picker->setColour(start);
    QSignalSpy chosen(m_picker, &ColourPicker::colourChosen);
    // colour() must already be the new colour when the signal arrives.
    std::uint32_t seen = 0xFFFFFFFF;
    connect(m_picker, &ColourPicker::colourChosen, this, [&] { seen = m_picker->colour(); });

    for (int round = 1; round <= 2; ++round) { // the second time picks the same colour again
        ColourPalettePopup *popup = openPopup();
        QVERIFY(popup);
        QTest::mouseClick(popup, Qt::LeftButton, {}, ColourPalettePopup::itemRect(cell).center());
        QCOMPARE(chosen.count(), round);
        QCOMPARE(seen, kColourPalette[cell].colorref);
        QTRY_VERIFY(!m_picker->palettePopup());
    }
}

void ColourPickerTest::keysChoose_data()
{
    QTest::addColumn<std::uint32_t>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("cell");
    QTest::newRow("right, down, Enter from black")
        << 0u << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << 8;
    QTest::newRow("up, Space from 红色") << 0x0000FFu << QList<int>{Qt::Key_Up, Qt::Key_Space} << 5;
    QTest::newRow("left stops at the first cell")
        << 0u << QList<int>{Qt::Key_Left, Qt::Key_Enter} << 0;
    QTest::newRow("down into the short last row")
        << 0x0080FFu /* 橙黄, 28 */ << QList<int>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Return} << 28;
    QTest::newRow("the entry and back up")
        << 0x606060u /* 深灰, 31 */ << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return} << 28;
    QTest::newRow("no highlight: first arrow takes the first cell")
        << 0x123456u << QList<int>{Qt::Key_Down, Qt::Key_Return} << 0;
    QTest::newRow("Enter on the current colour")
        << 0xECECECu /* 银白 */ << QList<int>{Qt::Key_Return} << 23;
}

void ColourPickerTest::keysChoose()
{
    QFETCH(std::uint32_t, start);
    QFETCH(QList<int>, keys);
    QFETCH(int, cell);
    m_picker->setColour(start);
    QSignalSpy chosen(m_picker, &ColourPicker::colourChosen);
    ColourPalettePopup *popup = openPopup();
    QVERIFY(popup);
    for (int key : keys)
        QTest::keyClick(popup, static_cast<Qt::Key>(key));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(m_picker->colour(), kColourPalette[cell].colorref);
}

void ColourPickerTest::cancelChoosesNothing_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Esc") << true;
    QTest::newRow("click outside") << false;
}

void ColourPickerTest::cancelChoosesNothing()
{
    QFETCH(bool, byEscape);
    m_picker->setColour(0x0000FF);
    QSignalSpy chosen(m_picker, &ColourPicker::colourChosen);
    ColourPalettePopup *popup = openPopup();
    QVERIFY(popup);
    QTest::keyClick(popup, Qt::Key_Right); // a highlight that is not taken
    if (byEscape)
        QTest::keyClick(popup, Qt::Key_Escape);
    else
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->rect().bottomRight() + QPoint(30, 30));
    QTRY_VERIFY(!m_picker->palettePopup());
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(m_picker->colour(), 0x0000FFu);
}

void ColourPickerTest::buttonKeysOpenThePalette_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Down") << int(Qt::Key_Down);
}

void ColourPickerTest::buttonKeysOpenThePalette()
{
    QFETCH(int, key);
    m_picker->setFocus();
    QTest::keyClick(m_picker, static_cast<Qt::Key>(key));
    QVERIFY(m_picker->palettePopup());
    QTRY_VERIFY(m_picker->palettePopup()->isVisible());
    m_picker->palettePopup()->close();
}

void ColourPickerTest::otherColours_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void ColourPickerTest::otherColours()
{
    QFETCH(bool, accept);
    m_picker->setColour(0x0000FF);
    QSignalSpy chosen(m_picker, &ColourPicker::colourChosen);
    QColor offered;
    WhenColourDialogOpens([&offered, accept](QColorDialog *dialog) {
        offered = dialog->currentColor();
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    ColourPalettePopup *popup = openPopup();
    QVERIFY(popup);
    const QRect entry = ColourPalettePopup::itemRect(ColourPalettePopup::kOtherEntry);
    QTest::mouseClick(popup, Qt::LeftButton, {}, entry.center()); // returns once the dialog closed
    QCOMPARE(offered, QColor(Qt::red)); // the dialog starts at the current colour
    QCOMPARE(chosen.count(), accept ? 1 : 0);
    QCOMPARE(m_picker->colour(), accept ? 0x563412u : 0x0000FFu);
}

QTEST_MAIN(ColourPickerTest)
#include "tst_caption_colour_picker.moc"

// The hidden font chooser: what the dialog starts from, what an accepted font becomes, cancel.
#include "caption/FontChooser.h"
#include "caption/LogFont.h"

#include <QApplication>
#include <QFontDialog>
#include <QtTest>

#include <functional>

using namespace mimora;

namespace {

// Runs action on the font dialog once it is the modal window, from inside its event loop.
void WhenFontDialogOpens(std::function<void(QFontDialog *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start();
}

struct Properties
{
    std::uint32_t colour;
    bool bold, italic, strikeout, underline;
    QString face;
    int size;
};

Properties Read(const FontChooser &c)
{
    return {c.colour(), c.bold(), c.italic(), c.strikeout(), c.underline(), c.faceName(), c.size()};
}

bool operator==(const Properties &a, const Properties &b)
{
    return a.colour == b.colour && a.bold == b.bold && a.italic == b.italic &&
           a.strikeout == b.strikeout && a.underline == b.underline && a.face == b.face &&
           a.size == b.size;
}

QFont ShownByDialog(FontChooser &chooser)
{
    QFont shown;
    WhenFontDialogOpens([&shown](QFontDialog *dialog) {
        shown = dialog->currentFont();
        dialog->reject();
    });
    if (chooser.open(nullptr, 96))
        qWarning("the dialog was accepted");
    return shown;
}

} // namespace

class FontChooserTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InstallFaceSubstitutions(); }
    void designedValues();
    void startsFromItsOwnProperties();
    void chosenFontBecomesProperties_data();
    void chosenFontBecomesProperties();
    void acceptThroughTheDialog();
    void cancelChangesNothing();
};

void FontChooserTest::designedValues()
{
    const FontChooser chooser;
    QVERIFY(Read(chooser) == (Properties{0, false, false, false, false, QString(), 0}));
    FontChooser negative;
    negative.setSize(-4); // a size is never negative
    QCOMPARE(negative.size(), 0);
}

void FontChooserTest::startsFromItsOwnProperties()
{
    FontChooser chooser;
    // Nothing set: the default face at the default size, regular.
    QFont start = chooser.initialFont(96);
    QCOMPARE(start.weight(), QFont::Normal);
    QCOMPARE(start.family(), QApplication::font().family());
    QCOMPARE(start.pointSizeF(), QApplication::font().pointSizeF());

    chooser.setBold(true);
    chooser.setItalic(true);
    chooser.setUnderline(true);
    chooser.setStrikeout(true);
    chooser.setFaceName(QStringLiteral("Noto Serif CJK SC"));
    chooser.setSize(15);
    start = chooser.initialFont(96);
    QCOMPARE(start.family(), QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(start.weight(), QFont::Bold);
    QVERIFY(start.italic() && start.underline() && start.strikeOut());
    QCOMPARE(start.pointSizeF(), 15.0); // -20 px at 96 dpi

    // The dialog really shows it, on a face that has a bold italic style.
    chooser.setFaceName(QStringLiteral("DejaVu Serif"));
    const QFont shown = ShownByDialog(chooser);
    QCOMPARE(shown.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(shown.pointSize(), 15);
    QVERIFY(shown.bold() && shown.italic() && shown.underline() && shown.strikeOut());

    // A Chinese face has no italic style; the dialog still shows it bold.
    chooser.setFaceName(QStringLiteral("Noto Sans CJK SC"));
    const QFont cjk = ShownByDialog(chooser);
    QCOMPARE(cjk.family(), QStringLiteral("Noto Sans CJK SC"));
    QVERIFY(cjk.bold() && cjk.underline());
}

void FontChooserTest::chosenFontBecomesProperties_data()
{
    QTest::addColumn<QFont>("chosen");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");

    auto font = [](int weight, std::function<void(QFont &)> size) {
        QFont f(QStringLiteral("Noto Sans CJK SC"));
        f.setWeight(static_cast<QFont::Weight>(weight));
        size(f);
        return f;
    };
    auto points = [](qreal p) { return [p](QFont &f) { f.setPointSizeF(p); }; };
    auto pixels = [](int p) { return [p](QFont &f) { f.setPixelSize(p); }; };
    QTest::newRow("20 pt at 96") << font(400, points(20)) << 96 << 20 << false;
    QTest::newRow("14 px at 96 reads 11") << font(400, pixels(14)) << 96 << 11 << false;
    QTest::newRow("10.5 pt at 96 reads 11") << font(400, points(10.5)) << 96 << 11 << false;
    QTest::newRow("9 pt at 120") << font(400, points(9)) << 120 << 9 << false;
    QTest::newRow("semi-bold is not bold") << font(600, points(12)) << 96 << 12 << false;
    QTest::newRow("700 is bold") << font(700, points(12)) << 96 << 12 << true;
    QTest::newRow("black is bold") << font(900, points(12)) << 96 << 12 << true;
}

void FontChooserTest::chosenFontBecomesProperties()
{
    QFETCH(QFont, chosen);
    QFETCH(int, dpiY);
    QFETCH(int, size);
    QFETCH(bool, bold);
    FontChooser chooser;
    chooser.setColour(0x123456);
    chosen.setUnderline(true);
    chooser.takeChosenFont(chosen, dpiY);
    QCOMPARE(chooser.size(), size);
    QCOMPARE(chooser.bold(), bold);
    QVERIFY(chooser.underline() && !chooser.italic() && !chooser.strikeout());
    QCOMPARE(chooser.faceName(), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(chooser.colour(), 0x123456u); // the dialog has no colour box
}

void FontChooserTest::acceptThroughTheDialog()
{
    FontChooser chooser;
    WhenFontDialogOpens([](QFontDialog *dialog) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(20);
        font.setItalic(true);
        font.setStrikeOut(true);
        dialog->setCurrentFont(font);
        dialog->accept();
    });
    QVERIFY(chooser.open(nullptr, 96));
    QVERIFY(Read(chooser) ==
            (Properties{0, false, true, true, false, QStringLiteral("DejaVu Serif"), 20}));
}

void FontChooserTest::cancelChangesNothing()
{
    FontChooser chooser;
    chooser.setBold(true);
    chooser.setSize(12);
    chooser.setFaceName(QStringLiteral("Noto Serif CJK SC"));
    chooser.setColour(0x0000FF);
    const Properties before = Read(chooser);
    WhenFontDialogOpens([](QFontDialog *dialog) {
        dialog->setCurrentFont(QFont(QStringLiteral("Noto Sans CJK SC"), 30));
        dialog->reject();
    });
    QVERIFY(!chooser.open(nullptr, 96));
    QVERIFY(Read(chooser) == before);
}

QTEST_MAIN(FontChooserTest)
#include "tst_caption_font_chooser.moc"

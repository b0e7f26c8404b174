// Which writes from code raise handlers, and when nothing is delivered at all.
#include "app/EventRules.h"

#include <QtTest>

using namespace mimora;

class EventRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void editWritesRunTheHandlerOnceAlsoForEqualText();
    void nothingIsDeliveredBeforeOpenNorLater();
    void otherWritesAreSilent();
    void userMovesRaiseEveryStep();
    void sliderPositionAndThumbLimits_data();
    void sliderPositionAndThumbLimits();
    void nestedWriteEndsTheChain();
};

void EventRulesTest::editWritesRunTheHandlerOnceAlsoForEqualText()
{
    EventRules rules;
    LineEditBox line;
    TextEditBox text;
    QStringList seen;
    rules.bindContentChanged(&line, [&] { seen << line.content(); });
    rules.bindContentChanged(&text, [&] { seen << text.content(); });
    rules.open();

    rules.writeContent(&line, QStringLiteral("192"));
    rules.writeContent(&line, QStringLiteral("192"));
    rules.writeContent(&text, QStringLiteral("a\nb"));
    QCOMPARE(seen, (QStringList{"192", "192", "a\nb"}));

    // The user's typing raises it too, once per change.
    line.setFocus();
    QTest::keyClicks(&line, "7");
    QCOMPARE(seen.last(), QStringLiteral("1927"));
    QCOMPARE(seen.size(), 4);
}

void EventRulesTest::nothingIsDeliveredBeforeOpenNorLater()
{
    EventRules rules;
    LineEditBox line;
    TrackBar slider(Qt::Horizontal);
    int runs = 0;
    rules.bindContentChanged(&line, [&] { ++runs; });
    rules.bind(&slider, &TrackBar::positionChanged, [&] { ++runs; });

    rules.writeContent(&line, QStringLiteral("x"));
    QTest::keyClicks(&line, "y");
    slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    rules.open();
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0);
    QCOMPARE(line.content(), QStringLiteral("xy"));
}

void EventRulesTest::otherWritesAreSilent()
{
    EventRules rules;
    TrackBar slider(Qt::Horizontal);
    QCheckBox box;
    ListBox list;
    list.setItems({"a", "b"});
    int runs = 0;
    rules.bind(&slider, &TrackBar::positionChanged, [&] { ++runs; });
    rules.bind(&box, &QCheckBox::clicked, [&] { ++runs; });
    rules.bind(&list, &ListBox::itemChosen, [&] { ++runs; });
    rules.open();

    rules.writePosition(&slider, 40);
    rules.writeChecked(&box, true);
    rules.writeSelection(&list, 1);
    QCOMPARE(runs, 0);
    QCOMPARE(slider.position(), 40);
    QVERIFY(box.isChecked());
    QCOMPARE(list.selection(), 1);

    box.click(); // a user's click
    QCOMPARE(runs, 1);
}

void EventRulesTest::userMovesRaiseEveryStep()
{
    EventRules rules;
    TrackBar slider(Qt::Horizontal);
    slider.setRange(1, 500);
    slider.setPageStep(5);
    QList<int> positions;
    rules.bind(&slider, &TrackBar::positionChanged, [&] { positions << slider.position(); });
    rules.open();
    rules.writePosition(&slider, 600); // stored as is, thumb at 500

    // End at the maximum moves nothing yet still reports, with the thumb's position.
    slider.triggerAction(QAbstractSlider::SliderToMaximum);
    slider.triggerAction(QAbstractSlider::SliderPageStepSub);
    slider.triggerAction(QAbstractSlider::SliderSingleStepSub);
    slider.setSliderDown(true);
    slider.setSliderPosition(300); // each step of a drag
    slider.setSliderPosition(301);
    slider.setSliderDown(false);
    QCOMPARE(positions, (QList<int>{500, 495, 494, 300, 301}));
}

void EventRulesTest::sliderPositionAndThumbLimits_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("thumb");
    QTest::newRow("inside") << 250 << 250 << 250;
    QTest::newRow("above the range") << 600 << 600 << 500;
    QTest::newRow("above the property") << 40000 << 32767 << 500;
    QTest::newRow("zero") << 0 << 0 << 1;
    QTest::newRow("negative") << -5 << 0 << 1;
}

void EventRulesTest::sliderPositionAndThumbLimits()
{
    QFETCH(int, written);
    QFETCH(int, position);
    QFETCH(int, thumb);
    TrackBar slider(Qt::Horizontal);
    slider.setRange(1, 500);
    slider.setPosition(written);
    QCOMPARE(slider.position(), position);
    QCOMPARE(slider.value(), thumb);
}

void EventRulesTest::nestedWriteEndsTheChain()
{
    // A slider handler writes its mirror box; the box's handler sets the slider
    // again, which raises nothing.
    EventRules rules;
    TrackBar slider(Qt::Horizontal);
    slider.setRange(1, 500);
    LineEditBox mirror;
    int sliderRuns = 0, boxRuns = 0;
    rules.bind(&slider, &TrackBar::positionChanged, [&] {
        ++sliderRuns;
        rules.writeContent(&mirror, QString::number(slider.position()));
    });
    rules.bindContentChanged(&mirror, [&] {
        ++boxRuns;
        rules.writePosition(&slider, mirror.content().toInt());
    });
    rules.open();
    slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(sliderRuns, 1);
    QCOMPARE(boxRuns, 1);
    QCOMPARE(mirror.content(), QStringLiteral("2"));
}

QTEST_MAIN(EventRulesTest)
#include "tst_event_rules.moc"

#include "racetest.h"

#include "races/racepictures.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

class TestRace : public RaceTest
{
    Q_OBJECT

private slots:
    void loadCopiesTheRaceCard();
    void bannerFollowsTheWindowWidth();
    void headStarts_data();
    void headStarts();
    void tickMovesTenAndDrawsThere();
    void finishValues_data();
    void finishValues();
    void evenTicksFavourTheLeader_data();
    void evenTicksFavourTheLeader();
    void hiddenButtons();
    void advertTicker();
    void closingBeforeTheFinishMovesNothing();
    void realTimersRunARaceToItsSettlement();

private:
    // Ticks the five horses in turn until one is declared; returns the rounds it took.
    static int runEvenly(Form4 *race);
};

int TestRace::runEvenly(Form4 *race)
{
    for (int round = 1; round <= 2000; ++round) {
        for (int k = 1; k <= 5; ++k) {
            race->horseTimer(k)->stop(); // the test is the clock
            tickHorse(race, k);
            if (race->winner != 0)
                return round;
        }
    }
    return -1;
}

void TestRace::loadCopiesTheRaceCard()
{
    Form2 *main = betOn(2);
    // Two runners of one name keep one lane each.
    main->Option4->setText(main->Option2->text());
    Form4 *race = openRace();

    QCOMPARE(race->windowTitle(),
             QStringLiteral("The Race - The Horse You Chose To Win Is 'Desert Orchard'"));
    const QStringList expected = {QStringLiteral("Red Rum"), QStringLiteral("Desert Orchard"),
                                  QStringLiteral("Mr Ed"), QStringLiteral("Desert Orchard"),
                                  QStringLiteral("Black Beauty")};
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(ctl<QLabel>(race, QStringLiteral("Label%1").arg(k))->text(), expected[k - 1]);
        QCOMPARE(ctl<QProgressBar>(race, QStringLiteral("ProgressBar%1").arg(k))->value(), 0);
        QVERIFY(ctl<QProgressBar>(race, QStringLiteral("ProgressBar%1").arg(k))->isHidden());
        QCOMPARE(ctl<QWidget>(race, QStringLiteral("Picture%1").arg(k))->x(),
                 trackPixels(TrackLayout::StartLeft));
        // Lanes run top to bottom from horse 1, and a name never hides under its horse.
        if (k > 1)
            QVERIFY(race->horsePicture(k)->y() > race->horsePicture(k - 1)->y());
        QVERIFY(!race->nameLabel(k)->geometry().intersects(race->horsePicture(k)->geometry()));
        QVERIFY(!race->horseTimer(k)->isActive());
    }
    QCOMPARE(race->palette().color(QPalette::Window), QColor(7, 187, 7));
    QVERIFY(race->Command1->isVisibleTo(race));
    QVERIFY(race->Command1->isEnabled());
    QCOMPARE(race->Command1->text(), QStringLiteral("Start The Race"));
    QVERIFY(race->Text1->isHidden());
    QCOMPARE(race->Text1->text(), QString());
    QVERIFY(race->Command2->isHidden());
    QVERIFY(race->Command3->isHidden());
    QCOMPARE(race->winner, qint16(0));
    QVERIFY(race->Timer1->isActive());
    QCOMPARE(race->Line4->parentWidget(), race->Picture7);
    QCOMPARE(race->Line4->x() + race->Line4->width() / 2, trackPixels(RaceFinishLine));
    // The whole track, finish and run-out included, is inside the window.
    QVERIFY(race->rect().contains(race->Picture7->geometry()));
    QVERIFY(!race->Picture7->geometry().intersects(race->Picture6->geometry()));
    QVERIFY(sv().boxes.isEmpty());
}

void TestRace::bannerFollowsTheWindowWidth()
{
    betOn(1);
    Form4 *race = openRace();
    QCOMPARE(race->Picture6->width(), race->width());
    race->resize(race->width() + 200, race->height() + 40);
    QCOMPARE(race->Picture6->width(), race->width());
    QCOMPARE(race->Picture6->geometry().bottom(), race->height() - 1);
    QCOMPARE(race->Label6->parentWidget(), race->Picture6);
}

void TestRace::headStarts_data()
{
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("doped"); // horse at 900 before the start; 0 for none
    QTest::addColumn<QList<int>>("counters");

    QTest::newRow("leader 1") << 1 << 0 << QList<int>{2000, 1000, 500, 250, 0};
    QTest::newRow("leader 2") << 2 << 0 << QList<int>{0, 2000, 1000, 500, 250};
    QTest::newRow("leader 3") << 3 << 0 << QList<int>{250, 0, 2000, 1000, 500};
    QTest::newRow("leader 4") << 4 << 0 << QList<int>{500, 250, 0, 2000, 1000};
    QTest::newRow("leader 5") << 5 << 0 << QList<int>{1000, 500, 250, 0, 2000};
    QTest::newRow("doped leader keeps its 900") << 4 << 4 << QList<int>{500, 250, 0, 2900, 1000};
    QTest::newRow("doped runner-up stays behind") << 1 << 2 << QList<int>{2000, 1900, 500, 250, 0};
    QTest::newRow("doped last horse") << 2 << 1 << QList<int>{900, 2000, 1000, 500, 250};
}

void TestRace::headStarts()
{
    QFETCH(int, leader);
    QFETCH(int, doped);
    QFETCH(QList<int>, counters);
    betOn(1);
    Form4 *race = openRace();
    if (doped != 0)
        race->progressBar(doped)->setValue(DopedStart);

    sv().draws << draw(leader, 5);
    race->Command1->click();

    QVERIFY(!race->Command1->isEnabled());
    QVERIFY(race->Command1->isHidden());
    QCOMPARE(sv().randomizeCalls, 1);
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(race->progressBar(k)->value(), counters[k - 1]);
        QVERIFY(race->horseTimer(k)->isActive());
        QCOMPARE(race->horseTimer(k)->interval(), 1);
        QCOMPARE(race->horseTimer(k)->timerType(), Qt::PreciseTimer);
        // The pictures wait for their horse's first tick.
        QCOMPARE(race->horsePicture(k)->x(), trackPixels(TrackLayout::StartLeft));
        race->horseTimer(k)->stop();
    }
}

void TestRace::tickMovesTenAndDrawsThere()
{
    betOn(1);
    Form4 *race = openRace();
    sv().draws << draw(1, 5);
    race->Command1->click();
    const int y = race->Picture2->y();
    race->horse2t_Timer();
    QCOMPARE(race->ProgressBar2->value(), 1010);
    QCOMPARE(race->Picture2->pos(), QPoint(trackPixels(1010 + RacePictureOffset), y));
    race->horse2t_Timer();
    race->horse2t_Timer();
    QCOMPARE(race->ProgressBar2->value(), 1030);
    QCOMPARE(race->Picture2->x(), trackPixels(1060));
    // Only the ticking horse moves.
    QCOMPARE(race->ProgressBar1->value(), 2000);
    QCOMPARE(race->Picture1->x(), trackPixels(TrackLayout::StartLeft));
    QCOMPARE(race->winner, qint16(0));
}

void TestRace::finishValues_data()
{
    QTest::addColumn<int>("horse");
    QTest::addColumn<int>("ticksToDeclare"); // from 12,980

    QTest::newRow("horse 1") << 1 << 2;
    QTest::newRow("horse 2") << 2 << 2;
    QTest::newRow("horse 3 runs on to 13,000") << 3 << 3;
    QTest::newRow("horse 4") << 4 << 2;
    QTest::newRow("horse 5") << 5 << 2;
}

void TestRace::finishValues()
{
    QFETCH(int, horse);
    QFETCH(int, ticksToDeclare);
    QCOMPARE(raceFinishValue(horse), horse == 3 ? 12998 : 12988);

    betOn(1);
    Form4 *race = openRace();
    race->progressBar(horse)->setValue(12980);
    for (int t = 1; t < ticksToDeclare; ++t) {
        tickHorse(race, horse);
        QCOMPARE(race->winner, qint16(0));
    }
    const int lastLeft = race->horsePicture(horse)->x();
    QCOMPARE(race->progressBar(horse)->value(), horse == 3 ? 13000 : 12990);
    tickHorse(race, horse);

    // The declaring tick does not move the horse; it settles the race and closes the window.
    QCOMPARE(race->winner, qint16(horse));
    QCOMPARE(race->progressBar(horse)->value(), horse == 3 ? 13000 : 12990);
    QCOMPARE(race->horsePicture(horse)->x(), lastLeft);
    QCOMPARE(sv().boxTexts().value(0),
             QStringLiteral("The Winner Was %1 (Horse %2)")
                 .arg(UserProfile::DefaultHorses[static_cast<std::size_t>(horse - 1)])
                 .arg(horse));
    QCOMPARE(loadedForm<Form4>(), nullptr);
}

void TestRace::evenTicksFavourTheLeader_data()
{
    QTest::addColumn<int>("leader");
    QTest::addColumn<int>("doped");
    QTest::addColumn<int>("rounds");

    // The leader needs 1,099 moves to 12,990 and is declared on the next round; horse 3
    // needs one move more.
    QTest::newRow("leader 1") << 1 << 0 << 1100;
    QTest::newRow("leader 2") << 2 << 0 << 1100;
    QTest::newRow("leader 3 is declared a round later") << 3 << 0 << 1101;
    QTest::newRow("leader 4") << 4 << 0 << 1100;
    QTest::newRow("leader 5") << 5 << 0 << 1100;
    QTest::newRow("doped leader wins sooner") << 2 << 2 << 1010;
    QTest::newRow("doped runner-up still loses") << 4 << 5 << 1100;
}

void TestRace::evenTicksFavourTheLeader()
{
    QFETCH(int, leader);
    QFETCH(int, doped);
    QFETCH(int, rounds);
    betOn(1);
    Form4 *race = openRace();
    if (doped != 0)
        race->progressBar(doped)->setValue(DopedStart);
    sv().draws << draw(leader, 5);
    race->Command1->click();

    QCOMPARE(runEvenly(race), rounds);
    QCOMPARE(race->winner, qint16(leader));
}

void TestRace::hiddenButtons()
{
    betOn(1);
    Form4 *race = openRace();
    race->Command2->click();
    QVERIFY(race->horse1t->isActive());
    for (int k = 2; k <= 5; ++k)
        QVERIFY(!race->horseTimer(k)->isActive());
    race->horse1t->stop();

    // Without a horse at the line the settlement has nothing to settle.
    race->Command3->click();
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(loadedForm<Form4>(), race);
}

void TestRace::advertTicker()
{
    betOn(1);
    Form4 *race = openRace();
    QCOMPARE(race->Timer1->interval(), 1000);
    QCOMPARE(race->Label6->text(), makerAddress());
    QCOMPARE(race->Label6->font().family(), QStringLiteral("Verdana"));

    QStringList seen;
    for (int n = 1; n <= 5; ++n) {
        sv().draws << draw(n, 6);
        race->Timer1_Timer();
        seen << race->Label6->text();
        QVERIFY2(seen.last().contains(makerAddress()), qPrintable(seen.last()));
    }
    QCOMPARE(seen.first(), seen.first().toLower());
    QCOMPARE(seen.removeDuplicates(), 0);
    QCOMPARE(seen.last(), makerAddress());

    sv().draws << draw(3, 6) << draw(6, 6);
    race->Timer1_Timer();
    const QString third = race->Label6->text();
    race->Timer1_Timer();
    QCOMPARE(race->Label6->text(), third);
    QCOMPARE(sv().randomizeCalls, 7);
}

void TestRace::closingBeforeTheFinishMovesNothing()
{
    Form2 *main = betOn(1);
    const QString odds = main->Label4->text();
    const QList<QByteArray> files = savedFiles();
    Form4 *race = openRace();
    sv().draws << draw(1, 5);
    race->Command1->click();
    // One tick short of the line: a timer left alive would settle within a millisecond.
    race->ProgressBar1->setValue(12980);
    QPointer<QTimer> horse1t = race->horse1t;

    race->close();
    QVERIFY(!horse1t.isNull() && !horse1t->isActive());
    QTest::qWait(60);
    flushDeletes();

    QVERIFY(horse1t.isNull());
    QCOMPARE(loadedForm<Form4>(), nullptr);
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    QCOMPARE(main->Text2->text(), QStringLiteral("500"));
    QCOMPARE(main->Label4->text(), odds);
    QVERIFY(!main->Command10->isEnabled());
    QCOMPARE(savedFiles(), files);
}

void TestRace::realTimersRunARaceToItsSettlement()
{
    Form2 *main = betOn(1);
    Form4 *race = openRace();
    QPointer<Form4> alive(race);
    sv().draws << draw(1, 5);
    race->Command1->click();

    // A plain event loop lets the 1 ms timers run at their own pace (qWait would hold them
    // to its 10 ms naps); the settlement's unload ends it.
    QEventLoop loop;
    connect(race, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 1000);
    QCOMPARE(sv().boxTexts().mid(0, 2),
             (QStringList{QStringLiteral("The Winner Was Red Rum (Horse 1)"),
                          QStringLiteral(" Your horse was the winner! You Have Won £1500")}));
    QCOMPARE(main->Text1->text(), QStringLiteral("2000"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("2000\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), QByteArray("628\r\n"));
}

QTEST_MAIN(TestRace)
#include "tst_race.moc"

#include "support/gametest.h"
#include "support/login.h"
#include "support/race.h"

#include "common/registry.h"
#include "mainwindow/form2.h"
#include "mainwindow/racecard.h"
#include "profiles/userprofile.h"
#include "races/form13.h"
#include "races/form4.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

// A whole round as a player plays it: log in, stake, runner, bet, race, settlement, and
// the next stake straight after.
class TestFullRound : public GameTest
{
    Q_OBJECT

private slots:
    void backedHorseWinsAndTheNextBetFollows();
    void backedHorseLosesWithTheRealTimers();
    void shareOwnerDopesAndIsCaught();
    void raceSettlesDuringAMoneyBox_data();
    void raceSettlesDuringAMoneyBox();

private:
    // Logs slot 1 in, stakes `stake` on `horse` and starts the race; returns the race window
    // with its Start button not yet pressed.
    Form4 *betAndStart(Form2 *&main, int horse, const QString &stake);
    void offerStake(Form2 *main, const QString &stake);
    // A radio button answers a click on its round mark or its caption, not on the empty
    // width beside them.
    static void clickRunner(QRadioButton *runner)
    {
        QTest::mouseClick(runner, Qt::LeftButton, {}, QPoint(8, runner->height() / 2));
    }
    // The five files that a round must leave as they were, and the three it rewrites.
    void checkFiles(const QString &cash) const;
    static void checkNoStake(const Form2 *main);
};

void TestFullRound::offerStake(Form2 *main, const QString &stake)
{
    main->Text3->lineEdit()->selectAll();
    QTest::keyClicks(main->Text3->lineEdit(), stake);
    sv().answers << MsgResult::Yes;
    QTest::mouseClick(main->Command10, Qt::LeftButton);
}

Form4 *TestFullRound::betAndStart(Form2 *&main, int horse, const QString &stake)
{
    writeDefaultProfiles();
    main = logIn(1);
    if (!main)
        qFatal("slot 1 did not log in");
    main->Timer3->stop(); // the version check would ask the network
    sv().boxes.clear();

    offerStake(main, stake);
    clickRunner(main->runner(horse));
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    QTest::mouseClick(main->Command3, Qt::LeftButton);
    Form4 *race = loadedForm<Form4>();
    if (!race || !race->isVisible())
        qFatal("Start The Race did not show the race window");
    return race;
}

void TestFullRound::checkFiles(const QString &cash) const
{
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), cash.toUtf8() + "\r\n");
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), QByteArray("628\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Share)), QByteArray("You Have No Shares\r\n"));
    for (int h = 1; h <= 5; ++h)
        QCOMPARE(bytes(UserProfile::file(1, UserProfile::horse(h))),
                 UserProfile::DefaultHorses[static_cast<std::size_t>(h - 1)].toUtf8() + "\r\n");
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Name)), QByteArray("User 1\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Password)), QByteArray("2864\r\n"));
}

void TestFullRound::checkNoStake(const Form2 *main)
{
    QVERIFY(main->isVisible());
    QVERIFY(main->Text3->isEnabled());
    QVERIFY(main->Command10->isEnabled());
    QVERIFY(main->Command2->isEnabled());
    QVERIFY(!main->Command1->isEnabled());
    QVERIFY(!main->Command3->isEnabled());
    for (int k = 1; k <= 5; ++k)
        QVERIFY(!main->runner(k)->isEnabled());
    QCOMPARE(loadedForm<Form4>(), nullptr);
}

void TestFullRound::backedHorseWinsAndTheNextBetFollows()
{
    Form2 *main = nullptr;
    Form4 *race = betAndStart(main, 2, QStringLiteral("100"));
    const QString winnings = QString::number(main->Label5->text().toInt() * 100);

    // Horse 2 leads from the start; the settlement then deals the odds 1..5.
    sv().draws << draw(2, 5);
    for (int k = 1; k <= 5; ++k)
        sv().draws << draw(k, OddsRanges[static_cast<std::size_t>(k - 1)]);
    QTest::mouseClick(race->Command1, Qt::LeftButton);
    QPointer<Form4> alive(race);
    runRaceByHand(race);
    flushDeletes();
    QVERIFY(alive.isNull());

    QCOMPARE(sv().boxTexts(),
             (QStringList{"Are You Sure That You Want To Play £100 On This Race?",
                          "You are placing £100 on this next race",
                          "You Are Betting £100 on Desert Orchard. If you win, you will win £"
                              + winnings + ". Good Luck!",
                          "The Winner Was Desert Orchard (Horse 2)",
                          " Your horse was the winner! You Have Won £" + winnings}));
    const QString cash = QString::number(500 + winnings.toInt());
    QCOMPARE(main->Text1->text(), cash);
    QCOMPARE(main->Text2->text(), QStringLiteral("628"));
    checkFiles(cash);
    checkNoStake(main);

    // The next stake is taken at once and priced with the new odds.
    sv().boxes.clear();
    offerStake(main, QStringLiteral("50"));
    QCOMPARE(sv().boxTexts().value(1), QStringLiteral("You are placing £50 on this next race"));
    QCOMPARE(main->Label10->text(), QStringLiteral("50"));
    QVERIFY(!main->Text3->isEnabled());
    clickRunner(main->Option4);
    QCOMPARE(main->Label12->text(), QStringLiteral("200"));
    QVERIFY(main->Command1->isEnabled());
}

void TestFullRound::backedHorseLosesWithTheRealTimers()
{
    Form2 *main = nullptr;
    Form4 *race = betAndStart(main, 1, QStringLiteral("250"));
    QPointer<Form4> alive(race);
    sv().draws << draw(2, 5);
    QTest::mouseClick(race->Command1, Qt::LeftButton);

    // A plain event loop lets the 1 ms timers run at their own pace; the settlement's
    // unload ends it.
    QEventLoop loop;
    connect(race, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 1000);

    const QStringList boxes = sv().boxTexts();
    QCOMPARE(boxes.size(), 5);
    QCOMPARE(boxes.mid(0, 2), (QStringList{"Are You Sure That You Want To Play £250 On This Race?",
                                           "You are placing £250 on this next race"}));
    QVERIFY(boxes[2].startsWith("You Are Betting £250 on Red Rum. If you win, you will win £"));
    QCOMPARE(boxes.mid(3),
             (QStringList{"The Winner Was Desert Orchard (Horse 2)", " Your Horse Lost"}));
    QCOMPARE(main->Text1->text(), QStringLiteral("250"));
    checkFiles(QStringLiteral("250"));
    checkNoStake(main);

    sv().boxes.clear();
    offerStake(main, QStringLiteral("200"));
    QCOMPARE(sv().boxTexts().value(1), QStringLiteral("You are placing £200 on this next race"));
    for (int k = 1; k <= 5; ++k)
        QVERIFY(main->runner(k)->isEnabled());
}

void TestFullRound::shareOwnerDopesAndIsCaught()
{
    writeDefaultProfiles();
    put(UserProfile::file(1, UserProfile::Share), "Mr Ed\r\n");
    put(UserProfile::file(1, UserProfile::Cash), "5000\r\n");
    Form2 *main = logIn(1);
    QVERIFY(main);
    main->Timer3->stop();
    sv().boxes.clear();

    offerStake(main, QStringLiteral("100"));
    clickRunner(main->Option3);
    const QString winnings = QString::number(main->Label6->text().toInt() * 100);
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    QTest::mouseClick(main->Command3, Qt::LeftButton);

    // A share owner is offered the drugs before the race window opens.
    QVERIFY(!loadedForm<Form4>());
    Form13 *offer = loadedForm<Form13>();
    QVERIFY(offer && offer->isVisible());
    QTest::mouseClick(offer->Command1, Qt::LeftButton);
    flushDeletes();
    QVERIFY(!loadedForm<Form13>());
    QCOMPARE(main->Text1->text(), QStringLiteral("4000"));
    Form4 *race = loadedForm<Form4>();
    QVERIFY(race && race->isVisible());

    // Mr Ed leads; then a bill of 750 for food, new odds, a positive test and a fine of 20000.
    sv().draws << draw(3, 5) << draw(2, 4) << draw(2, 5) << draw(750, 2000);
    for (int k = 1; k <= 5; ++k)
        sv().draws << draw(k, OddsRanges[static_cast<std::size_t>(k - 1)]);
    sv().draws << draw(2, 3) << draw(20000, 30000);
    QTest::mouseClick(race->Command1, Qt::LeftButton);
    QPointer<Form4> alive(race);
    runRaceByHand(race);
    flushDeletes();
    QVERIFY(alive.isNull());

    QCOMPARE(
        sv().boxTexts().mid(3),
        (QStringList{"You have been charged £1000 for the drugs", "The Winner Was Mr Ed (Horse 3)",
                     " Your horse was the winner! You Have Won £" + winnings,
                     "The Horse You Own As Won The Race, You Get £10,000 ",
                     "You have been billed for food charges. This will cost you £750",
                     "Your horse as been tested for drugs, your horse was proven positive",
                     "you have been fined £20000 & your horse as been destroyed"}));
    const QString cash = QString::number(4000 + winnings.toInt() + 10000 - 750 - 20000);
    QCOMPARE(main->Text1->text(), cash);
    QCOMPARE(main->Label16->text(), UserProfile::NoShares);
    // The save at the end holds the whole race: winnings, prize, bill, fine and the lost share.
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), cash.toUtf8() + "\r\n");
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Share)), QByteArray("You Have No Shares\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), QByteArray("628\r\n"));
    checkNoStake(main);
}

void TestFullRound::raceSettlesDuringAMoneyBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("amount"); // the loan box
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("debt");
    // 500 + 400 won during the box; the sale adds 12000 after it; a loan or a payment is booked
    // before it, so the interest is charged on the debt it left (1500 + 382, 300 + 76).
    // clang-format off
    QTest::newRow("sell")     << "Command8" << ""     << "12900" << "628";
    QTest::newRow("borrow")   << "Command6" << "1000" << "1900"  << "1882";
    QTest::newRow("pay back") << "Command7" << "200"  << "700"   << "376";
    // clang-format on
}

void TestFullRound::raceSettlesDuringAMoneyBox()
{
    QFETCH(QString, button);
    QFETCH(QString, amount);
    QFETCH(QString, cash);
    QFETCH(QString, debt);
    const bool sale = button == "Command8";
    writeDefaultProfiles();
    if (sale)
        put(UserProfile::file(1, UserProfile::Share), "Mr Ed\r\n");
    Form2 *main = logIn(1);
    QVERIFY(main);
    main->Timer3->stop(); // the version check would ask the network
    main->Label5->setText(QStringLiteral("4"));
    offerStake(main, QStringLiteral("100"));
    clickRunner(main->Option2);
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    QTest::mouseClick(main->Command3, Qt::LeftButton);
    if (sale) // the owner declines the doping offer
        QTest::mouseClick(loadedForm<Form13>()->Command2, Qt::LeftButton);
    Form4 *race = loadedForm<Form4>();
    QVERIFY(race);
    // The advert ticker would take draws at its own moments; the horses keep their timers.
    race->Timer1->stop();
    // Horse 2 leads; the sale fetches 12000; the owner gets no bill this race.
    sv().draws << draw(2, 5) << draw(12000, 25000) << draw(1, 4);
    QTest::mouseClick(race->Command1, Qt::LeftButton);
    main->Text10->setText(amount);
    sv().boxes.clear();

    sv().duringNextBox = [race] { QVERIFY(runRaceOnItsTimers(race)); };
    ctl<QPushButton>(main, button)->click();
    flushDeletes();

    const QStringList boxes = sv().boxTexts();
    QCOMPARE(boxes.mid(1), (QStringList{"The Winner Was Desert Orchard (Horse 2)",
                                        " Your horse was the winner! You Have Won £400"}));
    QCOMPARE(main->Text1->text(), cash);
    QCOMPARE(main->Text2->text(), debt);
    // The race came after the loan or payment, so the next loan may be taken.
    QVERIFY(main->Command6->isEnabled());
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), cash.toUtf8() + "\r\n");
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), debt.toUtf8() + "\r\n");
    QCOMPARE(main->Label16->text(), UserProfile::NoShares);
}

QTEST_MAIN(TestFullRound)
#include "tst_fullround.moc"

#include "support/gametest.h"
#include "support/login.h"

#include "common/dialogs.h"
#include "common/registry.h"
#include "common/twips.h"
#include "mainwindow/form2.h"
#include "mainwindow/form5.h"
#include "mainwindow/racecard.h"
#include "profiles/userprofile.h"
#include "races/form16.h"
#include "races/frmgrand.h"
#include "races/frmgrandrace.h"
#include "races/grandrules.h"
#include "races/racepictures.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using Positions = QList<int>;

// The highest odds of runners 1..5 at the betting window's load, and after a GrandNational.
constexpr std::array<int, 5> LoadOddsTops = {150, 250, 450, 750, 1000};
constexpr std::array<int, 5> RaceOddsTops = {15, 25, 45, 75, 100};

// The GrandNational: requirements, entry, betting window, race and settlement.
class TestGrand : public GameTest
{
    Q_OBJECT

private slots:
    void initTestCase() { Frmgrandrace::MovePace = std::chrono::microseconds(0); }
    void fieldByPost_data();
    void fieldByPost();
    void finishAndWinner_data();
    void finishAndWinner();
    void raceLoopEndsByTheRuleOrTheLimit();
    void requirements_data();
    void requirements();
    void entryLoadsOnceAndFollowsTheMainWindow();
    void runnerNamesAsHeard_data();
    void runnerNamesAsHeard();
    void stakeCheck_data();
    void stakeCheck();
    void runnerChoice_data();
    void runnerChoice();
    void settlement_data();
    void settlement();
    void windowsLeftBehind();
    void playerRunsAWholeGrandNational();

private:
    // Slot 1 logged in owning a share in "Copper Kettle", with the given cash and debt.
    Form2 *owner(const QString &cash, const QString &debt = QStringLiteral("500"));
    // The entry with the load's draws scripted: odds at each post's top, the share at `post`.
    FrmGrand *enter(Form2 *main, int post = 1);
    // Stakes, picks runner k and fixes the bet through the window's own handlers.
    void bet(FrmGrand *grand, const QString &stake, int k);
    QList<QByteArray> slotFiles() const;
};

Form2 *TestGrand::owner(const QString &cash, const QString &debt)
{
    writeDefaultProfiles();
    Form2 *main = logIn(1);
    if (!main)
        qFatal("slot 1 did not log in");
    main->Timer3->stop(); // the version check would ask the network
    main->runner(1)->setText(QStringLiteral("Copper Kettle"));
    main->Label16->setText(QStringLiteral("Copper Kettle"));
    main->Text1->setText(cash);
    main->Text2->setText(debt);
    sv().boxes.clear();
    sv().draws.clear();
    return main;
}

FrmGrand *TestGrand::enter(Form2 *main, int post)
{
    if (!loadedForm<FrmGrand>()) {
        for (const int top : LoadOddsTops)
            sv().draws << draw(top, top);
        sv().draws << draw(post, 5);
    }
    main->sendgn->trigger();
    return loadedForm<FrmGrand>();
}

void TestGrand::bet(FrmGrand *grand, const QString &stake, int k)
{
    grand->Text3->setEditText(stake);
    grand->Command1->click();
    grand->runner(k)->click();
    grand->Command3->click();
}

QList<QByteArray> TestGrand::slotFiles() const
{
    QList<QByteArray> all;
    for (const QString &suffix : UserProfile::allSuffixes())
        all << bytes(UserProfile::file(1, suffix));
    return all;
}

void TestGrand::fieldByPost_data()
{
    QTest::addColumn<int>("post");
    QTest::addColumn<QStringList>("field");
    const QString s = QStringLiteral("S");
    const QString z = QStringLiteral("Super Z"), r = QStringLiteral("Runaway Heaven"),
                  x = QStringLiteral("Xtra Mile"), b = QStringLiteral("Billy's Dream");
    QTest::newRow("post 1") << 1 << QStringList{s, z, r, x, b};
    QTest::newRow("post 2") << 2 << QStringList{z, s, r, x, b};
    QTest::newRow("post 3") << 3 << QStringList{r, z, s, x, b};
    QTest::newRow("post 4") << 4 << QStringList{x, r, z, s, b};
    QTest::newRow("post 5") << 5 << QStringList{r, x, b, z, s};
}

void TestGrand::fieldByPost()
{
    QFETCH(int, post);
    QFETCH(QStringList, field);
    const std::array<QString, 5> drawn = grandField(post, QStringLiteral("S"));
    QCOMPARE(QStringList(drawn.begin(), drawn.end()), field);
}

void TestGrand::finishAndWinner_data()
{
    QTest::addColumn<Positions>("positions");
    QTest::addColumn<bool>("over");
    QTest::addColumn<int>("winner");
    QTest::newRow("one still below 4500") << Positions{9000, 4499, 4500, 4500, 4500} << false << 1;
    QTest::newRow("4500 is not below") << Positions{8161, 4500, 4500, 4500, 4500} << true << 1;
    QTest::newRow("8160 does not finish") << Positions{8160, 4500, 6000, 4500, 4500} << false << 0;
    QTest::newRow("highest number wins, not furthest")
        << Positions{4500, 12000, 5000, 8161, 4500} << true << 4;
    QTest::newRow("all beyond") << Positions{9000, 9000, 9000, 9000, 8200} << true << 5;
}

void TestGrand::finishAndWinner()
{
    QFETCH(Positions, positions);
    QFETCH(bool, over);
    QFETCH(int, winner);
    GrandPositions p{};
    std::copy(positions.begin(), positions.end(), p.begin());
    QCOMPARE(grandRaceOver(p), over);
    QCOMPARE(grandWinner(p), winner);
}

void TestGrand::raceLoopEndsByTheRuleOrTheLimit()
{
    // Pick 6 moves nobody; 8160 is not beyond; the next move is. Each cycle reseeds twice.
    GrandPositions p = {4500, 8150, 4500, 4500, 4500};
    sv().draws << draw(6, 300) << draw(50, 50) << draw(2, 300) << draw(10, 50) << draw(2, 300)
               << draw(1, 50);
    QList<int> moved;
    QCOMPARE(runGrandRace(p, [&](int k) { moved << k; }), 2);
    QCOMPARE(moved, (QList<int>{2, 2}));
    QCOMPARE(p[1], 8161);
    QCOMPARE(sv().randomizeCalls, 6);

    // A source stuck on one value moves horse 1 alone for ever: the limit ends the race.
    GrandPositions stuck = {120, 120, 120, 120, 120};
    for (int i = 0; i < 2000; ++i)
        sv().draws << 0.0;
    QCOMPARE(runGrandRace(
                 stuck, [](int) {}, 1000),
             1);
    QCOMPARE(stuck[0], 1120);
}

void TestGrand::requirements_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("amount");
    QTest::newRow("pounds") << "United Kingdom"
                            << "£30,000";
    QTest::newRow("dollars") << "Other Parts Of Asia"
                             << "$30,000";
}

void TestGrand::requirements()
{
    QFETCH(QString, country);
    QFETCH(QString, amount);
    writeDefaultProfiles(country);
    Form2 *main = logIn(1);
    QVERIFY(main);
    main->reqgn->trigger();
    Form16 *notice = loadedForm<Form16>();
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->windowTitle(), QStringLiteral("GrandNational Requirements"));
    QCOMPARE(ctl<QLabel>(notice, QStringLiteral("Label3"))->text(), QStringLiteral("1:"));
    QCOMPARE(ctl<QLabel>(notice, QStringLiteral("Label2(0)"))->text(), amount);
    QCOMPARE(ctl<QLabel>(notice, QStringLiteral("Label2(1)"))->text(),
             QStringLiteral("2: Shares In A Horse"));
    notice->Command1->click();
    QCOMPARE(loadedForm<Form16>(), nullptr);
}

void TestGrand::entryLoadsOnceAndFollowsTheMainWindow()
{
    Form2 *main = owner(QStringLiteral("45000"), QStringLiteral("700"));
    const QList<QByteArray> before = slotFiles();
    FrmGrand *grand = enter(main, 4);
    QVERIFY(grand && grand->isVisible());
    QCOMPARE(sv().boxTexts(),
             QStringList{QStringLiteral("You Have Been Charged £30,000 To Enter You Horse Into The "
                                        "GrandNational. Your New Cash Status Is: £15000")});
    QCOMPARE(grand->windowTitle(), QStringLiteral("Vantrel - GrandNational"));
    QCOMPARE(grand->Label1->text(), QStringLiteral("Welcome To The GrandNational: User 1"));
    QCOMPARE(grand->Label2->text(), QStringLiteral("Game Started At: 12:34:56"));
    QCOMPARE(grand->Label3->text(), QStringLiteral("Cash £"));
    QCOMPARE(grand->Text1->text(), QStringLiteral("15000"));
    QCOMPARE(grand->Text2->text(), QStringLiteral("700"));
    QCOMPARE(grand->Text3->currentText(), QStringLiteral("Enter Bet Amount"));
    QCOMPARE(grand->Text3->count(), 12);
    QCOMPARE(grand->Text3->itemText(8), QStringLiteral("750"));
    const QStringList field = {QStringLiteral("Xtra Mile"), QStringLiteral("Runaway Heaven"),
                               QStringLiteral("Super Z"), QStringLiteral("Copper Kettle"),
                               QStringLiteral("Billy's Dream")};
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(grand->runner(k)->text(), field[k - 1]);
        QCOMPARE(grand->oddsLabel(k)->text(), QString::number(LoadOddsTops[k - 1]));
        QVERIFY(!grand->runner(k)->isEnabled());
    }
    QVERIFY(grand->Command1->isEnabled() && grand->Text3->isEnabled());
    QVERIFY(!grand->Command3->isEnabled() && !grand->Command2->isEnabled());

    // While the window shows, the entry does nothing at all.
    main->Text1->setText(QStringLiteral("40000"));
    sv().boxes.clear();
    main->sendgn->trigger();
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(main->Text1->text(), QStringLiteral("40000"));

    // Hidden, it is not loaded again, but both copies follow the main window's money.
    grand->hide();
    main->Text2->setText(QStringLiteral("900"));
    sv().randomizeCalls = 0;
    QCOMPARE(enter(main), grand);
    QCOMPARE(sv().randomizeCalls, 0);
    QCOMPARE(grand->Text1->text(), QStringLiteral("10000"));
    QCOMPARE(grand->Text2->text(), QStringLiteral("900"));
    QCOMPARE(grand->runner(4)->text(), QStringLiteral("Copper Kettle"));

    // Another share horse: a fresh field for it, and the pending bet is dropped.
    bet(grand, QStringLiteral("100"), 1);
    grand->hide();
    main->Text1->setText(QStringLiteral("40000"));
    const QString whistle = QStringLiteral("Tin & Whistle");
    main->Label16->setText(whistle);
    main->Txtuser->setText(QStringLiteral("User 2"));
    sv().draws << draw(1, 5);
    enter(main);
    QCOMPARE(grand->Label9->text(), whistle);
    QCOMPARE(grand->runner(1)->text(), whistle);
    // Its "&" is shown as it stands: the button takes the room of the whole name.
    QRadioButton asItStands(QStringLiteral("Tin && Whistle"));
    asItStands.setFont(grand->runner(1)->font());
    QCOMPARE(grand->runner(1)->sizeHint(), asItStands.sizeHint());
    QCOMPARE(grand->Label1->text(), QStringLiteral("Welcome To The GrandNational: User 2"));
    QCOMPARE(grand->Label12->text(), QStringLiteral("No Horse Selected"));
    QVERIFY(!grand->Command2->isEnabled() && grand->Command1->isEnabled());
    QCOMPARE(grand->oddsLabel(1)->text(), QStringLiteral("150"));
    QCOMPARE(slotFiles(), before);
}

void TestGrand::runnerNamesAsHeard_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("one ampersand") << QStringLiteral("Black & White");
    QTest::newRow("two ampersands") << QStringLiteral("Salt && Pepper");
    QTest::newRow("leading ampersand") << QStringLiteral("&Co");
}

// A screen reader hears each runner, on the race card and in the GrandNational alike, by the
// horse's name as it stands.
void TestGrand::runnerNamesAsHeard()
{
    QFETCH(QString, name);
    Form2 *main = owner(QStringLiteral("70000"));
    FrmGrand *grand = enter(main);
    for (QRadioButton *runner : {main->runner(2), grand->runner(2)}) {
        runner->setEnabled(true);
        runner->setText(name);
        runner->setChecked(true);
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(runner);
        QVERIFY(heard);
        QCOMPARE(heard->text(QAccessible::Name), name);
        QCOMPARE(heard->role(), QAccessible::RadioButton);
        QVERIFY(heard->state().checkable && heard->state().checked);
    }
}

void TestGrand::stakeCheck_data()
{
    QTest::addColumn<QString>("cash"); // the main window's, moved since the entry
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("cashAfter"); // empty: refused
    const QString over = QStringLiteral(" The bet is over £1000");
    const QString poor = QStringLiteral("you dont have enough cash, please try again");
    const QString none = QStringLiteral("Please enter the amount you wish to bet");
    QTest::newRow("1000 of 1001") << "1001"
                                  << "1000"
                                  << "You are placing £1000 on this next race"
                                  << "1";
    QTest::newRow("over the limit before the cash") << "500"
                                                    << "1001" << over << "";
    QTest::newRow("the whole cash") << "750"
                                    << "750" << poor << "";
    QTest::newRow("placeholder") << "5000"
                                 << "Enter Bet Amount" << none << "";
    QTest::newRow("negative") << "5000"
                              << "-5" << none << "";
    QTest::newRow("half to even") << "45000"
                                  << "100.5"
                                  << "You are placing £100 on this next race"
                                  << "44900";
    QTest::newRow("750 of 45,000") << "45000"
                                   << "750"
                                   << "You are placing £750 on this next race"
                                   << "44250";
}

void TestGrand::stakeCheck()
{
    QFETCH(QString, cash);
    QFETCH(QString, stake);
    QFETCH(QString, box);
    QFETCH(QString, cashAfter);
    Form2 *main = owner(QStringLiteral("80000"));
    FrmGrand *grand = enter(main);
    main->Text1->setText(cash);
    sv().boxes.clear();

    grand->Text3->setEditText(stake);
    grand->Command1->click();

    QCOMPARE(sv().boxTexts(), QStringList{box});
    QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
    QCOMPARE(sv().boxes[0].title, AppTitle);
    const bool accepted = !cashAfter.isEmpty();
    QCOMPARE(main->Text1->text(), accepted ? cashAfter : cash);
    QCOMPARE(grand->Text1->text(), accepted ? cashAfter : QStringLiteral("50000"));
    QCOMPARE(grand->Label10->text(), accepted ? stake : QStringLiteral("0"));
    QCOMPARE(grand->Text3->isEnabled(), !accepted);
    QCOMPARE(grand->Command1->isEnabled(), !accepted);
    QCOMPARE(grand->Option3->isEnabled(), accepted);
    QVERIFY(!grand->Command2->isEnabled());

    // Typing into the box, whatever the state, opens Confirm again; picking does not.
    grand->Command1->setEnabled(false);
    grand->Text3->setCurrentIndex(2);
    QVERIFY(!grand->Command1->isEnabled());
    grand->Text3->setEnabled(true);
    QTest::keyClicks(grand->Text3->lineEdit(), QStringLiteral("5"));
    QVERIFY(grand->Command1->isEnabled());
}

void TestGrand::runnerChoice_data()
{
    QTest::addColumn<QString>("odds");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("winnings");
    QTest::newRow("301.5 to even") << "3"
                                   << "100.5"
                                   << "302";
    QTest::newRow("120 to 1") << "120"
                              << "500"
                              << "60000";
    QTest::newRow("longest odds, top stake") << "1000"
                                             << "1000"
                                             << "1000000";
}

void TestGrand::runnerChoice()
{
    QFETCH(QString, odds);
    QFETCH(QString, stake);
    QFETCH(QString, winnings);
    FrmGrand *grand = enter(owner(QStringLiteral("90000")), 3);
    grand->Label16->setText(odds);
    grand->Text3->setEditText(stake);
    grand->Command1->click();
    grand->Option3->click();
    QCOMPARE(grand->Label11->text(), winnings);
    QCOMPARE(grand->Label12->text(), QStringLiteral("Copper Kettle"));
    QVERIFY(grand->Command3->isEnabled() && !grand->Command2->isEnabled());
    grand->Command3->click();
    QVERIFY(!grand->Option3->isEnabled() && !grand->Command3->isEnabled());
    QVERIFY(grand->Command2->isEnabled());
}

void TestGrand::settlement_data()
{
    QTest::addColumn<int>("backed");
    QTest::addColumn<int>("winner");
    QTest::addColumn<QString>("odds");  // of the backed runner
    QTest::addColumn<QString>("cash");  // the main window's at the start, moved since the stake
    QTest::addColumn<QString>("debt");  // likewise
    QTest::addColumn<QString>("share"); // what became of the share by the race: "" nothing
    QTest::addColumn<int>("bill");      // 0: none; else its amount, for administration
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<QString>("debtAfter");
    const QString won = QStringLiteral(" Your horse was the winner! You Have Won £60000");
    const QString lost = QStringLiteral(" Your Horse Lost");
    const QString prize = QStringLiteral("The Horse You Own As Won The Race, You Get £1,000,000");
    const QString billed =
        QStringLiteral("You have been billed for administration charges. This will cost you £");
    // The share horse runs from post 1; runner 2 is "Super Z".
    QTest::newRow("win at 120, stake kept back") << 2 << 2 << "120"
                                                 << "39500"
                                                 << "500"
                                                 << "" << 0 << QStringList{won} << "99500"
                                                 << "628";
    QTest::newRow("loss moves no cash") << 2 << 3 << "120"
                                        << "39500"
                                        << "300"
                                        << "" << 0 << QStringList{lost} << "39500"
                                        << "376";
    QTest::newRow("own horse backed and winning") << 1 << 1 << "120"
                                                  << "100"
                                                  << "0"
                                                  << "" << 0 << QStringList{won, prize} << "1060100"
                                                  << "0";
    QTest::newRow("own horse wins, bet elsewhere")
        << 2 << 1 << "120"
        << "100"
        << "0"
        << "" << 0 << QStringList{lost, prize} << "1000100"
        << "0";
    QTest::newRow("own horse wins after its share is sold")
        << 2 << 1 << "120"
        << "100"
        << "0"
        << "sold" << 0 << QStringList{lost} << "100"
        << "0";
    QTest::newRow("own horse wins after it was renamed")
        << 2 << 1 << "120"
        << "100"
        << "0"
        << "renamed" << 0 << QStringList{lost, prize} << "1000100"
        << "0";
    QTest::newRow("own horse wins after a share in another was bought")
        << 2 << 1 << "120"
        << "100"
        << "0"
        << "other" << 0 << QStringList{lost} << "100"
        << "0";
    QTest::newRow("largest bill after a win, share sold")
        << 2 << 2 << "120"
        << "100"
        << "1000"
        << "sold" << 20000 << QStringList{won, billed + QStringLiteral("20000")} << "40100"
        << "1255";
    QTest::newRow("cash and debt stop at the 32-bit edge")
        << 1 << 1 << "120"
        << "2147000000"
        << "2147000000"
        << "" << 0 << QStringList{won, prize} << "2147483647"
        << "2147483647";
}

void TestGrand::settlement()
{
    QFETCH(int, backed);
    QFETCH(int, winner);
    QFETCH(QString, odds);
    QFETCH(QString, cash);
    QFETCH(QString, debt);
    QFETCH(QString, share);
    QFETCH(int, bill);
    QFETCH(QStringList, results);
    QFETCH(QString, cashAfter);
    QFETCH(QString, debtAfter);
    Form2 *main = owner(QStringLiteral("70000"));
    FrmGrand *grand = enter(main, 1);
    grand->oddsLabel(backed)->setText(odds);
    bet(grand, QStringLiteral("500"), backed);
    grand->Command2->click();
    Frmgrandrace *race = loadedForm<Frmgrandrace>();
    QVERIFY(race && race->isVisible());
    QCOMPARE(race->windowTitle(),
             QStringLiteral("Welcome To The GrandNational Race. Your Horse Is: Copper Kettle"));
    QCOMPARE(race->Label1->text(),
             QStringLiteral("The Horse You Have Bet On Is: ") + grand->runner(backed)->text());
    QCOMPARE(race->Label4->text(), QStringLiteral("Super Z"));
    QCOMPARE(race->position(5), 120);

    // Money moved elsewhere since the stake; the copies here still hold the old amounts.
    main->Text1->setText(cash);
    main->Text2->setText(debt);
    if (share == QLatin1String("sold"))
        main->Label16->setText(UserProfile::NoShares);
    if (share == QLatin1String("other"))
        main->Label16->setText(main->runner(3)->text());
    if (share == QLatin1String("renamed")) {
        Form5 *options = form<Form5>();
        options->txtHorse[0]->setText(QStringLiteral("Flash"));
        options->Command1->click();
        QCOMPARE(main->Label16->text(), QStringLiteral("Flash"));
    }
    const QString mainOdds = main->Label4->text();
    const QList<QByteArray> before = slotFiles();

    // The field waits at 4500, the winner just short of the finish; one move ends it.
    for (int k = 1; k <= 5; ++k) {
        HorsePicture *horse = race->horsePicture(k);
        horse->move(twipsToPixels(k == winner ? 8145 : 4500), horse->y());
    }
    sv().draws << draw(winner, 300) << draw(50, 50);
    if (bill == 0)
        sv().draws << draw(1, 4);
    else
        sv().draws << draw(2, 4) << draw(5, 5) << draw(bill, 20000);
    for (const int top : RaceOddsTops)
        sv().draws << draw(top, top);
    sv().boxes.clear();
    race->Command1->click();
    flushDeletes();

    const QString name = grand->runner(winner)->text();
    QCOMPARE(sv().boxTexts(),
             QStringList{QStringLiteral("The Winner Was %1 (Horse %2)").arg(name).arg(winner)}
                 + results);
    for (const ScriptedServices::Box &box : std::as_const(sv().boxes))
        QVERIFY(box.icon == MsgIcon::None && box.title == AppTitle);
    QCOMPARE(main->Text1->text(), cashAfter);
    QCOMPARE(main->Text2->text(), debtAfter);
    QCOMPARE(grand->Text1->text(), cashAfter);
    QCOMPARE(grand->Text2->text(), debtAfter);
    QCOMPARE(grand->Text4->text(), name);
    QCOMPARE(loadedForm<Frmgrandrace>(), nullptr);
    QVERIFY(grand->isHidden() && main->isVisible());
    // The after-race state, with the raced bet closed to a second race.
    QVERIFY(grand->Text3->isEnabled() && grand->Command1->isEnabled());
    QVERIFY(!grand->Command2->isEnabled() && !grand->Command3->isEnabled());
    QVERIFY(!grand->runner(1)->isEnabled());
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(grand->oddsLabel(k)->text(), QString::number(RaceOddsTops[k - 1]));
    // Only cash and debt reach the main window, and nothing is saved.
    QCOMPARE(main->Label4->text(), mainOdds);
    QCOMPARE(main->Text11->text(), QStringLiteral("Text11"));
    QCOMPARE(slotFiles(), before);
}

void TestGrand::windowsLeftBehind()
{
    Form2 *main = owner(QStringLiteral("70000"));
    FrmGrand *grand = enter(main);
    bet(grand, QStringLiteral("500"), 2);

    // Closing the betting window takes the race window with it.
    grand->Command2->click();
    QVERIFY(loadedForm<Frmgrandrace>());
    grand->close();
    QCOMPARE(loadedForm<Frmgrandrace>(), nullptr);
    QCOMPARE(loadedForm<FrmGrand>(), nullptr);

    // A race window without its betting window closes unraced and creates none.
    Frmgrandrace *orphan = form<Frmgrandrace>();
    sv().boxes.clear();
    orphan->Command1->click();
    QCOMPARE(loadedForm<Frmgrandrace>(), nullptr);
    QCOMPARE(loadedForm<FrmGrand>(), nullptr);
    QVERIFY(sv().boxes.isEmpty());

    // Log-off hides the betting window and closes the race window; the unraced stake goes
    // back to its player before the save, and the next player finds no bet.
    main->Text1->setText(QStringLiteral("70000"));
    grand = enter(main);
    bet(grand, QStringLiteral("500"), 2);
    grand->Command2->click();
    QCOMPARE(main->Text1->text(), QStringLiteral("39500"));
    sv().answers << MsgResult::Yes;
    main->diffuser->trigger();
    QCOMPARE(loadedForm<FrmGrand>(), grand);
    QVERIFY(grand->isHidden());
    QCOMPARE(loadedForm<Frmgrandrace>(), nullptr);
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("40000\r\n"));
    QCOMPARE(grand->Label12->text(), QStringLiteral("No Horse Selected"));
    QVERIFY(grand->Text3->isEnabled() && grand->Command1->isEnabled());
    QVERIFY(!grand->Command2->isEnabled());
}

void TestGrand::playerRunsAWholeGrandNational()
{
    Form2 *main = owner(QStringLiteral("31000"), QStringLiteral("200"));
    main->sendgn->trigger();
    FrmGrand *grand = loadedForm<FrmGrand>();
    QVERIFY(grand && grand->isVisible());

    grand->Text3->setFocus();
    grand->Text3->lineEdit()->selectAll();
    QTest::keyClicks(grand->Text3->lineEdit(), QStringLiteral("250"));
    QTest::mouseClick(grand->Command1, Qt::LeftButton);
    QCOMPARE(main->Text1->text(), QStringLiteral("750"));
    QTest::mouseClick(grand->Option5, Qt::LeftButton, {}, QPoint(8, grand->Option5->height() / 2));
    QTest::mouseClick(grand->Command3, Qt::LeftButton);
    QTest::mouseClick(grand->Command2, Qt::LeftButton);
    Frmgrandrace *race = loadedForm<Frmgrandrace>();
    QVERIFY(race && race->isVisible());
    const QString backed = grand->Label12->text();
    QCOMPARE(backed, grand->Option5->text());
    const qint64 winnings = grand->Label11->text().toLongLong();

    sv().boxes.clear();
    QTest::mouseClick(race->Command1, Qt::LeftButton);
    flushDeletes();

    const QStringList boxes = sv().boxTexts();
    QVERIFY(boxes.value(0).startsWith(QStringLiteral("The Winner Was ")));
    const QString winner = grand->Text4->text();
    QVERIFY(boxes.value(0).contains(winner));
    QCOMPARE(boxes.value(1), winner == backed ? QStringLiteral(" Your horse was the winner! You "
                                                               "Have Won £%1")
                                                    .arg(winnings)
                                              : QStringLiteral(" Your Horse Lost"));
    QCOMPARE(main->Text2->text(), QStringLiteral("251"));
    QCOMPARE(main->Text1->text(), grand->Text1->text());
    QCOMPARE(loadedForm<Frmgrandrace>(), nullptr);
    QVERIFY(grand->isHidden() && !grand->Command2->isEnabled());
    for (int k = 1; k <= 5; ++k)
        QVERIFY(grand->oddsLabel(k)->text().toInt() <= RaceOddsTops[k - 1]);

    // The next entry finds the same field, ready for a new stake.
    main->Text1->setText(QStringLiteral("30000"));
    sv().boxes.clear();
    main->sendgn->trigger();
    QVERIFY(grand->isVisible() && grand->Command1->isEnabled() && grand->Text3->isEnabled());
    QCOMPARE(grand->Option5->text(), backed);
}

QTEST_MAIN(TestGrand)
#include "tst_grand.moc"

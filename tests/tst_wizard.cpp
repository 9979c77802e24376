#include "support/gametest.h"
#include "support/login.h"
#include "support/race.h"

#include "common/registry.h"
#include "common/statusbar.h"
#include "common/twips.h"
#include "mainwindow/form2.h"
#include "profiles/userprofile.h"
#include "races/form13.h"
#include "races/form4.h"

#include <QApplication>
#include <QDir>

class TestWizard : public GameTest
{
    Q_OBJECT

private slots:
    void stepOneRefusals_data();
    void stepOneRefusals();
    void stakeGoesToTheQuestion_data();
    void stakeGoesToTheQuestion();
    void noAtTheQuestionStaysAtStepOne();
    void acceptedStakeOpensStepTwo();
    void ordinaryStakeAlsoOpensStepTwo();
    void selectYourHorseWaitsForARunner();
    void tipStep();
    void stepThreeStartsTheRace();
    void shareOwnerGetsTheDopingOffer();
    void staleStepsCannotBetOrRaceAgain();
    void copyAfterAListPickReachesTheStakeLabel();
    void closeWizard_data();
    void closeWizard();
    void tickingTheBoxWritesAtOnce();
    void unwritableFlagStillCloses();
    void fullRoundThroughTheWizard();

private:
    // Slot 1 logged in (cash 500, debt 500, no share, pounds), the wizard panel open.
    Form2 *loggedIn();
    // Picks a stake in the wizard's box and confirms it, answering Yes to the question.
    void confirmStake(Form2 *main, const QString &stake);
    // The wizard's step controls shown in the panel, by name.
    static QStringList shownSteps(Form2 *main);
};

Form2 *TestWizard::loggedIn()
{
    writeDefaultProfiles();
    put("\\data\\hwiz04.dll", "1\r\n");
    Form2 *main = logIn(1);
    if (!main)
        qFatal("slot 1 did not log in");
    main->Timer3->stop(); // the version check would ask the network mid-test
    // Known odds, so the winnings are known: runner k pays k + 1 to 1.
    for (int k = 1; k <= 5; ++k)
        main->oddsLabel(k)->setText(QString::number(k + 1));
    sv().boxes.clear();
    return main;
}

void TestWizard::confirmStake(Form2 *main, const QString &stake)
{
    main->wiz1->setCurrentIndex(main->wiz1->findText(stake));
    sv().answers << MsgResult::Yes;
    ctl<QPushButton>(main, "Command12")->click();
}

QStringList TestWizard::shownSteps(Form2 *main)
{
    QStringList shown;
    // The runner line is left out: it stands, empty, from the window's creation on.
    for (const char *name : {"wiz1", "Command12", "Option11", "Option12", "Option13", "Option14",
                             "Option15", "Label48", "Label49", "cmdst", "Command19", "Command17"}) {
        if (main->findChild<QWidget *>(QLatin1String(name))->isVisibleTo(main))
            shown << QLatin1String(name);
    }
    return shown;
}

const QStringList StepOne = {"wiz1", "Command12"};
const QStringList StepTwo = {"Option11", "Option12", "Option13", "Option14", "Option15",
                             "Label48",  "Label49",  "cmdst",    "Command19"};
const QStringList StepThree = {"Command17"};

void TestWizard::stepOneRefusals_data()
{
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("box");
    const QString select = QStringLiteral("Please Select A Stake");
    const QString less = QStringLiteral("Please enter a stake less than 800");
    QTest::newRow("placeholder") << "Enter Your Stake......" << select;
    // A typed word is no stake; it must not reach the stake box's trigger words either.
    QTest::newRow("a word") << "lanternquotas" << select;
    QTest::newRow("empty") << "" << select;
    QTest::newRow("801") << "801" << less;
    QTest::newRow("801.0") << "801.0" << less;
    QTest::newRow("far too much") << "1e9" << less;
}

void TestWizard::stepOneRefusals()
{
    QFETCH(QString, stake);
    QFETCH(QString, box);
    Form2 *main = loggedIn();
    main->wiz1->setEditText(stake);

    main->Command12->click();

    QCOMPARE(sv().boxTexts(), QStringList{box});
    QCOMPARE(sv().boxes.first().icon, MsgIcon::None);
    QCOMPARE(sv().boxes.first().buttons, MsgButtons::Ok);
    QCOMPARE(main->Text3->currentText(), QStringLiteral("Enter Your Stake......"));
    QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    QCOMPARE(main->Label10->text(), QStringLiteral("Nothing"));
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 1:"));
}

void TestWizard::stakeGoesToTheQuestion_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("step");
    QTest::newRow("800 of 1000") << "1000"
                                 << "You are placing £800 on this next race"
                                 << "STEP 2:";
    // The stake check behind the wizard keeps its own limits.
    QTest::newRow("800 of 500") << "500"
                                << "you dont have enough cash, please try again"
                                << "STEP 1:";
}

void TestWizard::stakeGoesToTheQuestion()
{
    QFETCH(QString, cash);
    QFETCH(QString, answer);
    QFETCH(QString, step);
    Form2 *main = loggedIn();
    main->Text1->setText(cash);

    confirmStake(main, QStringLiteral("800"));

    QCOMPARE(sv().boxTexts(),
             (QStringList{"Are You Sure That You Want To Play £800 On This Race?", answer}));
    QCOMPARE(sv().boxes.first().title, QStringLiteral("Stallix6 Is Asking You A Question?"));
    QCOMPARE(sv().boxes.first().buttons, MsgButtons::YesNo);
    QCOMPARE(main->Text3->currentText(), QStringLiteral("800"));
    QCOMPARE(main->Label10->text(), QStringLiteral("800"));
    QCOMPARE(main->Label46->text(), step);
}

void TestWizard::noAtTheQuestionStaysAtStepOne()
{
    Form2 *main = loggedIn();
    main->wiz1->setCurrentIndex(main->wiz1->findText(QStringLiteral("250")));
    sv().answers << MsgResult::No;

    main->Command12->click();

    QCOMPARE(sv().boxTexts(), QStringList{"Are You Sure That You Want To Play £250 On This Race?"});
    QCOMPARE(main->Text3->currentText(), QStringLiteral("250"));
    QCOMPARE(main->Label10->text(), QStringLiteral("250"));
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 1:"));
    QCOMPARE(shownSteps(main), StepOne);
    QVERIFY(main->Text3->isEnabled());
    QVERIFY(main->Command12->isEnabled());
}

void TestWizard::acceptedStakeOpensStepTwo()
{
    Form2 *main = loggedIn();
    confirmStake(main, QStringLiteral("100"));

    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 2:"));
    QCOMPARE(shownSteps(main), StepTwo);
    QVERIFY(main->Label47->isVisibleTo(main));
    // The wizard's runners are the card's runners at the moment of the stake.
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(main->wizardRunner(k)->text(), main->runner(k)->text());
    QVERIFY(!main->Command19->isEnabled());
    QVERIFY(!main->Command1->isEnabled());
    QVERIFY(main->Option1->isEnabled());
}

void TestWizard::ordinaryStakeAlsoOpensStepTwo()
{
    Form2 *main = loggedIn();
    main->Text3->setEditText(QStringLiteral("50"));
    sv().answers << MsgResult::Yes;

    main->Command10->click();

    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 2:"));
    QCOMPARE(shownSteps(main), StepTwo);
    QVERIFY(!main->Command1->isEnabled());
    main->Option2->click();
    QVERIFY(main->Command1->isEnabled());
    // The ordinary runner choice leaves the wizard's own button alone.
    QVERIFY(!main->Command19->isEnabled());
}

void TestWizard::selectYourHorseWaitsForARunner()
{
    Form2 *main = loggedIn();
    confirmStake(main, QStringLiteral("100"));
    QVERIFY(!main->Command19->isEnabled());

    ctl<QRadioButton>(main, "Option13")->click();

    QVERIFY(main->Option3->isChecked());
    QCOMPARE(main->Label14->text(), QStringLiteral("Mr Ed"));
    QCOMPARE(main->Label12->text(), QStringLiteral("400"));
    QCOMPARE(main->Label48->text(), QStringLiteral("400"));
    QCOMPARE(main->Label47->text(), QStringLiteral("You Are Going To Place A Bet On: Mr Ed"));
    QCOMPARE(main->statusBar1()->panelText(3), main->Label47->text());
    QVERIFY(main->Command19->isEnabled());
    QVERIFY(main->Command1->isEnabled());

    // A second choice replaces the first.
    main->Option15->click();
    QVERIFY(main->Option5->isChecked());
    QCOMPARE(main->Label14->text(), QStringLiteral("Black Beauty"));
    QCOMPARE(main->Label48->text(), QStringLiteral("600"));
}

void TestWizard::tipStep()
{
    Form2 *main = loggedIn();
    confirmStake(main, QStringLiteral("100"));
    QVERIFY(main->Command9->isEnabled());
    sv().draws << 0.5; // runner 3

    ctl<QPushButton>(main, "cmdst")->click();

    QCOMPARE(main->Label56->text(),
             QStringLiteral("Tipwells Predicts That Mr Ed Will Win This Race"));
    QVERIFY(!main->Command9->isEnabled());
    QVERIFY(main->cmdst->isHidden());
    QVERIFY(main->Option11->isVisibleTo(main));
}

void TestWizard::stepThreeStartsTheRace()
{
    Form2 *main = loggedIn();
    confirmStake(main, QStringLiteral("100"));
    main->Option11->click();
    sv().boxes.clear();

    ctl<QPushButton>(main, "Command19")->click();

    QCOMPARE(sv().boxTexts(), QStringList{"You Are Betting £100 on Red Rum. If you win, you "
                                          "will win £200. Good Luck!"});
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 3:"));
    QCOMPARE(shownSteps(main), StepThree);
    QVERIFY(main->Command3->isEnabled());
    QVERIFY(!main->Option1->isEnabled());
    QVERIFY(!loadedForm<Form4>());

    ctl<QPushButton>(main, "Command17")->click();

    QVERIFY(loadedForm<Form4>() && loadedForm<Form4>()->isVisible());
    QVERIFY(!loadedForm<Form13>());
    QVERIFY(!main->Command3->isEnabled());
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 1:"));
    // Until the settlement, no step's controls are up.
    QCOMPARE(shownSteps(main), QStringList{});
}

void TestWizard::shareOwnerGetsTheDopingOffer()
{
    Form2 *main = loggedIn();
    main->Label16->setText(QStringLiteral("Mr Ed"));
    confirmStake(main, QStringLiteral("100"));
    main->Option12->click();
    main->Command19->click();

    main->Command17->click();

    QVERIFY(loadedForm<Form13>() && loadedForm<Form13>()->isVisible());
    QVERIFY(!loadedForm<Form4>());
}

void TestWizard::closeWizard_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QByteArray>("flag");
    QTest::newRow("box ticked") << true << QByteArray("0\r\n");
    QTest::newRow("box unticked") << false << QByteArray("1\r\n");
}

void TestWizard::closeWizard()
{
    QFETCH(bool, ticked);
    QFETCH(QByteArray, flag);
    Form2 *main = loggedIn();
    const int normal = twipsToPixels(Form2::NormalWidthTwips);
    QVERIFY(main->Label40->isVisibleTo(main));
    QCOMPARE(main->width(), normal + 266);
    main->Check1->setChecked(ticked);

    ctl<QPushButton>(main, "Command112")->click();

    QVERIFY(main->Label40->isHidden());
    QCOMPARE(bytes("\\data\\hwiz04.dll"), flag);
    QCOMPARE(main->width(), normal);
    // The strip lies beyond the window's edge now: nothing of it can be seen.
    QVERIFY(main->wizardStrip->x() >= main->centralWidget()->width());
    QVERIFY(sv().boxes.isEmpty());

    // Gone, not only out of view: no width shows it, Tab never reaches it, and Close Wizard
    // has nothing left to close.
    main->resize(normal * 2, main->height());
    QVERIFY(!main->wizardStrip->isVisibleTo(main));
    QVERIFY(!main->Command112->isVisibleTo(main));
    QApplication::setActiveWindow(main);
    main->Text3->setFocus();
    for (int n = 0; n < 60; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!main->wizardStrip->isAncestorOf(QApplication::focusWidget()));
    }
    put("\\data\\hwiz04.dll", "7\r\n");
    main->resize(normal, main->height());
    main->Command112->click();
    QCOMPARE(main->width(), normal);
    QCOMPARE(bytes("\\data\\hwiz04.dll"), QByteArray("7\r\n"));
}

void TestWizard::tickingTheBoxWritesAtOnce()
{
    Form2 *main = loggedIn();
    QCOMPARE(bytes("\\data\\hwiz04.dll"), QByteArray("0\r\n")); // the start-up's own write
    put("\\data\\hwiz04.dll", "1\r\n");

    ctl<QCheckBox>(main, "Check1")->click();
    QVERIFY(main->Check1->isChecked());
    QCOMPARE(bytes("\\data\\hwiz04.dll"), QByteArray("0\r\n"));

    put("\\data\\hwiz04.dll", "7\r\n");
    main->Check1->click();
    QVERIFY(!main->Check1->isChecked());
    QCOMPARE(bytes("\\data\\hwiz04.dll"), QByteArray("7\r\n")); // unticking writes nothing
    main->Command112->click();
    QCOMPARE(bytes("\\data\\hwiz04.dll"), QByteArray("1\r\n"));
}

void TestWizard::unwritableFlagStillCloses()
{
    Form2 *main = loggedIn();
    const int before = main->width();
    // A folder in the flag file's place: no write can succeed.
    remove("\\data\\hwiz04.dll");
    QVERIFY(QDir().mkpath(path("\\data\\hwiz04.dll")));

    main->Check1->click();
    main->Command112->click();

    // The flag only decides the next start-up; the panel still closes, without a box.
    QVERIFY(sv().boxes.isEmpty());
    QVERIFY(main->Label40->isHidden());
    QCOMPARE(main->width(), before - 266);
}

void TestWizard::fullRoundThroughTheWizard()
{
    writeDefaultProfiles();
    // A new installation: no flag file, so the start-up opens the wizard.
    remove("\\data\\hwiz04.dll");
    Form2 *main = logIn(1);
    QVERIFY(main);
    main->Timer3->stop();
    QVERIFY(main->Label40->isVisibleTo(main));
    QCOMPARE(main->width(), twipsToPixels(Form2::NormalWidthTwips) + 266);
    main->Label5->setText(QStringLiteral("4")); // runner 2 pays 4 to 1
    sv().boxes.clear();

    confirmStake(main, QStringLiteral("200"));
    main->Option12->click();
    main->cmdst->click();
    main->Command19->click();
    main->Command17->click();

    Form4 *race = loadedForm<Form4>();
    QVERIFY(race && race->isVisible());
    QCOMPARE(race->windowTitle(),
             QStringLiteral("The Race - The Horse You Chose To Win Is 'Desert Orchard'"));
    race->Command1->click();
    // The horses run on their ticks until one reaches the line and the race settles itself.
    runRaceByHand(race);
    QVERIFY(!loadedForm<Form4>());
    flushDeletes();

    const QString winner = main->Text11->text();
    const bool won = winner == QStringLiteral("Desert Orchard");
    QCOMPARE(main->Text1->text(), won ? QStringLiteral("1300") : QStringLiteral("300"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), main->Text1->text().toUtf8() + "\r\n");
    // Back at step 1, ready for the next stake.
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 1:"));
    QCOMPARE(shownSteps(main), StepOne);
    QVERIFY(main->Command12->isEnabled());
    QVERIFY(main->Text3->isEnabled());
    QVERIFY(main->Command10->isEnabled());

    // And the wizard takes the next stake as it took the first.
    confirmStake(main, QStringLiteral("50"));
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 2:"));
    // The last race's runner is not shown as chosen while Select Your Horse waits.
    for (int k = 1; k <= 5; ++k)
        QVERIFY(!main->wizardRunner(k)->isChecked());
    QVERIFY(!main->Command19->isEnabled());
}

void TestWizard::staleStepsCannotBetOrRaceAgain()
{
    // Settles the race in the race window as if runner 1 had reached the line.
    const auto settleWithRunner1 = [] {
        Form4 *race = loadedForm<Form4>();
        QVERIFY(race);
        race->winner = 1;
        race->Command3_Click();
        flushDeletes();
    };

    // Step 3 left up: the bet was started with the ordinary button instead.
    Form2 *main = loggedIn();
    confirmStake(main, QStringLiteral("100"));
    main->Option11->click();
    main->Command19->click();
    main->Command3->click();
    settleWithRunner1();
    QCOMPARE(main->Text1->text(), QStringLiteral("700"));
    QVERIFY(main->Command17->isVisibleTo(main));
    sv().boxes.clear();

    main->Command17->click();
    QVERIFY(!loadedForm<Form4>());
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(main->Text1->text(), QStringLiteral("700"));
    QVERIFY(main->Command17->isHidden());
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 1:"));

    // Step 2 left up: the bet was made with the ordinary controls.
    main->Text3->setEditText(QStringLiteral("100"));
    sv().answers << MsgResult::Yes;
    main->Command10->click();
    main->Option1->click();
    main->Command1->click();
    main->Command3->click();
    settleWithRunner1();
    QVERIFY(main->Option11->isVisibleTo(main));
    sv().boxes.clear();

    main->Text3->setEditText(QStringLiteral("5000"));
    main->Option11->click();
    QVERIFY(!main->Command19->isEnabled());
    main->Command19->click();
    QVERIFY(sv().boxes.isEmpty());
    QVERIFY(!main->Command3->isEnabled());
}

void TestWizard::copyAfterAListPickReachesTheStakeLabel()
{
    Form2 *main = loggedIn();
    main->Text3->setCurrentIndex(main->Text3->findText(QStringLiteral("200")));
    main->Text3->setEditText(QStringLiteral("150"));
    QCOMPARE(main->Label10->text(), QStringLiteral("150"));

    main->wiz1->setCurrentIndex(main->wiz1->findText(QStringLiteral("200")));
    sv().answers << MsgResult::No;
    main->Command12->click();

    QCOMPARE(main->Text3->currentText(), QStringLiteral("200"));
    QCOMPARE(main->Label10->text(), QStringLiteral("200"));
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"

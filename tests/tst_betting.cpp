#include "support/gametest.h"
#include "support/login.h"

#include "common/dialogs.h"
#include "common/linklabel.h"
#include "common/statusbar.h"
#include "mainwindow/form2.h"
#include "online/frmprog.h"
#include "profiles/userprofile.h"
#include "races/form13.h"
#include "races/form4.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include <functional>

class TestBetting : public GameTest
{
    Q_OBJECT

private slots:
    void stakeCheck_data();
    void stakeCheck();
    void answeringNoChangesNothing();
    void runnerChoice_data();
    void runnerChoice();
    void runnerAfterCancelReadsTheBox();
    void placeBetWaitsForARunner();
    void startTheRace_data();
    void startTheRace();
    void startChecksTheWholeBet_data();
    void startChecksTheWholeBet();
    void tipOncePerAcceptedStake();
    void betStates_data();
    void betStates();
    void triggerTexts_data();
    void triggerTexts();
    void listPickIsAClick();
    void linkLook();
    void typingReplacesThePlaceholder();

private:
    // Slot 1 logged in (United Kingdom, so "£"), with the given cash and known odds 15, 25,
    // 45, 75, 100; the login's boxes forgotten.
    Form2 *mainWindow(const QString &cash = QStringLiteral("1000"));
    // Types into the stake box as a player does, replacing what it holds.
    static void type(QComboBox *box, const QString &text);
    // Types a stake and presses Place Your Stake, answering the question.
    void offerStake(Form2 *main, const QString &stake, MsgResult answer = MsgResult::Yes);
    // Everything a refused stake must leave alone.
    static QStringList snapshot(const Form2 *main);
};

namespace {

const QString Hint = QStringLiteral("Now Select The Horse You Wish To Bet On");
const QString Title = QStringLiteral("Stallix6 Is Asking You A Question?");

enum BetState { NoStake, StakeConfirmed, HorseChosen, BetPlaced, Race };

// Records whether Start The Race was still enabled when a race or doping window appeared.
class ShowWatch : public QObject
{
public:
    explicit ShowWatch(std::function<bool()> probe) : m_probe(std::move(probe))
    {
        qApp->installEventFilter(this);
    }
    ~ShowWatch() override { qApp->removeEventFilter(this); }

    QStringList seen; // "Form4:enabled" / "Form13:disabled", in order of showing

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show
            && (qobject_cast<Form4 *>(watched) || qobject_cast<Form13 *>(watched)))
            seen << watched->objectName() + (m_probe() ? ":enabled" : ":disabled");
        return false;
    }

private:
    std::function<bool()> m_probe;
};

} // namespace

Form2 *TestBetting::mainWindow(const QString &cash)
{
    writeDefaultProfiles();
    Form2 *main = logIn(1);
    if (!main)
        qFatal("slot 1 did not log in");
    // The version check would ask the network mid-test.
    main->Timer3->stop();
    main->Text1->setText(cash);
    const QStringList odds = {"15", "25", "45", "75", "100"};
    for (int k = 1; k <= 5; ++k)
        main->oddsLabel(k)->setText(odds[k - 1]);
    sv().boxes.clear();
    return main;
}

void TestBetting::type(QComboBox *box, const QString &text)
{
    box->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    else
        QTest::keyClicks(box->lineEdit(), text);
}

void TestBetting::offerStake(Form2 *main, const QString &stake, MsgResult answer)
{
    type(main->Text3, stake);
    sv().answers << answer;
    main->Command10->click();
}

QStringList TestBetting::snapshot(const Form2 *main)
{
    QStringList state;
    for (const QWidget *w : std::initializer_list<const QWidget *>{
             main->Text3, main->Command10, main->Command2, main->Command11, main->Command12,
             main->Command1, main->Command3, main->Command9, main->Option1, main->Option2,
             main->Option3, main->Option4, main->Option5})
        state << w->objectName() + (w->isEnabled() ? "+" : "-");
    for (const QLabel *l :
         {main->Label10, main->Label12, main->Label14, main->Label47, main->Label48, main->Label46})
        state << l->objectName() + "=" + l->text();
    state << main->Text3->currentText() << main->Text1->text();
    return state;
}

void TestBetting::stakeCheck_data()
{
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("icon");

    const int info = int(MsgIcon::Information);
    const int warn = int(MsgIcon::Exclamation);
    const int crit = int(MsgIcon::Critical);
    const QString over = QStringLiteral(" The bet is over £800 ");
    const QString poor = QStringLiteral("you dont have enough cash, please try again");
    const QString none = QStringLiteral("Please enter the amount you wish to bet");
    // clang-format off
    QTest::newRow("800 against 801")       << "800"  << "801"  << "You are placing £800 on this next race" << info;
    QTest::newRow("801 refused")           << "801"  << "5000" << over << crit;
    QTest::newRow("801 above the cash")    << "801"  << "500"  << over << crit;
    QTest::newRow("equal to the cash")     << "500"  << "500"  << poor << warn;
    QTest::newRow("above the cash")        << "600"  << "500"  << poor << warn;
    QTest::newRow("0")                     << "0"    << "500"  << none << info;
    QTest::newRow("below 0")               << "-20"  << "500"  << none << info;
    QTest::newRow("empty")                 << ""     << "500"  << none << info;
    QTest::newRow("design text")           << "Enter Your Stake......" << "500" << none << info;
    QTest::newRow("a word")                << "ten"  << "500"  << none << info;
    QTest::newRow("design text, no cash")  << "Enter Your Stake......" << "0" << poor << warn;
    QTest::newRow("empty, no cash")        << ""     << "0"    << poor << warn;
    QTest::newRow("cash not a number")     << "100"  << "lots" << poor << warn;
    QTest::newRow("12.5 passes as 12")     << "12.5" << "500"  << "You are placing £12 on this next race" << info;
    QTest::newRow("13.5 passes as 14")     << "13.5" << "500"  << "You are placing £14 on this next race" << info;
    QTest::newRow("blanks around")         << " 50 " << "500"  << "You are placing £50 on this next race" << info;
    // Too big for a 32-bit whole number: it does not convert, so it is no stake at all.
    QTest::newRow("beyond 32 bits")        << "3000000000"  << "500" << none << info;
    QTest::newRow("below 32 bits")         << "-3000000000" << "500" << none << info;
    // clang-format on
}

void TestBetting::stakeCheck()
{
    QFETCH(QString, stake);
    QFETCH(QString, cash);
    QFETCH(QString, answer);
    QFETCH(int, icon);
    Form2 *main = mainWindow(cash);
    type(main->Text3, stake);
    const QStringList before = snapshot(main);
    sv().answers << MsgResult::Yes;
    main->Command10->click();

    QCOMPARE(
        sv().boxTexts(),
        (QStringList{"Are You Sure That You Want To Play £" + stake + " On This Race?", answer}));
    QCOMPARE(sv().boxes[0].buttons, MsgButtons::YesNo);
    QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
    QCOMPARE(sv().boxes[0].title, Title);
    QCOMPARE(int(sv().boxes[1].icon), icon);
    QCOMPARE(sv().boxes[1].title, AppTitle);
    // The hint follows every check, refused or not.
    QCOMPARE(main->statusBar1()->panelText(3), Hint);

    if (!answer.startsWith(QLatin1String("You are placing"))) {
        QCOMPARE(snapshot(main), before);
        return;
    }
    QCOMPARE(main->Label10->text(), stake);
    for (QWidget *w : std::initializer_list<QWidget *>{main->Text3, main->Command10, main->Command2,
                                                       main->Command11, main->Command12})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    for (int k = 1; k <= 5; ++k)
        QVERIFY(main->runner(k)->isEnabled());
    QVERIFY(main->Command9->isEnabled());
    // The wizard's step 2 holds Place Bet back until a runner is chosen.
    QVERIFY(!main->Command1->isEnabled());
    QCOMPARE(main->Label46->text(), QStringLiteral("STEP 2:"));
}

void TestBetting::answeringNoChangesNothing()
{
    Form2 *main = mainWindow();
    type(main->Text3, QStringLiteral("100"));
    const QStringList before = snapshot(main);
    const QString hint = main->statusBar1()->panelText(3);
    sv().answers << MsgResult::No;
    main->Command10->click();
    QCOMPARE(sv().boxTexts(),
             QStringList{QStringLiteral("Are You Sure That You Want To Play £100 On This Race?")});
    QCOMPARE(snapshot(main), before);
    QCOMPARE(main->statusBar1()->panelText(3), hint);
}

void TestBetting::runnerChoice_data()
{
    QTest::addColumn<int>("runner");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("winnings");
    QTest::newRow("runner 2 at 25 to 1, 100") << 2 << "100"
                                              << "2500";
    QTest::newRow("runner 1 at 15 to 1, 50") << 1 << "50"
                                             << "750";
    QTest::newRow("runner 2, 12.5 keeps its half") << 2 << "12.5"
                                                   << "312.5";
    QTest::newRow("runner 5 at 100 to 1, 800") << 5 << "800"
                                               << "80000";
}

void TestBetting::runnerChoice()
{
    QFETCH(int, runner);
    QFETCH(QString, stake);
    QFETCH(QString, winnings);
    Form2 *main = mainWindow();
    offerStake(main, stake);
    main->runner(runner)->click();

    const QString name = UserProfile::DefaultHorses[static_cast<std::size_t>(runner - 1)];
    const QString line = "You Are Going To Place A Bet On: " + name;
    QCOMPARE(main->Label12->text(), winnings);
    QCOMPARE(main->Label48->text(), winnings);
    QCOMPARE(main->Label14->text(), name);
    QCOMPARE(main->Label47->text(), line);
    QCOMPARE(main->statusBar1()->panelText(3), line);
    QCOMPARE(main->Label10->text(), stake);
    QVERIFY(main->Command1->isEnabled());
}

void TestBetting::runnerAfterCancelReadsTheBox()
{
    // A cancel opens the box again while the runners stay open: a runner click then prices
    // whatever the box holds, without a new check.
    Form2 *main = mainWindow();
    offerStake(main, QStringLiteral("100"));
    main->Option2->click();
    main->Label39_Click();
    QVERIFY(!main->Command1->isEnabled());

    type(main->Text3, QStringLiteral("200"));
    QCOMPARE(main->Label10->text(), QStringLiteral("200"));
    main->Option3->click();
    QCOMPARE(main->Label12->text(), QStringLiteral("9000"));
    QVERIFY(main->Command1->isEnabled());

    type(main->Text3, QStringLiteral("lots"));
    main->Option1->click();
    QCOMPARE(main->Label10->text(), QStringLiteral("lots"));
    QCOMPARE(main->Label12->text(), QStringLiteral("0"));
    QCOMPARE(main->Label48->text(), QStringLiteral("0"));
    QCOMPARE(main->Label14->text(), QStringLiteral("Red Rum"));
}

void TestBetting::placeBetWaitsForARunner()
{
    Form2 *main = mainWindow();
    offerStake(main, QStringLiteral("100"));
    QVERIFY(!main->Command1->isEnabled());
    main->Command1->click(); // a disabled button answers nothing
    QCOMPARE(sv().boxes.size(), 2);

    main->Option2->click();
    sv().boxes.clear();
    main->Command1->click();
    QCOMPARE(sv().boxTexts(),
             QStringList{QStringLiteral("You Are Betting £100 on Desert Orchard. If you win, you "
                                        "will win £2500. Good Luck!")});
    QCOMPARE(sv().boxes[0].icon, MsgIcon::Information);
    QCOMPARE(sv().boxes[0].title, AppTitle);
    QCOMPARE(main->statusBar1()->panelText(3),
             QStringLiteral("Now Select 'Start Race' - good luck "));
}

void TestBetting::startTheRace_data()
{
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("opens");
    QTest::newRow("no share: the race") << UserProfile::NoShares << "Form4";
    QTest::newRow("a share: the doping offer") << "Mr Ed"
                                               << "Form13";
    // Only the exact text means no share.
    QTest::newRow("another case is a share") << "you have no shares"
                                             << "Form13";
}

void TestBetting::startTheRace()
{
    QFETCH(QString, share);
    QFETCH(QString, opens);
    Form2 *main = mainWindow();
    main->Label16->setText(share);
    offerStake(main, QStringLiteral("100"));
    main->Option1->click();
    main->Command1->click();
    sv().boxes.clear();

    ShowWatch watch([main] { return main->Command3->isEnabled(); });
    main->Command3->click();
    QCOMPARE(watch.seen, QStringList{opens + ":disabled"});
    QVERIFY(!main->Command3->isEnabled());
    QWidget *shown = opens == "Form4" ? static_cast<QWidget *>(loadedForm<Form4>())
                                      : static_cast<QWidget *>(loadedForm<Form13>());
    QVERIFY(shown && shown->isVisible());
    if (opens == "Form4")
        QCOMPARE(loadedForm<Form13>(), nullptr);
    else
        QCOMPARE(loadedForm<Form4>(), nullptr);
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("500\r\n"));
}

void TestBetting::startChecksTheWholeBet_data()
{
    QTest::addColumn<QString>("retyped"); // typed after a cancel of the accepted stake
    QTest::addColumn<QString>("cash");    // the cash when the race is started
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("start");   // Command3, or the wizard's Command17
    QTest::addColumn<QString>("refusal"); // empty when the race (or the offer) opens
    const QString over = QStringLiteral(" The bet is over £800 ");
    const QString poor = QStringLiteral("you dont have enough cash, please try again");
    const QString none = QStringLiteral("Please enter the amount you wish to bet");
    const QString noShare = UserProfile::NoShares;
    // clang-format off
    QTest::newRow("retyped 1 races for 1")   << "1"    << "1000" << noShare << "Command3"  << "";
    QTest::newRow("retyped over 800")        << "900"  << "5000" << noShare << "Command3"  << over;
    QTest::newRow("retyped below 0")         << "-800" << "1000" << noShare << "Command3"  << none;
    QTest::newRow("cash spent since")        << ""     << "100"  << noShare << "Command3"  << poor;
    QTest::newRow("no offer without cash")   << ""     << "100"  << "Mr Ed" << "Command3"  << poor;
    QTest::newRow("wizard, below 0")         << "-800" << "1000" << "Mr Ed" << "Command17" << none;
    QTest::newRow("wizard, whole bet")       << ""     << "1000" << "Mr Ed" << "Command17" << "";
    // clang-format on
}

void TestBetting::startChecksTheWholeBet()
{
    QFETCH(QString, retyped);
    QFETCH(QString, cash);
    QFETCH(QString, share);
    QFETCH(QString, start);
    QFETCH(QString, refusal);
    Form2 *main = mainWindow();
    main->Label16->setText(share);
    offerStake(main, QStringLiteral("100"));
    if (!retyped.isEmpty()) {
        // The runners stay open after a cancel, and the stake label follows the typing.
        QTest::mouseClick(main->Label39, Qt::LeftButton);
        type(main->Text3, retyped);
    }
    main->Option1->click();
    main->Command1->click();
    main->Command17->show(); // as the wizard's third step shows it
    main->Text1->setText(cash);
    sv().boxes.clear();

    ctl<QPushButton>(main, start)->click();

    QCOMPARE(sv().boxTexts(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    const bool opens = refusal.isEmpty();
    QCOMPARE(loadedForm<Form4>() != nullptr, opens && share == UserProfile::NoShares);
    QCOMPARE(loadedForm<Form13>() != nullptr, opens && share != UserProfile::NoShares);
    // A refused start keeps the bet placed, the wizard at its step, and the money untouched.
    QCOMPARE(main->Command3->isEnabled(), !opens);
    QCOMPARE(main->Command17->isHidden(), opens && start == "Command17");
    QCOMPARE(main->Text1->text(), cash);
    QCOMPARE(main->Label10->text(), retyped.isEmpty() ? QStringLiteral("100") : retyped);
}

void TestBetting::tipOncePerAcceptedStake()
{
    Form2 *main = mainWindow();
    // The start-up took the first tip.
    QVERIFY(!main->Command9->isEnabled());
    offerStake(main, QStringLiteral("900")); // refused: no tip
    QVERIFY(!main->Command9->isEnabled());

    offerStake(main, QStringLiteral("100"));
    QVERIFY(main->Command9->isEnabled());
    sv().draws << draw(4, 5);
    main->Command9->click();
    QCOMPARE(main->Label56->text(),
             QStringLiteral("Tipwells Predicts That Whopper Meal With Fries Will Win This Race"));
    QVERIFY(!main->Command9->isEnabled());

    // A second accepted stake, after a cancel, brings the button back once more.
    main->Label39_Click();
    offerStake(main, QStringLiteral("50"));
    QVERIFY(main->Command9->isEnabled());
    main->Option5->setText(QStringLiteral("Renamed"));
    sv().draws << draw(5, 5);
    main->Command9->click();
    QCOMPARE(main->Label56->text(),
             QStringLiteral("Tipwells Predicts That Renamed Will Win This Race"));
}

void TestBetting::betStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("stakeOpen"); // Text3 and Command10
    QTest::addColumn<bool>("runnersOpen");
    QTest::addColumn<bool>("placeBet"); // Command1
    QTest::addColumn<bool>("start");    // Command3
    QTest::addColumn<bool>("tip");      // Command9
    // clang-format off
    QTest::newRow("no stake")        << int(NoStake)        << true  << false << false << false << false;
    QTest::newRow("stake confirmed") << int(StakeConfirmed) << false << true  << false << false << true;
    QTest::newRow("horse chosen")    << int(HorseChosen)    << false << true  << true  << false << true;
    QTest::newRow("bet placed")      << int(BetPlaced)      << false << false << false << true  << true;
    QTest::newRow("race")            << int(Race)           << false << false << false << false << true;
    // clang-format on
}

void TestBetting::betStates()
{
    QFETCH(int, state);
    QFETCH(bool, stakeOpen);
    QFETCH(bool, runnersOpen);
    QFETCH(bool, placeBet);
    QFETCH(bool, start);
    QFETCH(bool, tip);
    Form2 *main = mainWindow();
    if (state >= StakeConfirmed)
        offerStake(main, QStringLiteral("100"));
    if (state >= HorseChosen)
        main->Option4->click();
    if (state >= BetPlaced)
        main->Command1->click();
    if (state >= Race)
        main->Command3->click();

    QCOMPARE(main->Text3->isEnabled(), stakeOpen);
    QCOMPARE(main->Command10->isEnabled(), stakeOpen);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(main->runner(k)->isEnabled(), runnersOpen);
    QCOMPARE(main->Command1->isEnabled(), placeBet);
    QCOMPARE(main->Command3->isEnabled(), start);
    QCOMPARE(main->Command9->isEnabled(), tip);

    // "Cancel Your Bet." opens the stake again and shuts Place Bet and both starts; nothing
    // else moves. Once the race window is up the bet is the race's, and a cancel does nothing.
    const bool cancels = state != Race;
    const QStringList slip = {main->Label10->text(), main->Label12->text(), main->Label14->text()};
    const int boxes = int(sv().boxes.size());
    QTest::mouseClick(main->Label39, Qt::LeftButton);
    QCOMPARE(main->Text3->isEnabled(), cancels);
    QCOMPARE(main->Command10->isEnabled(), cancels);
    QCOMPARE(main->Command2->isEnabled(), cancels);
    QVERIFY(!main->Command1->isEnabled());
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(main->runner(k)->isEnabled(), runnersOpen);
    QVERIFY(!main->Command3->isEnabled());
    QCOMPARE(main->Command17->isEnabled(), !cancels);
    QCOMPARE(main->Command9->isEnabled(), tip);
    QCOMPARE((QStringList{main->Label10->text(), main->Label12->text(), main->Label14->text()}),
             slip);
    QCOMPARE(int(sv().boxes.size()), boxes);
}

void TestBetting::triggerTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("runner1");
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("left");    // what the box and the stake label hold afterwards
    QTest::addColumn<bool>("programmer"); // the programmer screen opened
    const QString name = QStringLiteral("Peter Arnold Wilkes");
    // clang-format off
    QTest::newRow("lanternquotas")       << "lanternquotas" << "Red Rum" << "100000" << "lanternquotas" << false;
    QTest::newRow("case counts")         << "LanternQuotas" << "Red Rum" << "250"    << "LanternQuotas" << false;
    QTest::newRow("one letter short")    << "lanternquota"  << "Red Rum" << "250"    << "lanternquota"  << false;
    // The administration prompt has no window yet, but the box is emptied all the same.
    QTest::newRow("vault")               << "vault"         << "Red Rum" << "250"    << ""              << false;
    QTest::newRow("Vault")               << "Vault"         << "Red Rum" << "250"    << "Vault"         << false;
    // The name stays in the box like any other text; the screen opens only while runner 1
    // bears exactly that name.
    QTest::newRow("programmer's name")   << name            << name       << "250"   << name            << true;
    QTest::newRow("runner 1 another")    << name            << "Red Rum"  << "250"   << name            << false;
    QTest::newRow("runner 1 plus blank") << name            << name + " " << "250"   << name            << false;
    QTest::newRow("name in lower case")  << name.toLower()  << name       << "250"   << name.toLower()  << false;
    // clang-format on
}

void TestBetting::triggerTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, runner1);
    QFETCH(QString, cash);
    QFETCH(QString, left);
    QFETCH(bool, programmer);
    Form2 *main = mainWindow(QStringLiteral("250"));
    main->Option1->setText(runner1);
    type(main->Text3, text);
    QCOMPARE(main->Text1->text(), cash);
    QCOMPARE(main->Label10->text(), left);
    QCOMPARE(main->Text3->currentText(), left);
    QVERIFY(sv().boxes.isEmpty());
    frmprog *screen = loadedForm<frmprog>();
    QCOMPARE(screen && screen->isVisible(), programmer);
    if (screen) {
        QCOMPARE(screen->windowTitle(), QStringLiteral("Meet The Programmer"));
        QCOMPARE((QStringList{screen->Label1->text(), screen->Label3->text(),
                              screen->Label5->text(), screen->Command1->text()}),
                 (QStringList{"Name:", "Details:", "Contact:", "&Close"}));
        for (const QLabel *own : {screen->Label2, screen->Label4, screen->Label6})
            QVERIFY(!own->text().isEmpty());
        QVERIFY(!screen->Picture->pixmap().isNull());
        screen->Command1->click();
        QVERIFY(!loadedForm<frmprog>());
    }
    // The cash is only a field until the next save.
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("500\r\n"));
}

void TestBetting::listPickIsAClick()
{
    Form2 *main = mainWindow();
    // Filling the list at start-up is no change of the stake.
    QCOMPARE(main->Label10->text(), QStringLiteral("Nothing"));

    type(main->Text3, QStringLiteral("300"));
    QCOMPARE(main->Label10->text(), QStringLiteral("300"));

    // A pick with the mouse from the open list.
    main->Text3->showPopup();
    QAbstractItemView *list = main->Text3->view();
    const QModelIndex item = list->model()->index(6, 0);
    list->setCurrentIndex(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QTRY_COMPARE(main->Text3->currentText(), QStringLiteral("500"));
    QCOMPARE(main->Label10->text(), QStringLiteral("300"));
    QCOMPARE(main->statusBar1()->panelText(3),
             QStringLiteral("Enter The Amount You Wish To Place On This Race"));

    // A pick with the arrow key, and the same item picked again after typing.
    QTest::keyClick(main->Text3, Qt::Key_Down);
    QCOMPARE(main->Text3->currentText(), QStringLiteral("600"));
    type(main->Text3, QStringLiteral("60"));
    QCOMPARE(main->Label10->text(), QStringLiteral("60"));
    main->Text3->showPopup();
    const QModelIndex same = list->model()->index(7, 0);
    list->setCurrentIndex(same);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(same).center());
    QTRY_COMPARE(main->Text3->currentText(), QStringLiteral("600"));
    QCOMPARE(main->Label10->text(), QStringLiteral("60"));

    // An undo back to a picked text is typed, not a pick.
    QTest::keyClick(main->Text3->lineEdit(), Qt::Key_End);
    QTest::keyClicks(main->Text3->lineEdit(), "0");
    QCOMPARE(main->Label10->text(), QStringLiteral("6000"));
    QTest::keyClick(main->Text3->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(main->Text3->currentText(), QStringLiteral("600"));
    QCOMPARE(main->Label10->text(), QStringLiteral("600"));

    // A text set by code is a change like a typed one (the wizard copies its stake so).
    main->Text3->setEditText(QStringLiteral("250"));
    QCOMPARE(main->Label10->text(), QStringLiteral("250"));

    // The picked stake reaches the label at the accepted check.
    QTest::keyClick(main->Text3, Qt::Key_Up);
    QCOMPARE(main->Text3->currentText(), QStringLiteral("500"));
    QCOMPARE(main->Label10->text(), QStringLiteral("250"));
    sv().answers << MsgResult::Yes;
    main->Command10->click();
    QCOMPARE(sv().boxTexts().value(1), QStringLiteral("You are placing £500 on this next race"));
    QCOMPARE(main->Label10->text(), QStringLiteral("500"));
}

void TestBetting::linkLook()
{
    Form2 *main = mainWindow();
    LinkLabel *link = main->Label39;
    const bool start = link->font().underline();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(link, &move);
    QCOMPARE(link->font().underline(), !start);
    QApplication::sendEvent(link, &move);
    QCOMPARE(link->font().underline(), start);
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(link->font().underline());

    // Alt+C, the link's access key, cancels like a click.
    main->Text3->setEnabled(false);
    main->Command1->setEnabled(true);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_C, Qt::AltModifier);
    QVERIFY(main->Text3->isEnabled());
    QVERIFY(!main->Command1->isEnabled());
}

void TestBetting::typingReplacesThePlaceholder()
{
    Form2 *main = mainWindow(QStringLiteral("500"));
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    main->Text1->setFocus();
    main->Text3->setFocus();
    QCoreApplication::processEvents(); // the selection follows the focus, one turn later
    QTest::keyClicks(main->Text3->lineEdit(), QStringLiteral("100"));
    QCOMPARE(main->Text3->currentText(), QStringLiteral("100"));
    QCOMPARE(main->Label10->text(), QStringLiteral("100"));

    // Anything else in the box is kept: the player edits it.
    main->Text1->setFocus();
    main->Text3->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClicks(main->Text3->lineEdit(), QStringLiteral("0"));
    QCOMPARE(main->Text3->currentText(), QStringLiteral("1000"));
}

QTEST_MAIN(TestBetting)
#include "tst_betting.moc"

#include "support/gametest.h"
#include "support/login.h"

#include "common/registry.h"
#include "mainwindow/form2.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"
#include "races/form4.h"
#include "races/racerules.h"

#include <QComboBox>

class TestLoans : public GameTest
{
    Q_OBJECT

private slots:
    void borrow_data();
    void borrow();
    void payBack_data();
    void payBack();
    void loanIsSavedAndMirrored();
    void borrowWaitsForTheNextRace();
    void cashCodeRepeats();
    void amountBoxEmptiesOnClick();

private:
    // Slot 1 logged in with its default profile: cash 500, debt 500, pounds.
    Form2 *loggedIn();
    QByteArray saved(const QString &suffix) const { return bytes(UserProfile::file(1, suffix)); }
};

Form2 *TestLoans::loggedIn()
{
    writeDefaultProfiles();
    Form2 *main = logIn(1);
    if (!main)
        qFatal("slot 1 did not log in");
    main->Timer3->stop(); // the version check would ask the network mid-test
    sv().boxes.clear();
    return main;
}

void TestLoans::borrow_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("lent"); // the amount the message names; empty for the refusal
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<QString>("debtAfter");

    // clang-format off
    QTest::newRow("2000 is lent")        << "500" << "2000"  << "2000" << "2500" << "2500";
    QTest::newRow("2001 is refused")     << "500" << "2001"  << ""     << "500"  << "500";
    QTest::newRow("blanks around")       << "500" << " 150 " << "150"  << "650"  << "650";
    QTest::newRow("half to even")        << "500" << "12.5"  << "12"   << "512"  << "512";
    QTest::newRow("empty lends 0")       << "500" << ""      << "0"    << "500"  << "500";
    QTest::newRow("design text lends 0") << "500" << "Enter Amount" << "0" << "500" << "500";
    QTest::newRow("code is case-sensitive") << "500" << "Brisk" << "0" << "500"  << "500";
    QTest::newRow("beyond the range")    << "500" << "99999999999" << "0" << "500" << "500";
    // No lower bound: a negative loan takes from both.
    QTest::newRow("negative lowers both") << "500" << "-300" << "-300" << "200"  << "200";
    // Cash the bank cannot read counts as none, as every amount here does.
    QTest::newRow("unreadable cash")     << "lots" << "100"  << "100"  << "100"  << "600";
    // Money stops at the 32-bit edge instead of wrapping negative.
    QTest::newRow("cash at the top") << "2147483000" << "2000" << "2000" << "2147483647" << "2500";
    // clang-format on
}

void TestLoans::borrow()
{
    QFETCH(QString, cash);
    QFETCH(QString, amount);
    QFETCH(QString, lent);
    QFETCH(QString, cashAfter);
    QFETCH(QString, debtAfter);
    Form2 *main = loggedIn();
    main->Text1->setText(cash);
    main->Text10->setText(amount);

    ctl<QPushButton>(main, "Command6")->click();

    const bool refused = lent.isEmpty();
    const QString box = refused ? QStringLiteral(" You are trying to borrow to much")
                                : "You are borrowing £" + lent + ". You now have £" + cashAfter;
    QCOMPARE(sv().boxTexts(), QStringList{box});
    QCOMPARE(sv().boxes.first().icon, refused ? MsgIcon::Critical : MsgIcon::None);
    QCOMPARE(main->Text1->text(), cashAfter);
    QCOMPARE(main->Text2->text(), debtAfter);
    QCOMPARE(main->Command6->isEnabled(), refused);
    // A refusal saves nothing: the files keep the profile's defaults.
    const QString savedCash = refused ? QStringLiteral("500") : cashAfter;
    const QString savedDebt = refused ? QStringLiteral("500") : debtAfter;
    QCOMPARE(saved(UserProfile::Cash), savedCash.toUtf8() + "\r\n");
    QCOMPARE(saved(UserProfile::Debt), savedDebt.toUtf8() + "\r\n");
}

void TestLoans::payBack_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("debt");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("paid"); // the amount the message names
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<QString>("debtAfter");
    QTest::addColumn<QString>("refusal"); // empty when the payment goes through

    const QString have = QStringLiteral(" You are trying to payback more than you have");
    const QString owe = QStringLiteral(" You are trying to pay back more than you owe");
    // clang-format off
    QTest::newRow("all the cash") << "500" << "800" << "500" << "500" << "0" << "300" << "";
    QTest::newRow("all the debt") << "900" << "400" << "400" << "400" << "500" << "0" << "";
    QTest::newRow("more than the cash") << "300" << "800" << "301" << "" << "300" << "800" << have;
    QTest::newRow("more than the debt") << "900" << "400" << "401" << "" << "900" << "400" << owe;
    // Both tests fail; the cash is asked first.
    QTest::newRow("more than both") << "500" << "500" << "1000" << "" << "500" << "500" << have;
    QTest::newRow("letters pay 0") << "500" << "500" << "abc" << "0" << "500" << "500" << "";
    QTest::newRow("negative raises both") << "500" << "500" << "-200" << "-200" << "700" << "700"
                                          << "";
    QTest::newRow("debt at the top") << "500" << "2147483647" << "-5" << "-5" << "505"
                                     << "2147483647" << "";
    // clang-format on
}

void TestLoans::payBack()
{
    QFETCH(QString, cash);
    QFETCH(QString, debt);
    QFETCH(QString, amount);
    QFETCH(QString, paid);
    QFETCH(QString, cashAfter);
    QFETCH(QString, debtAfter);
    QFETCH(QString, refusal);
    Form2 *main = loggedIn();
    main->Text1->setText(cash);
    main->Text2->setText(debt);
    main->Text10->setText(amount);

    ctl<QPushButton>(main, "Command7")->click();

    const bool refused = !refusal.isEmpty();
    QCOMPARE(sv().boxTexts(),
             QStringList{refused ? refusal
                                 : "You Have Paid Back £" + paid + ". You now have £" + cashAfter});
    QCOMPARE(sv().boxes.first().icon, refused ? MsgIcon::Critical : MsgIcon::Information);
    QCOMPARE(main->Text1->text(), cashAfter);
    QCOMPARE(main->Text2->text(), debtAfter);
    QCOMPARE(main->Command6->isEnabled(), refused);
    QVERIFY(main->Command7->isEnabled());
    const QString savedCash = refused ? QStringLiteral("500") : cashAfter;
    const QString savedDebt = refused ? QStringLiteral("500") : debtAfter;
    QCOMPARE(saved(UserProfile::Cash), savedCash.toUtf8() + "\r\n");
    QCOMPARE(saved(UserProfile::Debt), savedDebt.toUtf8() + "\r\n");
}

void TestLoans::loanIsSavedAndMirrored()
{
    Form2 *main = loggedIn();
    QVERIFY(!loadedForm<frmcontrol>()); // the login window is gone after the hand-over

    main->Text10->setText(QStringLiteral("700"));
    main->Command6->click();

    // The slot's whole file set is written, not only the money.
    QCOMPARE(saved(UserProfile::Cash), QByteArray("1200\r\n"));
    QCOMPARE(saved(UserProfile::Debt), QByteArray("1200\r\n"));
    QCOMPARE(saved(UserProfile::Share), QByteArray("You Have No Shares\r\n"));
    QCOMPARE(saved(UserProfile::horse(1)), QByteArray("Red Rum\r\n"));
    // The login window comes back hidden, holding the new money for the next hand-over.
    frmcontrol *login = loadedForm<frmcontrol>();
    QVERIFY(login);
    QVERIFY(login->isHidden());
    QCOMPARE(login->txtcash->text(), QStringLiteral("1200"));
    QCOMPARE(login->Txtdebt->text(), QStringLiteral("1200"));

    main->Text10->setText(QStringLiteral("1000"));
    main->Command7->click();
    QCOMPARE(login->txtcash->text(), QStringLiteral("200"));
    QCOMPARE(login->Txtdebt->text(), QStringLiteral("200"));
    QCOMPARE(saved(UserProfile::Cash), QByteArray("200\r\n"));
    QCOMPARE(saved(UserProfile::Debt), QByteArray("200\r\n"));
}

void TestLoans::borrowWaitsForTheNextRace()
{
    Form2 *main = loggedIn();
    main->Text10->setText(QStringLiteral("300"));
    main->Command6->click();
    QVERIFY(!main->Command6->isEnabled());

    // Paying it all back does not open the counter again.
    main->Text10->setText(QStringLiteral("800"));
    main->Command7->click();
    QCOMPARE(main->Text2->text(), QStringLiteral("0"));
    QVERIFY(!main->Command6->isEnabled());

    // An ordinary race settled does.
    main->Label10->setText(QStringLiteral("50"));
    main->Label14->setText(main->Option1->text());
    main->Label12->setText(QStringLiteral("500"));
    Form4 *race = form<Form4>();
    showForm(race);
    race->progressBar(2)->setValue(RaceCounterMax);
    race->horse2t_Timer();
    flushDeletes();
    QVERIFY(!loadedForm<Form4>());
    QVERIFY(main->Command6->isEnabled());
}

void TestLoans::cashCodeRepeats()
{
    Form2 *main = loggedIn();
    main->Text10->setText(QStringLiteral("brisk"));
    main->Command6->click();
    main->Command6->click();

    QCOMPARE(main->Text1->text(), QStringLiteral("40500"));
    QCOMPARE(main->Text2->text(), QStringLiteral("500"));
    QVERIFY(sv().boxes.isEmpty());
    QVERIFY(main->Command6->isEnabled());
    // Not saved until the next save; only the cash reaches the login window.
    QCOMPARE(saved(UserProfile::Cash), QByteArray("500\r\n"));
    frmcontrol *login = loadedForm<frmcontrol>();
    QVERIFY(login);
    QCOMPARE(login->txtcash->text(), QStringLiteral("40500"));
    QCOMPARE(login->Txtdebt->text(), QString()); // the fresh login window's debt is not written

    // The code cannot push the cash past the 32-bit edge.
    main->Text1->setText(QStringLiteral("2147480000"));
    main->Command6->click();
    QCOMPARE(main->Text1->text(), QStringLiteral("2147483647"));
}

void TestLoans::amountBoxEmptiesOnClick()
{
    Form2 *main = loggedIn();
    main->SSTab1->setCurrentIndex(1);
    QCOMPARE(main->Text10->text(), QStringLiteral("Enter Amount"));
    QTest::mouseClick(main->Text10, Qt::LeftButton);
    QCOMPARE(main->Text10->text(), QString());

    main->Text10->setText(QStringLiteral("1500"));
    QTest::mouseClick(main->Text10, Qt::LeftButton);
    QCOMPARE(main->Text10->text(), QString());
}

QTEST_MAIN(TestLoans)
#include "tst_loans.moc"

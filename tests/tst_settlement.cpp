#include "racetest.h"

#include "common/globals.h"
#include "mainwindow/racecard.h"

class TestSettlement : public RaceTest
{
    Q_OBJECT

private slots:
    void interest_data();
    void interest();
    void result_data();
    void result();
    void twinNamesBothCount();
    void namesAreTakenAsTyped();
    void prizeWithoutABet();
    void oneRaceBringsEverythingInOrder();
    void bills_data();
    void bills();
    void drugTest_data();
    void drugTest();
    void controlsReturnToNoStake();

private:
    // Five odds draws giving 1, 2, 3, 4, 5.
    void scriptOdds() const;
};

void TestSettlement::scriptOdds() const
{
    for (int k = 1; k <= 5; ++k)
        sv().draws << draw(k, OddsRanges[static_cast<std::size_t>(k - 1)]);
}

void TestSettlement::interest_data()
{
    QTest::addColumn<QString>("debt");
    QTest::addColumn<QString>("after");

    // clang-format off
    QTest::newRow("0 stays 0")              << "0"    << "0";
    QTest::newRow("100: 25.5 rounds up")    << "100"  << "126";
    QTest::newRow("300: 76.5 rounds down")  << "300"  << "376";
    QTest::newRow("500: 127.5 rounds up")   << "500"  << "628";
    QTest::newRow("700: 178.5 rounds down") << "700"  << "878";
    QTest::newRow("1000")                   << "1000" << "1255";
    // Beyond the 32-bit range the debt stops at its edge instead of wrapping negative.
    QTest::newRow("top of the range")       << "2000000000" << "2147483647";
    QTest::newRow("not a number counts as 0") << "lots" << "0";
    // clang-format on
}

void TestSettlement::interest()
{
    QFETCH(QString, debt);
    QFETCH(QString, after);
    Form2 *main = betOn(1);
    main->Text2->setText(debt);
    Form4 *race = openRace();
    finish(race, 2);
    QCOMPARE(main->Text2->text(), after);
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), after.toUtf8() + "\r\n");
}

void TestSettlement::result_data()
{
    QTest::addColumn<int>("winner");
    QTest::addColumn<QString>("backed");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("winnings");
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<QString>("resultBox");
    QTest::addColumn<int>("resultIcon");

    const int info = int(MsgIcon::Information);
    const int critical = int(MsgIcon::Critical);
    const QString won = QStringLiteral(" Your horse was the winner! You Have Won £");
    const QString lost = QStringLiteral(" Your Horse Lost");
    // clang-format off
    QTest::newRow("win keeps the stake")
        << 1 << "Red Rum" << "100" << "1500" << "500" << "2000" << won + "1500" << info;
    QTest::newRow("loss takes the stake")
        << 2 << "Red Rum" << "100" << "1500" << "500" << "400" << lost << critical;
    QTest::newRow("case counts")
        << 1 << "red rum" << "100" << "1500" << "500" << "400" << lost << critical;
    QTest::newRow("loss may go below zero")
        << 3 << "Red Rum" << "800" << "12000" << "300" << "-500" << lost << critical;
    QTest::newRow("fractional winnings round half to even")
        << 1 << "Red Rum" << "12.5" << "187.5" << "500" << "688" << won + "187.5" << info;
    // A bet cancelled and re-made can leave labels that are not numbers; they count as 0.
    QTest::newRow("winnings not a number")
        << 1 << "Red Rum" << "100" << "Nothing" << "500" << "500" << won + "Nothing" << info;
    QTest::newRow("stake not a number")
        << 5 << "Red Rum" << "Nothing" << "Nothing" << "500" << "500" << lost << critical;
    QTest::newRow("cash not a number counts as 0")
        << 2 << "Red Rum" << "100" << "1500" << "plenty" << "-100" << lost << critical;
    QTest::newRow("win clamps at the top")
        << 1 << "Red Rum" << "100" << "1500" << "2147483000" << "2147483647"
        << won + "1500" << info;
    QTest::newRow("loss clamps at the bottom")
        << 2 << "Red Rum" << "800" << "1500" << "-2147483000" << "-2147483648" << lost << critical;
    // Amounts beyond 32 bits stop at the edge as every sum does, rather than counting as 0.
    QTest::newRow("winnings beyond 32 bits")
        << 1 << "Red Rum" << "100" << "300000000000" << "-500" << "2147483647"
        << won + "300000000000" << info;
    QTest::newRow("stake beyond 32 bits")
        << 2 << "Red Rum" << "3000000000" << "1500" << "500" << "-2147483648" << lost << critical;
    // clang-format on
}

void TestSettlement::result()
{
    QFETCH(int, winner);
    QFETCH(QString, backed);
    QFETCH(QString, stake);
    QFETCH(QString, winnings);
    QFETCH(QString, cash);
    QFETCH(QString, cashAfter);
    QFETCH(QString, resultBox);
    QFETCH(int, resultIcon);

    Form2 *main = betOn(1, stake, winnings);
    main->Label14->setText(backed);
    main->Text1->setText(cash);
    Form4 *race = openRace();
    scriptOdds();
    finish(race, winner);

    const QString name = UserProfile::DefaultHorses[static_cast<std::size_t>(winner - 1)];
    QCOMPARE(sv().boxTexts(),
             (QStringList{QStringLiteral("The Winner Was %1 (Horse %2)").arg(name).arg(winner),
                          resultBox}));
    QCOMPARE(sv().boxes[0].icon, MsgIcon::Information);
    QCOMPARE(int(sv().boxes[1].icon), resultIcon);
    QCOMPARE(sv().boxes[1].title, AppTitle);
    QCOMPARE(main->Text11->text(), name);
    QCOMPARE(main->Text1->text(), cashAfter);
    // The bet slip stays for the next bet to overwrite.
    QCOMPARE(main->Label10->text(), stake);
    QCOMPARE(main->Label12->text(), winnings);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(main->oddsLabel(k)->text(), QString::number(k));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), cashAfter.toUtf8() + "\r\n");
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), QByteArray("628\r\n"));
    QCOMPARE(UserSlot, qint16(0)); // the quiet save leaves the slot variable alone
    QCOMPARE(loadedForm<Form4>(), nullptr);
    QVERIFY(main->isVisible());
}

void TestSettlement::twinNamesBothCount()
{
    Form2 *main = betOn(1);
    main->Option2->setText(QStringLiteral("Red Rum"));
    main->Label16->setText(QStringLiteral("Red Rum"));
    Form4 *race = openRace();
    sv().draws << draw(1, 4); // no bill
    finish(race, 2);

    QCOMPARE(sv().boxTexts(),
             (QStringList{QStringLiteral("The Winner Was Red Rum (Horse 2)"),
                          QStringLiteral(" Your horse was the winner! You Have Won £1500"),
                          QStringLiteral("The Horse You Own As Won The Race, You Get £10,000 ")}));
    QCOMPARE(main->Text1->text(), QStringLiteral("12000"));
}

void TestSettlement::namesAreTakenAsTyped()
{
    Form2 *main = betOn(1);
    main->Option2->setText(QStringLiteral("Lucky %2%1"));
    Form4 *race = openRace();
    finish(race, 2);
    QCOMPARE(sv().boxTexts().value(0), QStringLiteral("The Winner Was Lucky %2%1 (Horse 2)"));
    QCOMPARE(main->Text11->text(), QStringLiteral("Lucky %2%1"));
}

void TestSettlement::prizeWithoutABet()
{
    Form2 *main = betOn(1);
    main->Label16->setText(QStringLiteral("Mr Ed"));
    Form4 *race = openRace();
    sv().draws << draw(3, 4);
    finish(race, 3);

    QCOMPARE(sv().boxTexts(),
             (QStringList{QStringLiteral("The Winner Was Mr Ed (Horse 3)"),
                          QStringLiteral(" Your Horse Lost"),
                          QStringLiteral("The Horse You Own As Won The Race, You Get £10,000 ")}));
    QCOMPARE(sv().boxes[2].icon, MsgIcon::Information);
    QCOMPARE(main->Text1->text(), QStringLiteral("10400"));
    QCOMPARE(main->Label16->text(), QStringLiteral("Mr Ed"));
}

void TestSettlement::oneRaceBringsEverythingInOrder()
{
    Form2 *main = betOn(1);
    main->Label16->setText(QStringLiteral("Red Rum"));
    main->Command8->show();
    Form4 *race = openRace();
    race->Text1->setText(QStringLiteral("1"));
    sv().draws << draw(2, 4) << draw(4, 5) << draw(250, 2000);
    scriptOdds();
    // The first fine drawn is too small and is drawn again.
    sv().draws << draw(2, 3) << draw(3000, 30000) << draw(18000, 30000);
    finish(race, 1);

    QCOMPARE(
        sv().boxTexts(),
        (QStringList{
            QStringLiteral("The Winner Was Red Rum (Horse 1)"),
            QStringLiteral(" Your horse was the winner! You Have Won £1500"),
            QStringLiteral("The Horse You Own As Won The Race, You Get £10,000 "),
            QStringLiteral(
                "You have been billed for transportation charges. This will cost you £250"),
            QStringLiteral("Your horse as been tested for drugs, your horse was proven positive"),
            QStringLiteral("you have been fined £18000 & your horse as been destroyed")}));
    QCOMPARE(sv().boxes[3].icon, MsgIcon::Critical);
    QCOMPARE(sv().boxes[4].icon, MsgIcon::Critical);
    QCOMPARE(sv().boxes[5].icon, MsgIcon::Critical);
    QVERIFY(sv().draws.isEmpty());
    QCOMPARE(sv().randomizeCalls, 3 + 5 + 2);

    QCOMPARE(main->Text1->text(), QStringLiteral("-6250"));
    QCOMPARE(main->Label16->text(), UserProfile::NoShares);
    QVERIFY(main->Command8->isHidden());
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Cash)), QByteArray("-6250\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Debt)), QByteArray("628\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Share)), QByteArray("You Have No Shares\r\n"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::horse(1))), QByteArray("Red Rum\r\n"));
    QCOMPARE(bytes(UserProfile::file(2, UserProfile::Cash)), QByteArray("500\r\n"));
}

void TestSettlement::bills_data()
{
    QTest::addColumn<QString>("share");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("bill");

    const QString owner = QStringLiteral("Black Beauty");
    const QString billed =
        QStringLiteral("You have been billed for %1 charges. This will cost you £");
    // clang-format off
    QTest::newRow("vet")            << owner << 2 << 1 << billed.arg("vet");
    QTest::newRow("food")           << owner << 2 << 2 << billed.arg("food");
    QTest::newRow("stable")         << owner << 2 << 3 << billed.arg("stable");
    QTest::newRow("transportation") << owner << 2 << 4 << billed.arg("transportation");
    QTest::newRow("administration") << owner << 2 << 5 << billed.arg("administration");
    QTest::newRow("three races in four bring none") << owner << 3 << 0 << QString();
    QTest::newRow("no share, no bill") << UserProfile::NoShares << 2 << 0 << QString();
    // clang-format on
}

void TestSettlement::bills()
{
    QFETCH(QString, share);
    QFETCH(int, r);
    QFETCH(int, kind);
    QFETCH(QString, bill);
    Form2 *main = betOn(1);
    main->Label16->setText(share);
    Form4 *race = openRace();
    const bool owner = share != UserProfile::NoShares;
    if (owner)
        sv().draws << draw(r, 4);
    if (kind != 0)
        sv().draws << draw(kind, 5) << draw(1999, 2000);
    scriptOdds();
    finish(race, 1);

    QStringList expected = {QStringLiteral("The Winner Was Red Rum (Horse 1)"),
                            QStringLiteral(" Your horse was the winner! You Have Won £1500")};
    if (kind != 0)
        expected << bill + QStringLiteral("1999");
    QCOMPARE(sv().boxTexts(), expected);
    // A bill after a win takes only the billed amount.
    QCOMPARE(main->Text1->text(), kind != 0 ? QStringLiteral("1") : QStringLiteral("2000"));
    QVERIFY(sv().draws.isEmpty());
    QCOMPARE(main->Label8->text(), QStringLiteral("5"));
}

void TestSettlement::drugTest_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<int>("d");
    QTest::addColumn<bool>("positive");

    // clang-format off
    QTest::newRow("doped, caught")          << "1" << 2 << true;
    QTest::newRow("doped, clean test")      << "1" << 1 << false;
    QTest::newRow("doped, clean test 3")    << "1" << 3 << false;
    QTest::newRow("declined: no test")      << "0" << 0 << false;
    QTest::newRow("never offered: no test") << ""  << 0 << false;
    // clang-format on
}

void TestSettlement::drugTest()
{
    QFETCH(QString, flag);
    QFETCH(int, d);
    QFETCH(bool, positive);
    Form2 *main = betOn(1);
    main->Label16->setText(QStringLiteral("Black Beauty"));
    main->Command8->show();
    Form4 *race = openRace();
    race->Text1->setText(flag);
    sv().draws << draw(1, 4);
    scriptOdds();
    if (d != 0)
        sv().draws << draw(d, 3);
    if (positive)
        sv().draws << draw(15000, 30000);
    finish(race, 1);

    QVERIFY(sv().draws.isEmpty());
    QCOMPARE(sv().rndCalls, 1 + 5 + (d != 0 ? 1 : 0) + (positive ? 1 : 0));
    const QStringList texts = sv().boxTexts();
    QCOMPARE(texts.size(), positive ? 4 : 2);
    if (positive) {
        QCOMPARE(texts[3],
                 QStringLiteral("you have been fined £15000 & your horse as been destroyed"));
        QCOMPARE(main->Text1->text(), QStringLiteral("-13000"));
        QCOMPARE(main->Label16->text(), UserProfile::NoShares);
        QVERIFY(main->Command8->isHidden());
    } else {
        QCOMPARE(main->Text1->text(), QStringLiteral("2000"));
        QCOMPARE(main->Label16->text(), QStringLiteral("Black Beauty"));
        QVERIFY(!main->Command8->isHidden());
    }
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Share)),
             main->Label16->text().toUtf8() + "\r\n");
}

void TestSettlement::controlsReturnToNoStake()
{
    Form2 *main = betOn(1);
    main->wiz1->hide();
    main->Command12->hide();
    main->Command6->setEnabled(false);
    Form4 *race = openRace();
    finish(race, 4);

    for (QWidget *w : std::initializer_list<QWidget *>{
             main->Command2, main->Command6, main->Command10, main->Text3, main->Command12})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!main->wiz1->isHidden());
    QVERIFY(!main->Command12->isHidden());
    // The runners and the bet and start buttons wait for the next accepted stake.
    for (QWidget *w : std::initializer_list<QWidget *>{main->Command1, main->Command3,
                                                       main->Option1, main->Option2, main->Option3,
                                                       main->Option4, main->Option5})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestSettlement)
#include "tst_settlement.moc"

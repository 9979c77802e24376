#include "racetest.h"

#include "races/form13.h"

class TestDoping : public RaceTest
{
    Q_OBJECT

private slots:
    void offerShowsThePrice();
    void yes_data();
    void yes();
    void noLeavesZero();
    void closingOpensNoRace();
    void unmatchedShareIsStillTested();

private:
    Form13 *offer(const QString &share)
    {
        Form2 *main = loadedForm<Form2>();
        main->Label16->setText(share);
        Form13 *window = form<Form13>();
        showForm(window);
        return window;
    }
};

void TestDoping::offerShowsThePrice()
{
    betOn(1);
    Form13 *window = offer(QStringLiteral("Mr Ed"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Drug Your Horse?......"));
    QCOMPARE(ctl<QLabel>(window, QStringLiteral("Label3"))->text(), QStringLiteral("£1000"));
    QVERIFY(ctl<QLabel>(window, QStringLiteral("Label1(0)"))
                ->text()
                .endsWith(QStringLiteral("The Drugs Will Cost You: ")));
    QCOMPARE(ctl<QLabel>(window, QStringLiteral("Label1(1)"))->text(), QStringLiteral("NOTE: "));
    QCOMPARE(ctl<QLabel>(window, QStringLiteral("Label2"))->text(),
             QStringLiteral("Do You Wish To Drug Your Horse?"));
    QCOMPARE(ctl<QPushButton>(window, QStringLiteral("Command1"))->text(), QStringLiteral("YES"));
    QCOMPARE(ctl<QPushButton>(window, QStringLiteral("Command2"))->text(), QStringLiteral("NO"));
    for (int i = 0; i < 5; ++i)
        QVERIFY(ctl<QWidget>(window, QStringLiteral("Picture2(%1)").arg(i))->isVisibleTo(window));
    // Showing the offer opens no race yet.
    QCOMPARE(loadedForm<Form4>(), nullptr);
}

void TestDoping::yes_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("twin"); // a name given to runner 4 as well; "" for none
    QTest::addColumn<QList<int>>("counters");
    QTest::addColumn<QString>("cashAfter");

    // clang-format off
    QTest::newRow("cash 500 goes below zero")
        << "500" << "Mr Ed" << "" << QList<int>{0, 0, 900, 0, 0} << "-500";
    QTest::newRow("no runner of that name")
        << "5000" << "Copper Kettle" << "" << QList<int>{0, 0, 0, 0, 0} << "4000";
    QTest::newRow("case counts")
        << "5000" << "mr ed" << "" << QList<int>{0, 0, 0, 0, 0} << "4000";
    QTest::newRow("every runner of the name")
        << "5000" << "Mr Ed" << "Mr Ed" << QList<int>{0, 0, 900, 900, 0} << "4000";
    QTest::newRow("cash not a number is charged from 0")
        << "skint" << "Red Rum" << "" << QList<int>{900, 0, 0, 0, 0} << "-1000";
    QTest::newRow("cash at the bottom stays there")
        << "-2147483000" << "Red Rum" << "" << QList<int>{900, 0, 0, 0, 0} << "-2147483648";
    // clang-format on
}

void TestDoping::yes()
{
    QFETCH(QString, cash);
    QFETCH(QString, share);
    QFETCH(QString, twin);
    QFETCH(QList<int>, counters);
    QFETCH(QString, cashAfter);
    Form2 *main = betOn(3);
    main->Text1->setText(cash);
    if (!twin.isEmpty())
        main->Option4->setText(twin);
    const QList<QByteArray> files = savedFiles();
    Form13 *window = offer(share);

    window->Command1->click();

    Form4 *race = loadedForm<Form4>();
    QVERIFY(race);
    QVERIFY(race->isVisible());
    QCOMPARE(race->Text1->text(), QStringLiteral("1"));
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(race->progressBar(k)->value(), counters[k - 1]);
    QCOMPARE(main->Text1->text(), cashAfter);
    QCOMPARE(sv().boxTexts(),
             QStringList{QStringLiteral("You have been charged £1000 for the drugs")});
    QCOMPARE(sv().boxes[0].icon, MsgIcon::None);
    QCOMPARE(sv().boxes[0].title, AppTitle);
    QCOMPARE(loadedForm<Form13>(), nullptr);
    // The charge waits for the race's save.
    QCOMPARE(savedFiles(), files);
}

void TestDoping::noLeavesZero()
{
    Form2 *main = betOn(3);
    Form13 *window = offer(QStringLiteral("Mr Ed"));
    window->Command2->click();

    Form4 *race = loadedForm<Form4>();
    QVERIFY(race && race->isVisible());
    QCOMPARE(race->Text1->text(), QStringLiteral("0"));
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(race->progressBar(k)->value(), 0);
    QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(loadedForm<Form13>(), nullptr);

    // A declined offer brings no drug test after the race.
    sv().draws << draw(1, 5) << draw(1, 4);
    race->Command1->click();
    finish(race, 3);
    QVERIFY(sv().draws.isEmpty());
    QCOMPARE(sv().rndCalls, 1 + 1 + 5);
    QVERIFY(!sv().boxTexts().join(QLatin1Char('|')).contains(QStringLiteral("drugs")));
}

void TestDoping::closingOpensNoRace()
{
    Form2 *main = betOn(3);
    const QList<QByteArray> files = savedFiles();
    Form13 *window = offer(QStringLiteral("Mr Ed"));
    window->close();
    flushDeletes();

    QCOMPARE(loadedForm<Form13>(), nullptr);
    QCOMPARE(loadedForm<Form4>(), nullptr);
    QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE(savedFiles(), files);
}

void TestDoping::unmatchedShareIsStillTested()
{
    Form2 *main = betOn(1);
    Form13 *window = offer(QStringLiteral("Copper Kettle"));
    window->Command1->click();
    Form4 *race = loadedForm<Form4>();
    sv().boxes.clear();

    sv().draws << draw(1, 5) << draw(1, 4);
    for (int k = 1; k <= 5; ++k)
        sv().draws << draw(1, 10);
    sv().draws << draw(2, 3) << draw(20000, 30000);
    race->Command1->click();
    finish(race, 1);

    QVERIFY(sv().draws.isEmpty());
    QCOMPARE(
        sv().boxTexts().mid(2),
        (QStringList{
            QStringLiteral("Your horse as been tested for drugs, your horse was proven positive"),
            QStringLiteral("you have been fined £20000 & your horse as been destroyed")}));
    // 500 - 1000 for the drugs + 1500 won - 20000 fined.
    QCOMPARE(main->Text1->text(), QStringLiteral("-19000"));
    QCOMPARE(bytes(UserProfile::file(1, UserProfile::Share)), QByteArray("You Have No Shares\r\n"));
}

QTEST_MAIN(TestDoping)
#include "tst_doping.moc"

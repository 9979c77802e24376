#include "support/gametest.h"

#include "common/globals.h"
#include "common/statusbar.h"
#include "common/twips.h"
#include "mainwindow/form2.h"
#include "mainwindow/racecard.h"
#include "profiles/frmcontrol.h"

class TestMainWindow : public GameTest
{
    Q_OBJECT

private slots:
    void wizardFlag_data();
    void wizardFlag();
    void startTabStyle_data();
    void startTabStyle();
    void currency_data();
    void currency();
    void startUpStopsWithoutCountry();
    void startUpCopiesTheLoginBoxes();
    void shareLineCopy_data();
    void shareLineCopy();
    void stakeListsHoldTenEntries();
    void oddsStayInTheirRanges();
    void jockeyRotation_data();
    void jockeyRotation();
    void tipNamesARunnerAndWaits();

    void saveWritesTheEightFiles();
    void saveNeedsAValidSlot_data();
    void saveNeedsAValidSlot();
    void saveDisplayRunsThirtyTicks();
    void failedSaveIsReportedOnce();

private:
    // The main window as the first login creates it, with the login window's boxes filled.
    Form2 *createMainWindow(const QString &cash = QStringLiteral("500"),
                            const QString &share = QStringLiteral("You Have No Shares"));
};

Form2 *TestMainWindow::createMainWindow(const QString &cash, const QString &share)
{
    frmcontrol *login = form<frmcontrol>();
    login->txtcash->setText(cash);
    login->Txtdebt->setText(QStringLiteral("700"));
    login->txtshare->setText(share);
    const QStringList horses = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries",
                                "Black Beauty"};
    for (int k = 1; k <= 5; ++k)
        login->horseBox(k)->setText(horses[k - 1]);
    return form<Form2>();
}

void TestMainWindow::wizardFlag_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::newRow("1") << true << QByteArray("1\r\n") << true;
    QTest::newRow("number text 1") << true << QByteArray(" 1 \r\n") << true;
    QTest::newRow("no file") << false << QByteArray() << true;
    QTest::newRow("0") << true << QByteArray("0\r\n") << false;
    QTest::newRow("empty line") << true << QByteArray("\r\n") << false;
    QTest::newRow("yes") << true << QByteArray("yes\r\n") << false;
    QTest::newRow("2") << true << QByteArray("2\r\n") << false;
}

void TestMainWindow::wizardFlag()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    writeDefaultProfiles();
    if (present)
        put("\\data\\hwiz04.dll", content);
    else
        remove("\\data\\hwiz04.dll");

    Form2 *main = createMainWindow();
    const int normal = twipsToPixels(Form2::NormalWidthTwips);
    QCOMPARE(main->Label40->isHidden(), !opens);
    QCOMPARE(main->wizardStrip->isHidden(), !opens);
    QCOMPARE(main->width(), opens ? normal + twipsToPixels(4000) : normal);
    QCOMPARE(bytes("\\data\\hwiz04.dll"), opens ? QByteArray("0\r\n") : content);
}

void TestMainWindow::startTabStyle_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("style");
    QTest::newRow("number text 1") << QByteArray(" 1 \r\n") << 0;
    QTest::newRow("1") << QByteArray("1\r\n") << 0;
    QTest::newRow("0") << QByteArray("0\r\n") << 1;
    QTest::newRow("2") << QByteArray("2\r\n") << 1;
    QTest::newRow("empty file") << QByteArray() << 1;
    QTest::newRow("no file") << QByteArray("<none>") << 1;
}

void TestMainWindow::startTabStyle()
{
    QFETCH(QByteArray, content);
    QFETCH(int, style);
    writeDefaultProfiles();
    put("\\data\\hwiz04.dll", "1\r\n"); // the wizard flag has no say in it
    if (content != "<none>")
        put("\\data\\option.hor", content);
    Form2 *main = createMainWindow();
    QCOMPARE(main->SSTab1->property("Style").toInt(), style);
}

void TestMainWindow::currency_data()
{
    QTest::addColumn<QByteArray>("country");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("United Kingdom") << QByteArray("United Kingdom\r\n") << "£";
    QTest::newRow("Other Parts Of Asia") << QByteArray("Other Parts Of Asia\r\n") << "$";
    QTest::newRow("N Ireland") << QByteArray("N Ireland\r\n") << "£";
    QTest::newRow("Eire") << QByteArray("Eire\r\n") << "$";
    QTest::newRow("Denmark") << QByteArray("Denmark\r\n") << "€";
    QTest::newRow("last line counts") << QByteArray("Japan\r\nFrance\r\n") << "€";
    QTest::newRow("other case") << QByteArray("united kingdom\r\n") << "";
    QTest::newRow("trailing blank") << QByteArray("United Kingdom \r\n") << "";
}

void TestMainWindow::currency()
{
    QFETCH(QByteArray, country);
    QFETCH(QString, symbol);
    writeDefaultProfiles();
    put("\\data\\horcountry.hor", country);
    Form2 *main = createMainWindow();
    if (symbol.isEmpty()) {
        QCOMPARE(main->curr->text(), QStringLiteral("Label27"));
        QCOMPARE(main->Label1->text(), QStringLiteral("Cash £"));
        QCOMPARE(main->Label2->text(), QStringLiteral("Debt £"));
        QCOMPARE(main->Label17[0]->text(), QStringLiteral("Horse Price"));
        // No match is no stop: the profile copy and the odds still happen.
        QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    } else {
        QCOMPARE(main->curr->text(), symbol);
        QCOMPARE(main->Label1->text(), "Cash " + symbol);
        QCOMPARE(main->Label2->text(), "Debt " + symbol);
        QCOMPARE(main->Label17[0]->text(), "Horse Cost " + symbol);
    }
}

void TestMainWindow::startUpStopsWithoutCountry()
{
    writeDefaultProfiles();
    remove("\\data\\horcountry.hor");
    Form2 *main = createMainWindow(QStringLiteral("1250"));

    // Steps before the currency took effect...
    QCOMPARE(main->Text3->count(), 10);
    QCOMPARE(main->Label25->text(), QStringLiteral("Game Started At: 12:34:56"));
    // ...and nothing after it did.
    QCOMPARE(main->curr->text(), QStringLiteral("Label27"));
    QCOMPARE(main->Text1->text(), QStringLiteral("0"));
    QCOMPARE(main->Label56->text(), QString());
    QVERIFY(main->Command9->isEnabled());
    for (QLabel *jockey : main->Label44)
        QCOMPARE(jockey->text(), QStringLiteral("-"));
    QCOMPARE(main->statusBar1()->panelText(3), QStringLiteral("For Help Press F1"));
    QCOMPARE(main->Label57->text(), QStringLiteral("Label56"));
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(main->oddsLabel(k)->text(), QStringLiteral("0"));
}

void TestMainWindow::startUpCopiesTheLoginBoxes()
{
    writeDefaultProfiles();
    Form2 *main = createMainWindow(QStringLiteral("1250"), QStringLiteral("Mr Ed"));
    QCOMPARE(main->Text1->text(), QStringLiteral("1250"));
    QCOMPARE(main->Text2->text(), QStringLiteral("700"));
    QCOMPARE(main->Option1->text(), QStringLiteral("Red Rum"));
    QCOMPARE(main->Option5->text(), QStringLiteral("Black Beauty"));
    QCOMPARE(main->statusBar1()->panelText(3), QStringLiteral("Welcome To Stallix6.6 "));
    QCOMPARE(main->Label25->text(), QStringLiteral("Game Started At: 12:34:56"));
    // The window only shows when the login hands it over.
    QVERIFY(!main->isVisible());
}

void TestMainWindow::shareLineCopy_data()
{
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("line");
    QTest::newRow("zero means none") << "0"
                                     << "You Have No Shares";
    QTest::newRow("zero and blank kept") << "0 "
                                         << "0 ";
    QTest::newRow("horse name") << "Mr Ed"
                                << "Mr Ed";
}

void TestMainWindow::shareLineCopy()
{
    QFETCH(QString, share);
    QFETCH(QString, line);
    writeDefaultProfiles();
    Form2 *main = createMainWindow(QStringLiteral("500"), share);
    QCOMPARE(main->Label16->text(), line);
    QCOMPARE(main->Label57->text(), line);
}

void TestMainWindow::stakeListsHoldTenEntries()
{
    writeDefaultProfiles();
    Form2 *main = createMainWindow();
    const QStringList expected = {"50",  "100", "200", "250", "300",
                                  "400", "500", "600", "700", "800"};
    for (QComboBox *box : {main->Text3, main->wiz1}) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, expected);
        QCOMPARE(box->currentText(), QStringLiteral("Enter Your Stake......"));
    }
}

void TestMainWindow::oddsStayInTheirRanges()
{
    writeDefaultProfiles();
    // Draw order at start-up: the tip, the jockeys, then the five odds.
    sv().draws << 0.5 << 0.0 << 0.999999 << 0.999999 << 0.999999 << 0.999999 << 0.999999;
    Form2 *main = createMainWindow();
    const QStringList highest = {"15", "25", "45", "75", "100"};
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(main->oddsLabel(k)->text(), highest[k - 1]);

    // Real draws: every odds value is within 1..range.
    for (int round = 0; round < 200; ++round) {
        const std::array<int, 5> odds = drawOdds();
        for (int k = 0; k < 5; ++k)
            QVERIFY(odds[k] >= 1 && odds[k] <= OddsRanges[k]);
    }
}

void TestMainWindow::jockeyRotation_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QStringList>("order");
    const QStringList plain = {"Hank Morrow", "Jed Calloway", "Slim The Quick", "Cody Barlow",
                               "Amos Pikeley"};
    QTest::newRow("r = 0") << 0.0 << plain;
    QTest::newRow("r = 1") << 0.25 << plain;
    QTest::newRow("r = 2") << 0.5
                           << QStringList{"Amos Pikeley", "Hank Morrow", "Jed Calloway",
                                          "Slim The Quick", "Cody Barlow"};
    QTest::newRow("r = 3") << 0.99
                           << QStringList{"Cody Barlow", "Amos Pikeley", "Hank Morrow",
                                          "Jed Calloway", "Slim The Quick"};
}

void TestMainWindow::jockeyRotation()
{
    QFETCH(double, fraction);
    QFETCH(QStringList, order);
    writeDefaultProfiles();
    sv().draws << 0.5 << fraction;
    Form2 *main = createMainWindow();
    for (int k = 0; k < 5; ++k)
        QCOMPARE(main->Label44[k]->text(), order[k]);
}

void TestMainWindow::tipNamesARunnerAndWaits()
{
    writeDefaultProfiles();
    sv().draws << 0.45; // runner 3
    Form2 *main = createMainWindow();
    QCOMPARE(main->Label56->text(),
             QStringLiteral("Tipwells Predicts That Mr Ed Will Win This Race"));
    QVERIFY(!main->Command9->isEnabled());
}

void TestMainWindow::saveWritesTheEightFiles()
{
    writeDefaultProfiles();
    Form2 *main = createMainWindow();
    const QByteArray slot3Before = bytes("\\data\\user3cash.hor");
    main->Label23->setText(QStringLiteral("4"));
    main->Text1->setText(QStringLiteral("1250"));
    main->Text2->setText(QStringLiteral("0"));
    main->Label16->setText(QStringLiteral("Mr Ed"));
    const QStringList horses = {"Copper Kettle", "Mist Runner", "Plum Duff", "Tin Whistle",
                                "Quick Thistle"};
    for (int k = 1; k <= 5; ++k)
        main->runner(k)->setText(horses[k - 1]);

    main->horsesave();
    QCOMPARE(UserSlot, qint16(4));
    QCOMPARE(bytes("\\data\\user4cash.hor"), QByteArray("1250\r\n"));
    QCOMPARE(bytes("\\data\\user4debt.hor"), QByteArray("0\r\n"));
    QCOMPARE(bytes("\\data\\user4share.hor"), QByteArray("Mr Ed\r\n"));
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(bytes(QStringLiteral("\\data\\user4hor%1.hor").arg(k)),
                 horses[k - 1].toUtf8() + "\r\n");
    QCOMPARE(bytes("\\data\\user4n.hor"), QByteArray("user4\r\n"));
    QCOMPARE(bytes("\\data\\user4p.dll"), QByteArray("2864\r\n"));
    QCOMPARE(bytes("\\data\\user3cash.hor"), slot3Before);
    QCOMPARE(main->statusBar1()->panelText(2), QStringLiteral("Saving:"));

    // The silent save writes the same files, unchecked, and leaves UserSlot alone.
    main->Label23->setText(QStringLiteral("2"));
    main->Label16->setText(QString());
    main->Text1->setText(QStringLiteral("12abc"));
    main->horsesavenoname();
    QCOMPARE(UserSlot, qint16(4));
    QCOMPARE(bytes("\\data\\user2share.hor"), QByteArray("\r\n"));
    QCOMPARE(bytes("\\data\\user2cash.hor"), QByteArray("12abc\r\n"));
    QVERIFY(sv().boxes.isEmpty());
}

void TestMainWindow::saveNeedsAValidSlot_data()
{
    QTest::addColumn<QString>("slot");
    QTest::newRow("design text") << "Label23";
    QTest::newRow("six") << "6";
    QTest::newRow("number text") << " 1 ";
}

void TestMainWindow::saveNeedsAValidSlot()
{
    QFETCH(QString, slot);
    writeDefaultProfiles();
    Form2 *main = createMainWindow();
    main->Label23->setText(slot);
    main->Text1->setText(QStringLiteral("99999"));
    UserSlot = 3;
    main->horsesave();
    main->horsesavenoname();
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(bytes(QStringLiteral("\\data\\user%1cash.hor").arg(s)), QByteArray("500\r\n"));
    QCOMPARE(UserSlot, qint16(3));
    // The display still runs.
    QVERIFY(main->Timer2->isActive());
    QCOMPARE(main->statusBar1()->panelText(2), QStringLiteral("Saving:"));
}

void TestMainWindow::saveDisplayRunsThirtyTicks()
{
    writeDefaultProfiles();
    Form2 *main = createMainWindow();
    main->Label23->setText(QStringLiteral("1"));
    main->horsesave();
    QVERIFY(main->Timer2->isActive());
    QVERIFY(main->progSave->isHidden()); // shown by the first tick, not by the save
    for (int tick = 1; tick <= 10; ++tick)
        main->Timer2_Timer();
    QCOMPARE(main->progSave->value(), 10);
    QCOMPARE(main->statusBar1()->panelText(2), QStringLiteral("Saving Data"));

    main->horsesave(); // a second save starts the count again
    QCOMPARE(main->progSave->value(), 0);
    for (int tick = 1; tick <= 29; ++tick)
        main->Timer2_Timer();
    QVERIFY(!main->progSave->isHidden());
    QVERIFY(main->Timer2->isActive());
    main->Timer2_Timer();
    QVERIFY(main->progSave->isHidden());
    QVERIFY(!main->Timer2->isActive());
    QCOMPARE(main->statusBar1()->panelText(2), QString());
}

void TestMainWindow::failedSaveIsReportedOnce()
{
    writeDefaultProfiles();
    Form2 *main = createMainWindow();
    main->Label23->setText(QStringLiteral("2"));
    main->Text1->setText(QStringLiteral("900"));
    // Two of the eight files cannot be written: folders stand in their place.
    remove("\\data\\user2debt.hor");
    remove("\\data\\user2hor3.hor");
    QDir().mkpath(path("\\data\\user2debt.hor"));
    QDir().mkpath(path("\\data\\user2hor3.hor"));

    main->horsesave();
    QCOMPARE(sv().boxes.size(), 1);
    QCOMPARE(sv().boxes[0].icon, MsgIcon::Critical);
    QVERIFY(sv().boxes[0].text.contains(QDir::toNativeSeparators(path("\\data"))));
    // The files that could be written were.
    QCOMPARE(bytes("\\data\\user2cash.hor"), QByteArray("900\r\n"));
    QCOMPARE(bytes("\\data\\user2hor5.hor"), QByteArray("Black Beauty\r\n"));

    main->horsesavenoname();
    QCOMPARE(sv().boxes.size(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

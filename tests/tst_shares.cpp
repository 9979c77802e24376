#include "support/gametest.h"
#include "support/login.h"

#include "common/registry.h"
#include "mainwindow/form2.h"
#include "mainwindow/sharemarket.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"

class TestShares : public GameTest
{
    Q_OBJECT

private slots:
    void sharePrices_data();
    void sharePrices();
    void sharePricesStayInTheirBands();
    void auctionPrice_data();
    void auctionPrice();

    void priceCheckOpensTheMarket();
    void priceCheckOffersSaleToAnOwner();
    void buy_data();
    void buy();
    void buyWithoutChoosingBuysNothing_data();
    void buyWithoutChoosingBuysNothing();
    void secondCheckKeepsTheChosenPrice();
    void sale();
    void saleNeedsAShare();
    void unreadableCashIsKept();

private:
    // Scripts one full set of share prices.
    void scriptPrices(const std::array<int, 5> &prices) const;
    // Slot 1 logged in (cash 500, debt 500), with the given cash and share line.
    Form2 *loggedIn(const QString &cash, const QString &share = UserProfile::NoShares);
    QByteArray saved(const QString &suffix) const { return bytes(UserProfile::file(1, suffix)); }
};

void TestShares::scriptPrices(const std::array<int, 5> &prices) const
{
    for (std::size_t k = 0; k < prices.size(); ++k)
        sv().draws << draw(prices[k], SharePriceRanges[k]);
}

Form2 *TestShares::loggedIn(const QString &cash, const QString &share)
{
    writeDefaultProfiles();
    Form2 *main = logIn(1);
    if (!main)
        qFatal("slot 1 did not log in");
    main->Timer3->stop(); // the version check would ask the network mid-test
    main->Text1->setText(cash);
    main->Label16->setText(share);
    main->SSTab1->setCurrentIndex(2);
    sv().boxes.clear();
    sv().draws.clear();
    return main;
}

void TestShares::sharePrices_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("prices");
    QTest::addColumn<int>("rounds");

    const QList<int> floors = {25000, 20000, 18000, 15000, 13000};
    const QList<int> tops = {50000, 40000, 30000, 26000, 20000};
    // clang-format off
    QTest::newRow("all at their floors") << floors << floors << 1;
    QTest::newRow("all at their tops")   << tops << tops << 1;
    // One price a step under its floor throws the whole set away, good prices included.
    QTest::newRow("last below its floor")
        << (QList<int>{40000, 30000, 20000, 20000, 12999} + tops) << tops << 2;
    QTest::newRow("first below its floor")
        << (QList<int>{24999, 40000, 30000, 26000, 20000} + floors) << floors << 2;
    QTest::newRow("two bad sets")
        << (QList<int>{1, 1, 1, 1, 1} + QList<int>{25000, 20000, 17999, 15000, 13000} + floors)
        << floors << 3;
    // clang-format on
}

void TestShares::sharePrices()
{
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, prices);
    QFETCH(int, rounds);
    for (int i = 0; i < draws.size(); ++i)
        sv().draws << draw(draws[i], SharePriceRanges[static_cast<std::size_t>(i % 5)]);

    const std::array<int, 5> drawn = drawSharePrices();
    QCOMPARE(QList<int>(drawn.begin(), drawn.end()), prices);
    QCOMPARE(sv().rndCalls, 5 * rounds);
    // Every draw is reseeded first.
    QCOMPARE(sv().randomizeCalls, 5 * rounds);
    QVERIFY(sv().draws.isEmpty());
}

void TestShares::sharePricesStayInTheirBands()
{
    // Unscripted draws: the generator itself, over many checks.
    std::array<int, 5> lowest = SharePriceRanges;
    std::array<int, 5> highest{};
    for (int check = 0; check < 400; ++check) {
        const std::array<int, 5> prices = drawSharePrices();
        for (std::size_t k = 0; k < 5; ++k) {
            QVERIFY2(prices[k] >= SharePriceFloors[k] && prices[k] <= SharePriceRanges[k],
                     qPrintable(QStringLiteral("position %1 drew %2").arg(k + 1).arg(prices[k])));
            lowest[k] = std::min(lowest[k], prices[k]);
            highest[k] = std::max(highest[k], prices[k]);
        }
    }
    // The draws spread over the band rather than sticking to one value.
    for (std::size_t k = 0; k < 5; ++k)
        QVERIFY(highest[k] - lowest[k] > (SharePriceRanges[k] - SharePriceFloors[k]) / 2);

    for (int sale = 0; sale < 400; ++sale) {
        const int price = drawAuctionPrice();
        QVERIFY(price >= 10001 && price <= 25000);
    }
}

void TestShares::auctionPrice_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("price");
    QTest::newRow("lowest accepted") << QList<int>{10001} << 10001;
    QTest::newRow("highest") << QList<int>{25000} << 25000;
    QTest::newRow("10000 is drawn again") << QList<int>{10000, 17500} << 17500;
    QTest::newRow("several low draws") << QList<int>{1, 5000, 9999, 10000, 10002} << 10002;
}

void TestShares::auctionPrice()
{
    QFETCH(QList<int>, draws);
    QFETCH(int, price);
    for (int value : draws)
        sv().draws << draw(value, AuctionRange);
    QCOMPARE(drawAuctionPrice(), price);
    QVERIFY(sv().draws.isEmpty());
}

void TestShares::priceCheckOpensTheMarket()
{
    Form2 *main = loggedIn(QStringLiteral("500"));
    const QList<QByteArray> before = {saved(UserProfile::Cash), saved(UserProfile::Share)};
    scriptPrices({30000, 20000, 29999, 15000, 13000});

    ctl<QPushButton>(main, "Command4")->click();

    const QStringList prices = {"30000", "20000", "29999", "15000", "13000"};
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(main->priceBox(k)->text(), prices[k - 1]);
        QCOMPARE(ctl<QLabel>(main, QStringLiteral("Label5%1").arg(k))->text(), prices[k - 1]);
        QRadioButton *sale = ctl<QRadioButton>(main, QStringLiteral("Option%1").arg(k + 5));
        QCOMPARE(sale->text(), main->runner(k)->text());
        QVERIFY(sale->isVisibleTo(main));
    }
    QVERIFY(ctl<QLabel>(main, "Label17(0)")->isVisibleTo(main));
    QCOMPARE(ctl<QLabel>(main, "Label17(0)")->text(), QStringLiteral("Horse Cost £"));
    QVERIFY(ctl<QLabel>(main, "horsecost(1)")->isVisibleTo(main));
    QVERIFY(main->Command5->isVisibleTo(main));
    QVERIFY(main->Command8->isHidden()); // nothing to sell
    QCOMPARE(main->horsecost1->text(), QStringLiteral("0"));
    // A check saves nothing and shows no box.
    QVERIFY(sv().boxes.isEmpty());
    QCOMPARE((QList<QByteArray>{saved(UserProfile::Cash), saved(UserProfile::Share)}), before);

    // Clicking a horse for sale shows its own price.
    main->Option8->click();
    QCOMPARE(main->horsecost1->text(), QStringLiteral("29999"));
    main->Option6->click();
    QCOMPARE(main->horsecost1->text(), QStringLiteral("30000"));

    // The list belongs to the check: a renamed runner shows under its new name only after
    // the next one.
    main->Option1->setText(QStringLiteral("Renamed"));
    QCOMPARE(main->Option6->text(), QStringLiteral("Red Rum"));
    main->Command4->click();
    QCOMPARE(main->Option6->text(), QStringLiteral("Renamed"));
}

void TestShares::priceCheckOffersSaleToAnOwner()
{
    Form2 *main = loggedIn(QStringLiteral("500"), QStringLiteral("Mr Ed"));
    main->Command4->click();
    QVERIFY(main->Command8->isVisibleTo(main));
}

void TestShares::buy_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("share");
    QTest::addColumn<int>("horse");
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<QString>("shareAfter");

    // Prices scripted by the test: 30000, 20000, 18000, 15000, 13000.
    const QString none = UserProfile::NoShares;
    // clang-format off
    QTest::newRow("exactly the cash")     << "18000" << none    << 3 << "0"     << "Mr Ed";
    QTest::newRow("with change")          << "50000" << none    << 5 << "37000" << "Black Beauty";
    // The old share goes with nothing paid back for it.
    QTest::newRow("replaces a share")     << "40000" << "Red Rum" << 2 << "20000"
                                          << "Desert Orchard";
    QTest::newRow("the held horse again") << "40000" << "Desert Orchard" << 2 << "20000"
                                          << "Desert Orchard";
    QTest::newRow("one short")            << "17999" << none    << 3 << "17999" << none;
    QTest::newRow("in debt")              << "-5"    << "Red Rum" << 5 << "-5"  << "Red Rum";
    // clang-format on
}

void TestShares::buy()
{
    QFETCH(QString, cash);
    QFETCH(QString, share);
    QFETCH(int, horse);
    QFETCH(QString, cashAfter);
    QFETCH(QString, shareAfter);
    Form2 *main = loggedIn(cash, share);
    main->Label57->setText(share);
    scriptPrices({30000, 20000, 18000, 15000, 13000});
    main->Command4->click();
    main->forSale(horse)->click();

    ctl<QPushButton>(main, "Command5")->click();

    QCOMPARE(main->Text1->text(), cashAfter);
    QCOMPARE(main->Label16->text(), shareAfter);
    QCOMPARE(main->Label57->text(), shareAfter);
    const bool bought = cash != cashAfter;
    if (!bought) {
        QCOMPARE(sv().boxTexts(),
                 QStringList{" You don't have enough money to buy that horse, please try "
                             "another, or wait till you have more money"});
        QCOMPARE(sv().boxes.first().icon, MsgIcon::None);
        // Nothing moved: the market is still open and nothing was saved.
        QVERIFY(main->Command5->isVisibleTo(main));
        QVERIFY(main->forSale(horse)->isVisibleTo(main));
        QCOMPARE(saved(UserProfile::Cash), QByteArray("500\r\n"));
        return;
    }
    QVERIFY(sv().boxes.isEmpty());
    for (int k = 1; k <= 5; ++k)
        QVERIFY(main->forSale(k)->isHidden());
    QVERIFY(main->Label17[0]->isHidden());
    QVERIFY(main->horsecost1->isHidden());
    QVERIFY(main->Command5->isHidden());
    QVERIFY(main->Command8->isVisibleTo(main));
    QCOMPARE(saved(UserProfile::Cash), cashAfter.toUtf8() + "\r\n");
    QCOMPARE(saved(UserProfile::Share), shareAfter.toUtf8() + "\r\n");
    frmcontrol *login = loadedForm<frmcontrol>();
    QVERIFY(login && login->isHidden());
    QCOMPARE(login->txtcash->text(), cashAfter);
}

void TestShares::buyWithoutChoosingBuysNothing_data()
{
    QTest::addColumn<QString>("share");
    QTest::newRow("no share") << UserProfile::NoShares;
    QTest::newRow("share held") << QStringLiteral("Mr Ed");
}

void TestShares::buyWithoutChoosingBuysNothing()
{
    QFETCH(QString, share);
    Form2 *main = loggedIn(QStringLiteral(" 500 "), share);
    main->Command4->click();

    main->Command5->click(); // no horse chosen: the chosen price is still "0"

    QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    QCOMPARE(main->Label16->text(), share);
    QVERIFY(main->Command5->isHidden());
    QVERIFY(main->Option6->isHidden());
    // The sale is offered even though nothing was bought...
    QVERIFY(main->Command8->isVisibleTo(main));
    QVERIFY(sv().boxes.isEmpty());
    // ...but it pays out only for a share that is really held.
    main->Command8->click();
    QCOMPARE(sv().boxes.size(), 1);
    QCOMPARE(main->Text1->text() == QStringLiteral("500"), share == UserProfile::NoShares);
}

void TestShares::secondCheckKeepsTheChosenPrice()
{
    Form2 *main = loggedIn(QStringLiteral("60000"));
    scriptPrices({30000, 20000, 18000, 15000, 13000});
    main->Command4->click();
    main->Option7->click();
    scriptPrices({50000, 40000, 30000, 26000, 20000});
    main->Command4->click();
    QCOMPARE(main->Text6->text(), QStringLiteral("40000"));
    QCOMPARE(main->horsecost1->text(), QStringLiteral("20000"));

    main->Command5->click();

    // The earlier price, for the horse still selected.
    QCOMPARE(main->Text1->text(), QStringLiteral("40000"));
    QCOMPARE(main->Label16->text(), QStringLiteral("Desert Orchard"));
}

void TestShares::sale()
{
    Form2 *main = loggedIn(QStringLiteral("500"), QStringLiteral("Mr Ed"));
    main->Label57->setText(QStringLiteral("Mr Ed"));
    scriptPrices({30000, 20000, 18000, 15000, 13000});
    main->Command4->click();
    main->Option9->click();
    sv().draws << draw(9000, AuctionRange) << draw(15000, AuctionRange);

    ctl<QPushButton>(main, "Command8")->click();

    QCOMPARE(sv().boxTexts(), QStringList{"Your Horse As Been Sold For £15000"});
    QCOMPARE(sv().boxes.first().icon, MsgIcon::None);
    QCOMPARE(main->Text1->text(), QStringLiteral("15500"));
    QCOMPARE(main->Label16->text(), UserProfile::NoShares);
    QVERIFY(main->Command8->isHidden());
    // The saved profile holds the sale's cash together with the empty share line.
    QCOMPARE(saved(UserProfile::Cash), QByteArray("15500\r\n"));
    QCOMPARE(saved(UserProfile::Share), QByteArray("You Have No Shares\r\n"));
    QCOMPARE(loadedForm<frmcontrol>()->txtcash->text(), QStringLiteral("15500"));
    // The sale leaves the copy line, the list and the chosen price alone.
    QCOMPARE(main->Label57->text(), QStringLiteral("Mr Ed"));
    QVERIFY(main->Option9->isVisibleTo(main));
    QCOMPARE(main->horsecost1->text(), QStringLiteral("15000"));

    // A sale never pushes the cash past the 32-bit edge.
    main->Label16->setText(QStringLiteral("Mr Ed"));
    main->Text1->setText(QStringLiteral("2147480000"));
    main->Command8->show();
    sv().draws << draw(25000, AuctionRange);
    main->Command8->click();
    QCOMPARE(main->Text1->text(), QStringLiteral("2147483647"));
}

void TestShares::saleNeedsAShare()
{
    // A share sold, then the next player logs in to a window whose Sell button is still up.
    Form2 *main = loggedIn(QStringLiteral("500"));
    main->Command8->show();

    main->Command8->click();

    QCOMPARE(sv().boxTexts(), QStringList{"You have no horse shares to sell"});
    QCOMPARE(main->Text1->text(), QStringLiteral("500"));
    QVERIFY(main->Command8->isHidden());
    QCOMPARE(saved(UserProfile::Cash), QByteArray("500\r\n"));
}

void TestShares::unreadableCashIsKept()
{
    Form2 *main = loggedIn(QStringLiteral("lots"), QStringLiteral("Mr Ed"));
    scriptPrices({30000, 20000, 18000, 15000, 13000});
    main->Command4->click();
    main->Option10->click();

    main->Command5->click();
    QCOMPARE(sv().boxTexts(),
             QStringList{" You don't have enough money to buy that horse, please try another, "
                         "or wait till you have more money"});
    QCOMPARE(main->Text1->text(), QStringLiteral("lots"));
    QCOMPARE(main->Label16->text(), QStringLiteral("Mr Ed"));

    sv().boxes.clear();
    main->Command8->click();
    QCOMPARE(sv().boxTexts(),
             QStringList{" Your cash is not an amount, so your horse has not been sold"});
    QCOMPARE(sv().boxes.first().icon, MsgIcon::Critical);
    QCOMPARE(main->Text1->text(), QStringLiteral("lots"));
    QCOMPARE(main->Label16->text(), QStringLiteral("Mr Ed"));
    QVERIFY(main->Command8->isVisibleTo(main));
    QCOMPARE(saved(UserProfile::Share), QByteArray("You Have No Shares\r\n"));
}

QTEST_MAIN(TestShares)
#include "tst_shares.moc"

#include "form2.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "mainwindow/sharemarket.h"
#include "profiles/userprofile.h"

namespace {
const QString NotEnoughMoney = QStringLiteral(
    " You don't have enough money to buy that horse, please try another, or wait till you have "
    "more money");
} // namespace

void Form2::Command4_Click()
{
    const std::array<int, 5> prices = drawSharePrices();
    for (int k = 1; k <= 5; ++k) {
        const QString price = digits(prices[k - 1]);
        priceBox(k)->setText(price);
        shownPrice(k)->setText(price);
        shownPrice(k)->show();
        forSale(k)->setText(runner(k)->text());
        forSale(k)->show();
    }
    Label17[0]->show();
    horsecost1->show();
    Command5->show();
    if (Label16->text() != UserProfile::NoShares)
        Command8->show();
}

void Form2::Command5_Click()
{
    const std::optional<qint32> cash = toWhole(Text1->text());
    const std::optional<qint32> price = toWhole(horsecost1->text());
    // A cash box typed over with something that is not an amount cannot pay: refusing keeps
    // whatever it holds, where reading it as 0 would overwrite it with the change.
    if (!cash || !price || *price > *cash) {
        msgBox(NotEnoughMoney);
        return;
    }

    Text1->setText(moneyText(qint64{*cash} - *price));
    for (int k = 1; k <= 5; ++k) {
        if (forSale(k)->isChecked()) {
            Label16->setText(forSale(k)->text());
            Label57->setText(forSale(k)->text());
            break;
        }
    }
    for (int k = 1; k <= 5; ++k)
        forSale(k)->hide();
    Label17[0]->hide();
    horsecost1->hide();
    Command5->hide();
    Command8->show();
    mirrorMoneyToLogin(false);
    horsesavenoname();
}

void Form2::Command8_Click()
{
    // The button can be up without a share (after a Buy with no horse chosen, or for a player
    // who logs in after the owner): selling then would pay out for a share nobody holds.
    if (Label16->text() == UserProfile::NoShares) {
        msgBox(QStringLiteral("You have no horse shares to sell"), MsgIcon::Information);
        Command8->hide();
        return;
    }
    if (!toWhole(Text1->text())) {
        msgBox(QStringLiteral(" Your cash is not an amount, so your horse has not been sold"),
               MsgIcon::Critical);
        return;
    }

    const int price = drawAuctionPrice();
    msgBox(QStringLiteral("Your Horse As Been Sold For ") + curr->text() + digits(price));
    // The cash is read after the box: a race may have settled while it was open. Only the
    // settlement writes the cash meanwhile, and always as a whole number.
    Label16->setText(UserProfile::NoShares);
    Text1->setText(moneyText(qint64{wholeOrZero(Text1->text())} + price));
    mirrorMoneyToLogin(false);
    // The sale and the empty share line are saved together, so neither can be lost alone.
    horsesavenoname();
    Command8->hide();
}

void Form2::chooseForSale(int k)
{
    horsecost1->setText(priceBox(k)->text());
}

void Form2::Option6_Click()
{
    chooseForSale(1);
}

void Form2::Option7_Click()
{
    chooseForSale(2);
}

void Form2::Option8_Click()
{
    chooseForSale(3);
}

void Form2::Option9_Click()
{
    chooseForSale(4);
}

void Form2::Option10_Click()
{
    chooseForSale(5);
}

#include "form4.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "mainwindow/form2.h"
#include "mainwindow/racecard.h"
#include "profiles/userprofile.h"
#include "playergone.h"
#include "racerules.h"

#include <QComboBox>
#include <QPointer>
#include <QRadioButton>

namespace {

// A field that does not hold a number (a cash box typed over, a winnings label left at
// "Nothing" by a cancelled bet) counts as 0, so a race always settles. Winnings too large for
// the cash stop it at the edge like any other sum, rather than being dropped.
void addToCash(Form2 *main, qint64 amount)
{
    main->Text1->setText(moneyText(wholeOrZero(main->Text1->text()) + amount));
}

} // namespace

// The race is over: pay out, charge interest, deal new odds, test a doped horse, save and
// close. The order is what the player sees, one box after the other.
void Form4::Command3_Click()
{
    // Only a horse at the line settles a race; the hidden button alone does nothing.
    if (winner < 1 || winner > 5)
        return;
    for (int k = 1; k <= 5; ++k)
        horseTimer(k)->stop();

    // Taken before the first box: the boxes let events through, and nothing of this window
    // may be needed after them.
    const int horse = winner;
    const bool doped = Text1->text() == QLatin1String("1");
    QPointer<Form4> self(this);

    // A race outlives its player only until the way out closes it: without the main window
    // there is nobody to pay, and the save at the close was the player's last word.
    QPointer<Form2> main(loadedForm<Form2>());
    if (playerGone(main, self))
        return;
    const QString curr = main->curr->text();
    const QString name = main->runner(horse)->text();
    // One arg() call, so a horse named with a "%2" stays as named.
    msgBox(QStringLiteral("The Winner Was %1 (Horse %2)").arg(name, QString::number(horse)),
           MsgIcon::Information);
    if (playerGone(main, self))
        return;
    main->Text11->setText(name);

    if (main->Label14->text() == name) {
        msgBox(QStringLiteral(" Your horse was the winner! You Have Won ") + curr
                   + main->Label12->text(),
               MsgIcon::Information);
        if (playerGone(main, self))
            return;
        // The stake stays with the player; the winnings come on top.
        addToCash(main, amountOrZero(main->Label12->text()));
    } else {
        // The cash box shows the loss while the message is up.
        addToCash(main, -amountOrZero(main->Label10->text()));
        msgBox(QStringLiteral(" Your Horse Lost"), MsgIcon::Critical);
        if (playerGone(main, self))
            return;
    }

    const qint64 debt = wholeOrZero(main->Text2->text());
    main->Text2->setText(moneyText(debt + debtInterest(debt)));

    showForm(main);

    main->Command2->setEnabled(true);
    main->wiz1->show();
    main->Command12->show();
    main->Command12->setEnabled(true);

    const bool ownsShare = main->Label16->text() != UserProfile::NoShares;
    if (ownsShare && main->Label16->text() == name) {
        msgBox(QStringLiteral("The Horse You Own As Won The Race, You Get ") + curr
                   + QStringLiteral("10,000 "),
               MsgIcon::Information);
        if (playerGone(main, self))
            return;
        addToCash(main, OwnersPrize);
    }

    if (ownsShare) {
        if (const std::optional<Bill> bill = drawBill()) {
            msgBox(billText(bill->kind) + curr + QString::number(bill->amount), MsgIcon::Critical);
            if (playerGone(main, self))
                return;
            addToCash(main, -bill->amount);
        }
    }

    main->Text3->setEnabled(true);

    const std::array<int, 5> odds = drawOdds();
    for (int k = 1; k <= 5; ++k)
        main->oddsLabel(k)->setText(QString::number(odds[k - 1]));

    if (doped && drawDrugTest()) {
        const int fine = drawDrugFine();
        msgBox(
            QStringLiteral("Your horse as been tested for drugs, your horse was proven positive"),
            MsgIcon::Critical);
        if (playerGone(main, self))
            return;
        msgBox(QStringLiteral("you have been fined ") + curr + QString::number(fine)
                   + QStringLiteral(" & your horse as been destroyed"),
               MsgIcon::Critical);
        if (playerGone(main, self))
            return;
        addToCash(main, -fine);
        // The share is forfeit, with nothing paid back.
        main->Label16->setText(UserProfile::NoShares);
        main->Command8->hide();
    }

    main->Command2->setEnabled(true);
    main->Command6->setEnabled(true);
    main->Command10->setEnabled(true);

    main->horsesavenoname();

    unload(self.data());
}

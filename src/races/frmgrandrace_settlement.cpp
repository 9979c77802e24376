#include "frmgrandrace.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "frmgrand.h"
#include "grandrules.h"
#include "mainwindow/form2.h"
#include "mainwindow/racecard.h"
#include "playergone.h"
#include "racerules.h"

#include <QComboBox>
#include <QPointer>
#include <QRadioButton>

namespace {

// Money is the main window's. Each step adds to what it holds at that moment (a race in the
// ordinary race window may have paid out during a message box), and the betting window's
// copies follow.
void addToCash(Form2 *main, FrmGrand *grand, qint64 amount)
{
    main->Text1->setText(moneyText(wholeOrZero(main->Text1->text()) + amount));
    if (grand)
        grand->Text1->setText(main->Text1->text());
}

} // namespace

void Frmgrandrace::settle(int winner)
{
    QPointer<Frmgrandrace> self(this);
    QPointer<FrmGrand> grand(loadedForm<FrmGrand>());
    QPointer<Form2> main(loadedForm<Form2>());
    if (playerGone(main, self))
        return;
    if (!grand) {
        unload(this);
        return;
    }
    const QString curr = main->curr->text();
    const QString name = grand->runner(winner)->text();

    // One arg() call, so a horse named with a "%2" stays as named.
    msgBox(QStringLiteral("The Winner Was %1 (Horse %2)").arg(name, QString::number(winner)));
    if (playerGone(main, self))
        return;
    if (grand)
        grand->Text4->setText(name);

    if (grand && grand->Label12->text() == name) {
        msgBox(QStringLiteral(" Your horse was the winner! You Have Won ") + curr
               + grand->Label11->text());
        if (playerGone(main, self))
            return;
        // The stake left the cash when it was placed; only the winnings come back.
        if (grand)
            addToCash(main, grand, amountOrZero(grand->Label11->text()));
    } else {
        msgBox(QStringLiteral(" Your Horse Lost"));
        if (playerGone(main, self))
            return;
    }

    const qint64 debt = wholeOrZero(main->Text2->text());
    main->Text2->setText(moneyText(debt + debtInterest(debt)));
    if (grand) {
        grand->Text2->setText(main->Text2->text());
        showForm(grand);
        grand->Command1->setEnabled(true);
    }

    // The prize is the owner's: a share sold since the entry gets nothing, one renamed keeps it.
    if (grand && grand->Label9->text() == name && grand->shareStillHeld(main)) {
        msgBox(QStringLiteral("The Horse You Own As Won The Race, You Get ") + curr
               + QStringLiteral("1,000,000"));
        if (playerGone(main, self))
            return;
        addToCash(main, grand, GrandOwnersPrize);
    }

    // The GrandNational bills whoever entered, share or no share by now.
    if (const std::optional<Bill> bill = drawBill(GrandBillMax)) {
        msgBox(billText(bill->kind) + curr + QString::number(bill->amount));
        if (playerGone(main, self))
            return;
        addToCash(main, grand, -bill->amount);
    }

    if (grand) {
        grand->Text3->setEnabled(true);
        // The ordinary race card's ranges, not the long odds of the first field.
        const std::array<int, 5> odds = drawOdds();
        for (int k = 1; k <= 5; ++k)
            grand->oddsLabel(k)->setText(QString::number(odds[static_cast<std::size_t>(k - 1)]));
    }

    showForm(main);
    if (grand) {
        grand->Text1->setText(main->Text1->text());
        grand->Text2->setText(main->Text2->text());
        grand->hide();
    }
    unload(self.data());
}

#include "frmgrand.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "frmgrandrace.h"
#include "grandrules.h"
#include "mainwindow/form2.h"

#include <cmath>

void FrmGrand::Text3_Change()
{
    // Only typing gets here; picking from the list waits for Confirm.
    Command1->setEnabled(true);
}

void FrmGrand::Command1_Click()
{
    // The money is the main window's; with the player gone there is nothing to stake.
    Form2 *main = loadedForm<Form2>();
    if (!main)
        return;
    const QString curr = main->curr->text();
    const qint32 stake = wholeOrZero(Text3->currentText());
    // The main window's cash, not the copy here: money moves elsewhere while this window
    // waits, and the stake must come out of what the player has now.
    const qint32 cash = wholeOrZero(main->Text1->text());

    if (stake > GrandStakeLimit) {
        msgBox(QStringLiteral(" The bet is over ") + curr + QString::number(GrandStakeLimit));
    } else if (stake >= cash) {
        msgBox(QStringLiteral("you dont have enough cash, please try again"));
    } else if (stake <= 0) {
        msgBox(QStringLiteral("Please enter the amount you wish to bet"));
    } else {
        // Taken before the message: a race elsewhere may move the cash while it is up.
        Command2->setEnabled(false);
        Text3->setEnabled(false);
        for (int k = 1; k <= 5; ++k)
            runner(k)->setEnabled(true);
        Command1->setEnabled(false);
        Label10->setText(Text3->currentText());
        main->Text1->setText(moneyText(qint64{cash} - stake));
        Text1->setText(main->Text1->text());
        msgBox(QStringLiteral("You are placing ") + curr + digits(stake)
               + QStringLiteral(" on this next race"));
    }
}

void FrmGrand::Option1_Click()
{
    chooseRunner(1);
}

void FrmGrand::Option2_Click()
{
    chooseRunner(2);
}

void FrmGrand::Option3_Click()
{
    chooseRunner(3);
}

void FrmGrand::Option4_Click()
{
    chooseRunner(4);
}

void FrmGrand::Option5_Click()
{
    chooseRunner(5);
}

void FrmGrand::chooseRunner(int k)
{
    // The stake box holds the accepted stake as typed, so 100.5 at 3 to 1 wins 301.5, which
    // goes to the even neighbour.
    const double odds = toDouble(oddsLabel(k)->text()).value_or(0.0);
    const double stake = toDouble(Text3->currentText()).value_or(0.0);
    Label11->setText(moneyText(static_cast<qint64>(std::nearbyint(odds * stake))));
    Label12->setText(runner(k)->text());
    Command3->setEnabled(true);
}

void FrmGrand::Command3_Click()
{
    for (int k = 1; k <= 5; ++k)
        runner(k)->setEnabled(false);
    Command3->setEnabled(false);
    Command2->setEnabled(true);
}

void FrmGrand::Command2_Click()
{
    showForm(form<Frmgrandrace>());
}

#include "form2.h"

#include "common/dialogs.h"
#include "common/numbers.h"

namespace {
// The bank lends at most this much per loan.
constexpr qint64 LoanLimit = 2000;
// What the hidden cash code in the amount box adds to the cash.
constexpr qint64 CashCodeBonus = 20000;
const QString CashCode = QStringLiteral("brisk");

} // namespace

void Form2::Command6_Click()
{
    if (Text10->text() == CashCode) {
        // A cheat, not a loan: no debt, no message, no save, and Borrow stays as it was.
        Text1->setText(moneyText(wholeOrZero(Text1->text()) + CashCodeBonus));
        mirrorMoneyToLogin(false);
        return;
    }

    const qint64 debt = wholeOrZero(Text2->text());
    const qint64 amount = wholeOrZero(Text10->text());
    const qint64 cash = wholeOrZero(Text1->text());
    if (amount > LoanLimit) {
        msgBox(QStringLiteral(" You are trying to borrow to much"), MsgIcon::Critical);
        return;
    }

    // Booked before the box: a race may settle while it is open, and its win, interest and
    // reopened counter must not be overwritten by values read before it.
    Text1->setText(moneyText(cash + amount));
    Text2->setText(moneyText(debt + amount));
    mirrorMoneyToLogin(true);
    // One loan per race: the settlement opens the counter again.
    Command6->setEnabled(false);
    const QString symbol = curr->text();
    msgBox(QStringLiteral("You are borrowing ") + symbol + digits(amount)
           + QStringLiteral(". You now have ") + symbol + Text1->text());
    horsesavenoname();
}

void Form2::Command7_Click()
{
    const qint64 debt = wholeOrZero(Text2->text());
    const qint64 amount = wholeOrZero(Text10->text());
    const qint64 cash = wholeOrZero(Text1->text());
    if (amount > cash) {
        msgBox(QStringLiteral(" You are trying to payback more than you have"), MsgIcon::Critical);
        return;
    }
    if (amount > debt) {
        msgBox(QStringLiteral(" You are trying to pay back more than you owe"), MsgIcon::Critical);
        return;
    }

    // Booked before the box, as a loan is.
    Text1->setText(moneyText(cash - amount));
    Text2->setText(moneyText(debt - amount));
    mirrorMoneyToLogin(true);
    // Paying back does not open the way to a second loan before the next race.
    Command6->setEnabled(false);
    const QString symbol = curr->text();
    msgBox(QStringLiteral("You Have Paid Back ") + symbol + digits(amount)
               + QStringLiteral(". You now have ") + symbol + Text1->text(),
           MsgIcon::Information);
    horsesavenoname();
}

void Form2::Text10_Click()
{
    Text10->clear();
}

// The amount box looks flat while it has the focus and sunken otherwise.
void Form2::Text10_GotFocus()
{
    Text10->setFrame(false);
}

void Form2::Text10_LostFocus()
{
    Text10->setFrame(true);
}

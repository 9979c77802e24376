#include "form2.h"

#include "common/dialogs.h"
#include "common/linklabel.h"
#include "common/numbers.h"
#include "common/statusbar.h"
#include "online/frmprog.h"
#include "profiles/userprofile.h"
#include "races/form13.h"
#include "races/form4.h"

#include <QFont>
#include <QLineEdit>

namespace {

const QString HorseHint = QStringLiteral("Now Select The Horse You Wish To Bet On");
// Typed into the stake box while runner 1 bears it, it opens the programmer screen.
const QString ProgrammerName = QStringLiteral("Peter Arnold Wilkes");

// A factor of the winnings. After a cancelled bet the stake box may hold any text; one that
// is not a number counts as 0, so the winnings show "0" rather than a stale amount.
double factor(const QString &text)
{
    return toDouble(text).value_or(0.0);
}

} // namespace

void Form2::Command10_Click()
{
    const MsgResult answer = msgBox(
        QStringLiteral("Are You Sure That You Want To Play ") + curr->text() + Text3->currentText()
            + QStringLiteral(" On This Race?"),
        MsgIcon::None, MsgButtons::YesNo, QStringLiteral("Stallix6 Is Asking You A Question?"));
    if (answer == MsgResult::Yes)
        Command2_Click();
}

std::optional<qint32> Form2::stakeWithinLimits(const QString &stakeText)
{
    const qint32 stake = wholeOrZero(stakeText);
    const qint32 cash = wholeOrZero(Text1->text());
    if (stake >= 801) {
        msgBox(QStringLiteral(" The bet is over ") + curr->text() + QStringLiteral("800 "),
               MsgIcon::Critical);
    } else if (stake >= cash) {
        msgBox(QStringLiteral("you dont have enough cash, please try again"), MsgIcon::Exclamation);
    } else if (stake <= 0) {
        msgBox(QStringLiteral("Please enter the amount you wish to bet"), MsgIcon::Information);
    } else {
        return stake;
    }
    return std::nullopt;
}

void Form2::Command2_Click()
{
    if (const std::optional<qint32> stake = stakeWithinLimits(Text3->currentText())) {
        msgBox(QStringLiteral("You are placing ") + curr->text() + digits(*stake)
                   + QStringLiteral(" on this next race"),
               MsgIcon::Information);
        Command9->setEnabled(true);
        Command1->setEnabled(true);
        Command10->setEnabled(false);
        Command11->setEnabled(false);
        Command12->setEnabled(false);
        Command2->setEnabled(false);
        Text3->setEnabled(false);
        for (int k = 1; k <= 5; ++k)
            runner(k)->setEnabled(true);
        Label10->setText(Text3->currentText());
        // The wizard moves on to its runner step, which also holds Place Bet back until a
        // runner is chosen.
        Command200_Click();
    }

    StatusBar1->setPanelText(3, HorseHint);
}

void Form2::Option1_Click()
{
    chooseRunner(1);
}

void Form2::Option2_Click()
{
    chooseRunner(2);
}

void Form2::Option3_Click()
{
    chooseRunner(3);
}

void Form2::Option4_Click()
{
    chooseRunner(4);
}

void Form2::Option5_Click()
{
    chooseRunner(5);
}

void Form2::chooseRunner(int k)
{
    // Read from the stake box at the click, not from the bet slip: after a cancel the box
    // is open again and the runner click is what prices the bet.
    const QString winnings =
        decimalText(factor(oddsLabel(k)->text()) * factor(Text3->currentText()));
    const QString line = QStringLiteral("You Are Going To Place A Bet On: ") + runner(k)->text();
    StatusBar1->setPanelText(3, line);
    Label47->setText(line);
    Label48->setText(winnings);
    Label12->setText(winnings);
    Label14->setText(runner(k)->text());
    Command1->setEnabled(true);
}

void Form2::Command1_Click()
{
    msgBox(QStringLiteral("You Are Betting ") + curr->text() + Label10->text()
               + QStringLiteral(" on ") + Label14->text()
               + QStringLiteral(". If you win, you will win ") + curr->text() + Label12->text()
               + QStringLiteral(". Good Luck!"),
           MsgIcon::Information);
    Command1->setEnabled(false);
    for (int k = 1; k <= 5; ++k)
        runner(k)->setEnabled(false);
    Command3->setEnabled(true);
    Command17->setEnabled(true);
    StatusBar1->setPanelText(3, QStringLiteral("Now Select 'Start Race' - good luck "));
}

void Form2::Command3_Click()
{
    // Disabled first, so a second press cannot open a second race while this one starts.
    Command3->setEnabled(false);
    // The stake label is what the race settles, and the cash may have moved since the stake
    // was accepted (a purchase, a payment, another player after a log-off). A refused stake
    // keeps the bet placed: more cash, or a cancel and a new stake, lets it go on.
    if (!stakeWithinLimits(Label10->text())) {
        Command3->setEnabled(true);
        return;
    }
    if (Label16->text() != UserProfile::NoShares)
        showForm(form<Form13>());
    else
        showForm(form<Form4>());
}

void Form2::Command11_Click()
{
    showForm(form<Form4>());
}

void Form2::Label39_Click()
{
    // Once the doping offer or the race window is up, the bet belongs to that race: a stake
    // typed now would be settled against the winnings priced for the old one.
    if (loadedForm<Form13>() || loadedForm<Form4>())
        return;
    Text3->setEnabled(true);
    Command10->setEnabled(true);
    Command2->setEnabled(true);
    Command1->setEnabled(false);
    // A cancelled bet is no bet: the race waits until one is placed again.
    Command3->setEnabled(false);
    Command17->setEnabled(false);
}

void Form2::Label39_DragOver()
{
    QFont look = Label39->font();
    look.setUnderline(true);
    Label39->setFont(look);
}

void Form2::Label39_MouseMove()
{
    QFont look = Label39->font();
    look.setUnderline(!look.underline());
    Label39->setFont(look);
}

void Form2::Label39_MouseUp()
{
    QFont look = Label39->font();
    look.setUnderline(true);
    Label39->setFont(look);
}

void Form2::Text3_Change()
{
    // Picking from the list is a click, not a change: the stake label waits for the stake
    // check. Qt rewrites the edit text for a pick before it reports it; such a rewrite is not
    // typed, shows the picked item's text and leaves no edit history, which tells it from
    // typing, from an undo back to the picked text (it leaves a redo) and from code.
    const int item = Text3->currentIndex();
    const QLineEdit *edit = Text3->lineEdit();
    if (item >= 0 && !edit->isModified() && !edit->isUndoAvailable() && !edit->isRedoAvailable()
        && Text3->currentText() == Text3->itemText(item))
        return;

    // "vault" opens the administration password prompt, once that window exists, and empties
    // the box, which runs this handler again for the empty text.
    if (Text3->currentText() == QLatin1String("vault"))
        Text3->setEditText(QString());

    if (Text3->currentText() == ProgrammerName && Option1->text() == ProgrammerName)
        showForm(form<frmprog>());

    if (Text3->currentText() == QLatin1String("lanternquotas"))
        Text1->setText(QStringLiteral("100000"));

    Label10->setText(Text3->currentText());
}

void Form2::Text3_Click()
{
    StatusBar1->setPanelText(3, QStringLiteral("Enter The Amount You Wish To Place On This Race"));
}

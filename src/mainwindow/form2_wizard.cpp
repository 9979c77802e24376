#include "form2.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/twips.h"
#include "common/valuefile.h"

namespace {
// The wizard's own ceiling; the stake check behind it holds the real limits.
constexpr double WizardStakeCeiling = 801;
} // namespace

// The wizard places no bet of its own: every step drives the ordinary betting handlers, so
// their checks, messages and states hold unchanged.

void Form2::Command12_Click()
{
    const QString stake = wiz1->currentText();
    // Only numbers go on to the stake box: the box is editable, and a typed word would
    // otherwise reach the stake box's hidden trigger texts.
    const std::optional<double> amount = toDouble(stake);
    if (stake == StakePlaceholder || !amount) {
        msgBox(QStringLiteral("Please Select A Stake"));
        return;
    }
    if (*amount >= WizardStakeCeiling) {
        msgBox(QStringLiteral("Please enter a stake less than 800"));
        return;
    }
    // Unpicked first: a stake the player once picked from the list would otherwise come back
    // as that pick, which the stake box's change watch does not count as a change.
    Text3->setCurrentIndex(-1);
    Text3->setEditText(stake);
    Command10_Click();
}

void Form2::Command200_Click()
{
    // Place Bet waits for a runner, whichever button confirmed the stake.
    Command1->setEnabled(false);
    for (int k = 1; k <= 5; ++k) {
        QRadioButton *choice = wizardRunner(k);
        choice->setText(runner(k)->text());
        // The last race's choice must not look made while Select Your Horse waits for one.
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
        choice->show();
    }
    Command12->hide();
    wiz1->hide();
    Label46->setText(QStringLiteral("STEP 2:"));
    Label47->show();
    Label48->show();
    Label49->show();
    Command19->setEnabled(false);
    Command19->show();
    cmdst->show();
}

void Form2::chooseWizardRunner(int k)
{
    // The wizard's steps can outlive the bet they were set up for (a bet made with the
    // ordinary buttons leaves them up). They act only where the ordinary control they drive
    // could act, so no race is bet or run twice on one stake.
    if (!runner(k)->isEnabled())
        return;
    runner(k)->setChecked(true);
    switch (k) {
    case 1:
        Option1_Click();
        break;
    case 2:
        Option2_Click();
        break;
    case 3:
        Option3_Click();
        break;
    case 4:
        Option4_Click();
        break;
    default:
        Option5_Click();
        break;
    }
    Command19->setEnabled(true);
}

void Form2::Option11_Click()
{
    chooseWizardRunner(1);
}

void Form2::Option12_Click()
{
    chooseWizardRunner(2);
}

void Form2::Option13_Click()
{
    chooseWizardRunner(3);
}

void Form2::Option14_Click()
{
    chooseWizardRunner(4);
}

void Form2::Option15_Click()
{
    chooseWizardRunner(5);
}

void Form2::cmdst_Click()
{
    Command9_Click();
    cmdst->hide();
}

void Form2::Command19_Click()
{
    if (!Command1->isEnabled())
        return;
    Command1_Click();
    Command19->hide();
    for (int k = 1; k <= 5; ++k)
        wizardRunner(k)->hide();
    Label46->setText(QStringLiteral("STEP 3:"));
    Label47->hide();
    Label48->hide();
    Label49->hide();
    Command17->show();
    cmdst->hide();
}

void Form2::Command17_Click()
{
    if (Command3->isEnabled()) {
        Command3_Click();
        // A stake refused at the start leaves the bet placed, and the wizard at its step.
        if (Command3->isEnabled())
            return;
    }
    Command17->hide();
    // The settlement brings the stake box and its button back; the step name changes now.
    Label46->setText(QStringLiteral("STEP 1:"));
}

void Form2::Check1_Click()
{
    if (Check1->isChecked())
        ValueFile::write(gamePath(WizardFlagFile), QStringLiteral("0"));
}

void Form2::Command112_Click()
{
    // Once per opening: a closed panel has nothing left to close.
    if (Label40->isHidden())
        return;
    showWizardStrip(false);
    ValueFile::write(gamePath(WizardFlagFile),
                     Check1->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    resize(width() - twipsToPixels(WizardStripTwips), height());
}

void Form2::showWizardStrip(bool open)
{
    // Hidden, not only out of view: a wider or maximised window must not show a closed
    // panel, and its controls must leave the focus chain.
    Label40->setVisible(open);
    wizardStrip->setVisible(open);
}

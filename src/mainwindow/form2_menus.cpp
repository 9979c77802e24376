#include "form2.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/maker.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/statusbar.h"
#include "common/valuefile.h"
#include "form5.h"
#include "frmhall.h"
#include "online/form10.h"
#include "online/form6.h"
#include "online/form8.h"
#include "online/frmhelp.h"
#include "online/versioncheck.h"
#include "profiles/form7.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"
#include "races/form16.h"
#include "races/frmgrand.h"
#include "sidewindows.h"

#include <optional>

namespace {

constexpr qint32 GrandNationalFee = 30000;

const QString HelpMainTopic = QStringLiteral("\\whats\\stallixhelpmain.htm");
const QString WhatsNewTopic = QStringLiteral("\\whats\\whatsnew6.htm");

// The two refusals of the GrandNational entry, in the order the game makes them. Returns the
// cash the fee will be taken from, or nothing once a refusal has been shown.
std::optional<qint32> grandNationalEntryCash(const QString &shareLine, const QString &cashText)
{
    if (shareLine == UserProfile::NoShares) {
        msgBox(QStringLiteral("You Cannot Go To The GrandNational Because You Don't Own Any "
                              "Shares In Any Horse"),
               MsgIcon::Critical);
        return std::nullopt;
    }
    // The game only ever writes whole numbers here; anything else cannot pay the fee either.
    const std::optional<qint32> cash = toWhole(cashText);
    if (!cash || *cash < GrandNationalFee) {
        msgBox(QStringLiteral("Youy Dont Have Enough Money To Enter Your Horse Into The "
                              "GrandNational. You Need At Least £30,000 To Enter"),
               MsgIcon::Critical);
        return std::nullopt;
    }
    return cash;
}

// Before the save of a player who leaves: their GrandNational stake, if still unraced.
void returnGrandNationalStake(Form2 *main)
{
    if (FrmGrand *grand = loadedForm<FrmGrand>())
        grand->returnStake(main);
}

} // namespace

void Form2::saveme_Click()
{
    horsesave();
}

void Form2::rest_Click()
{
    if (msgBox(QStringLiteral("Are You Sure You Want To Reset Your Cash & Debt Back To 500?"),
               MsgIcon::None, MsgButtons::YesNoCancel, QStringLiteral("Reset All Your Data?"))
        != MsgResult::Yes)
        return;
    Text1->setText(QStringLiteral("500"));
    Text2->setText(QStringLiteral("500"));
    msgBox(QStringLiteral("Cash & Debt Are Now Reset To £500"));
    horsesave();
}

void Form2::diffuser_Click()
{
    if (msgBox(QStringLiteral("Are You Sure You Wish To Log Off?"), MsgIcon::None,
               MsgButtons::YesNoCancel, QStringLiteral("QUESTION"))
        != MsgResult::Yes)
        return;
    returnGrandNationalStake(this);
    horsesave();
    closePlayerWindows();
    // A race settled after this would pay the next player and bring this window back.
    closeRaceWindows(false);
    // A hall of fame closing after this would take the hidden main window for the way out.
    unload(loadedForm<frmHall>());
    // Only hidden: the race card, odds and jockeys wait here for whoever logs in next.
    showForm(form<frmcontrol>());
    hide();
}

void Form2::exit_Click()
{
    returnGrandNationalStake(this);
    horsesavenoname();
    services().programEnd();
}

void Form2::Form_Unload()
{
    returnGrandNationalStake(this);
    horsesavenoname();
    closePlayerWindows();
    // The save above is the player's last word: nothing may settle into a main window that
    // is gone, nor bring one back over the hall of fame.
    closeRaceWindows(true);
    // The way out goes on through the hall of fame, which ranks the cash while this window
    // can still be read.
    showForm(form<frmHall>());
}

void Form2::sendgn_Click()
{
    const std::optional<qint32> cash = grandNationalEntryCash(Label16->text(), Text1->text());
    if (!cash)
        return;
    // Asking loads the betting window, so a first entry draws its field before the fee.
    if (form<FrmGrand>()->isVisible())
        return;
    Text1->setText(moneyText(qint64{*cash} - GrandNationalFee));
    msgBox(QStringLiteral("You Have Been Charged ") + curr->text()
               + QStringLiteral("30,000 To Enter You Horse Into The GrandNational. Your New Cash "
                                "Status Is: £")
               + Text1->text(),
           MsgIcon::Exclamation);
    FrmGrand *grand = form<FrmGrand>();
    showForm(grand);
    grand->enterPlayer(this);
}

void Form2::reqgn_Click()
{
    showForm(form<Form16>());
}

void Form2::hconnect_Click()
{
    // The notice with no check; the menu stays switched off, so only code reaches it.
    showForm(form<Form8>());
}

void Form2::cntrl_Click()
{
    // The main window stays showing; the entry is switched off in the menu bar.
    showForm(form<frmcontrol>());
}

void Form2::mnuShowhall_Click()
{
    showForm(form<frmHall>());
}

void Form2::mnuCredit_Click()
{
    PendingUrl = QString();
    // The flag is cleared so that the credits come up again at the end of the game. A flag
    // that cannot be written only means they may be skipped then: nothing to tell the player.
    ValueFile::writeNumber(gamePath(QStringLiteral("\\data\\show.hor")), 0);
    showForm10();
}

void Form2::backup_Click()
{
    showForm(form<Form7>());
}

void Form2::update_Click()
{
    // The check on request leaves the start-up check, its timer and the status bar alone.
    switch (checkServerVersion()) {
    case ServerVersion::Unreachable:
        reportServerDown();
        break;
    case ServerVersion::Newer:
        if (msgBox(QStringLiteral("There is a newer version of this program available. Would "
                                  "you like to download it?"),
                   MsgIcon::None, MsgButtons::YesNo, QStringLiteral("Program Update"))
            == MsgResult::Yes)
            openDownloadPage();
        break;
    case ServerVersion::Same:
        msgBox(QStringLiteral(
            "There Are No Newer Versions Avalible. Your Are Using The Latest Version"));
        break;
    }
}

void Form2::mnuoption_Click()
{
    showForm(form<Form5>());
}

void Form2::about_Click()
{
    showForm(form<Form6>());
}

void Form2::what_Click()
{
    Text13->setText(WhatsNewTopic);
    showForm(form<frmHelp>());
}

void Form2::mnuHelp_Click()
{
    Text13->setText(HelpMainTopic);
    showForm(form<frmHelp>());
}

void Form2::Toolbar3_ButtonClick(QAction *button)
{
    const QString key = button->data().toString();
    if (key == QStringLiteral("Log_Off")) {
        diffuser_Click();
    } else if (key == QStringLiteral("save")) {
        horsesave();
    } else if (key == QStringLiteral("rename")) {
        mnuoption_Click();
    } else if (key == QStringLiteral("reset")) {
        rest_Click();
    } else if (key == QStringLiteral("qurba")) {
        showWebPage(MakerHomePage);
    } else if (key == QStringLiteral("help")) {
        Text13->setText(HelpMainTopic);
        showForm(form<frmHelp>());
    } else if (key == QStringLiteral("restore")) {
        // The button is labelled for the backup window, so it does what its menu item does.
        backup_Click();
    }
}

void Form2::Timer3_Timer()
{
    // Once per creation of the window, whatever the answer: a server that never answers
    // would otherwise bring its box back every two seconds for as long as the game runs.
    // Stopped before the fetch, so no tick can come while the check or its box waits.
    Timer3->stop();
    switch (checkServerVersion()) {
    case ServerVersion::Unreachable:
        reportServerDown();
        break;
    case ServerVersion::Newer:
        showForm(form<Form8>());
        StatusBar1->setPanelText(
            3, QStringLiteral("Your Are NOT Using The Latest Version Of Stallix"));
        break;
    case ServerVersion::Same:
        StatusBar1->setPanelText(3, QStringLiteral("Your Are Using The Latest Version Of Stallix"));
        break;
    }
}

#include "form2.h"

#include "common/numbers.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/services.h"
#include "common/statusbar.h"
#include "common/twips.h"
#include "common/valuefile.h"
#include "profiles/countries.h"
#include "profiles/frmcontrol.h"
#include "profiles/userprofile.h"
#include "mainwindow/racecard.h"
#include "common/random.h"

#include <QFileInfo>
#include <QSignalBlocker>

namespace {
const QString StartTabFile = QStringLiteral("\\data\\option.hor");
const QStringList StakeList = {QStringLiteral("50"),  QStringLiteral("100"), QStringLiteral("200"),
                               QStringLiteral("250"), QStringLiteral("300"), QStringLiteral("400"),
                               QStringLiteral("500"), QStringLiteral("600"), QStringLiteral("700"),
                               QStringLiteral("800")};
} // namespace

void Form2::Form_Load()
{
    // Wizard flag: a missing file counts as 1, so a new installation opens the wizard once.
    const QString flagPath = gamePath(WizardFlagFile);
    bool openWizard = !QFileInfo::exists(flagPath);
    if (!openWizard) {
        QString flag;
        openWizard = ValueFile::read(flagPath, flag) && leadingNumber(flag) == 1;
    }
    if (openWizard) {
        ValueFile::write(flagPath, QStringLiteral("0"));
        showWizardStrip(true);
        resize(width() + twipsToPixels(WizardStripTwips), height());
        centreOnScreen(this);
    }

    // Start tab option: " 1 " gives the flat look (0), anything else the framed
    // look (1). The tab shown first is always "Betting".
    int startValue = 1;
    QString line;
    if (ValueFile::read(gamePath(StartTabFile), line)) {
        Label26->setText(line);
        if (leadingNumber(line) == 1)
            startValue = 0;
    }
    SSTab1->setProperty("Style", startValue);
    SSTab1->setDocumentMode(startValue == 0);

    {
        // Filling the lists is no change of the stake the player typed: the stake label keeps
        // its design text.
        const QSignalBlocker quietStakeBox(Text3);
        wiz1->addItems(StakeList);
        Text3->addItems(StakeList);
        // Adding items to an editable box picks the first one; the placeholder must stay.
        wiz1->setCurrentIndex(-1);
        wiz1->setEditText(StakePlaceholder);
        Text3->setCurrentIndex(-1);
        Text3->setEditText(StakePlaceholder);
    }

    Label25->setText(QStringLiteral("Game Started At: ")
                     + services().timeOfDay().toString(QStringLiteral("hh:mm:ss")));

    // Without a country file the start-up ends here and the rest keeps its design values.
    QString country = Label26->text();
    if (!ValueFile::read(gamePath(CountryFilePath), country))
        return;
    Label26->setText(country);
    const QString symbol = currencyForCountry(country);
    if (!symbol.isEmpty()) {
        curr->setText(symbol);
        Label1->setText(QStringLiteral("Cash ") + symbol);
        Label2->setText(QStringLiteral("Debt ") + symbol);
        Label17[0]->setText(QStringLiteral("Horse Cost ") + symbol);
    }

    frmcontrol *login = form<frmcontrol>();
    Text1->setText(login->txtcash->text());
    Text2->setText(login->Txtdebt->text());
    for (int k = 1; k <= 5; ++k)
        runner(k)->setText(login->horseBox(k)->text());

    Command9_Click();

    randomize();
    const std::array<QString, 5> jockeys = jockeyOrder(static_cast<int>(rnd() * 4));
    for (int k = 0; k < 5; ++k)
        Label44[k]->setText(jockeys[k]);

    StatusBar1->setPanelText(3, QStringLiteral("Welcome To Stallix6.6 "));

    Label16->setText(UserProfile::shareLine(login->txtshare->text()));
    Label57->setText(Label16->text());

    const std::array<int, 5> odds = drawOdds();
    for (int k = 1; k <= 5; ++k)
        oddsLabel(k)->setText(digits(odds[k - 1]));
}

void Form2::Command9_Click()
{
    const int k = drawTip();
    Label56->setText(QStringLiteral("Tipwells Predicts That ") + runner(k)->text()
                     + QStringLiteral(" Will Win This Race"));
    Command9->setEnabled(false);
}

void Form2::Timer1_Timer()
{
    // The idle timer ticks without effect; it is kept because the window has always had it.
}

#pragma once

#include "support/gametest.h"
#include "support/login.h"
#include "support/race.h"

#include "common/dialogs.h"
#include "common/registry.h"
#include "mainwindow/form2.h"
#include "profiles/userprofile.h"
#include "races/form4.h"
#include "races/racerules.h"

#include <QComboBox>
#include <QRadioButton>

// Shared by the race suites: slot 1 logged in with its default profile (cash 500, debt 500,
// no share, the five default horses) and a bet placed, as Start The Race finds it.
class RaceTest : public GameTest
{
protected:
    Form2 *betOn(int horse, const QString &stake = QStringLiteral("100"),
                 const QString &winnings = QStringLiteral("1500"))
    {
        writeDefaultProfiles();
        Form2 *main = logIn(1);
        if (!main)
            qFatal("slot 1 did not log in");
        // The version check would ask the network mid-test.
        main->Timer3->stop();
        main->Label10->setText(stake);
        main->Label14->setText(main->runner(horse)->text());
        main->Label12->setText(winnings);
        // The controls as an accepted stake, a placed bet and Start The Race leave them.
        for (QWidget *w : std::initializer_list<QWidget *>{
                 main->Text3, main->Command10, main->Command2, main->Command12, main->Command1,
                 main->Command3, main->Option1, main->Option2, main->Option3, main->Option4,
                 main->Option5})
            w->setEnabled(false);
        sv().boxes.clear();
        sv().draws.clear();
        sv().rndCalls = 0;
        sv().randomizeCalls = 0;
        return main;
    }

    Form4 *openRace()
    {
        Form4 *race = form<Form4>();
        showForm(race);
        return race;
    }

    // Brings horse k to the line and lets its next tick declare it, as a finishing horse does.
    static void finish(Form4 *race, int k)
    {
        race->progressBar(k)->setValue(RaceCounterMax);
        tickHorse(race, k);
    }

    // The eight saved files of slot 1, to prove a path saved nothing.
    QList<QByteArray> savedFiles() const
    {
        QList<QByteArray> all;
        for (const QString &suffix : UserProfile::savedSuffixes())
            all << bytes(UserProfile::file(1, suffix));
        return all;
    }
};

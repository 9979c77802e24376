// Measures, offscreen, how long a GrandNational race takes from Start to its settlement, and
// how many moves it shows. Run through bench/grandrace.

#include "common/registry.h"
#include "common/valuefile.h"
#include "mainwindow/form2.h"
#include "races/frmgrand.h"
#include "races/frmgrandrace.h"
#include "support/scriptedservices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    QDir().mkpath(home.path() + QStringLiteral("/data"));
    ValueFile::write(home.path() + QStringLiteral("/data/horcountry.hor"),
                     QStringLiteral("United Kingdom"));
    ValueFile::write(home.path() + QStringLiteral("/data/hwiz04.dll"), QStringLiteral("0"));
    QApplication app(argc, argv);
    // Scripted boxes answer at once; the draws come from the fallback generator.
    installServices(std::make_unique<ScriptedServices>(home.path(), home.path() + "/drive_c"));

    Form2 *main = form<Form2>();
    main->Timer3->stop();
    main->Label16->setText(QStringLiteral("Copper Kettle"));
    main->Text1->setText(QStringLiteral("2000000000"));
    main->Text2->setText(QStringLiteral("0"));
    showForm(main);

    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 3;
    for (int run = 1; run <= runs; ++run) {
        main->sendgn_Click();
        FrmGrand *grand = loadedForm<FrmGrand>();
        grand->Text3->setEditText(QStringLiteral("100"));
        grand->Command1_Click();
        grand->Option1_Click();
        grand->Command3_Click();
        grand->Command2_Click();
        Frmgrandrace *race = loadedForm<Frmgrandrace>();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        race->Command1_Click();
        std::printf("run %d: race and settlement %lld ms\n", run,
                    static_cast<long long>(clock.elapsed()));
        QApplication::processEvents();
    }
    unloadAll();
    return 0;
}

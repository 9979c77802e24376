// Measures, offscreen, how long the game takes to show the login window after the process
// starts, and how long Play takes to show the main window. Run through bench/startup.

#include "mainwindow/form2.h"
#include "profiles/form1.h"
#include "profiles/frmcontrol.h"
#include "profiles/startup.h"
#include "profiles/userprofile.h"
#include "common/linklabel.h"
#include "common/registry.h"
#include "common/valuefile.h"
#include "support/scriptedservices.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000000;
}

void stockProfiles(const QString &folder)
{
    QDir().mkpath(folder + QStringLiteral("/data"));
    for (int slot = 1; slot <= 5; ++slot) {
        for (const QString &suffix : UserProfile::allSuffixes())
            ValueFile::write(folder + QLatin1Char('/')
                                 + UserProfile::file(slot, suffix).mid(1).replace('\\', '/'),
                             UserProfile::defaultValue(slot, suffix));
    }
    ValueFile::write(folder + QStringLiteral("/data/horcountry.hor"),
                     QStringLiteral("United Kingdom"));
    ValueFile::write(folder + QStringLiteral("/data/hwiz04.dll"), QStringLiteral("0"));
}
} // namespace

int main(int argc, char *argv[])
{
    const qint64 processStart = argc > 1 ? QByteArray(argv[1]).toLongLong() : nowNs();
    QTemporaryDir home;
    stockProfiles(home.path());
    QApplication app(argc, argv);
    installServices(std::make_unique<ScriptedServices>(home.path(), home.path() + "/drive_c"));

    startGame();
    // The splash waits two seconds by design; a click skips the wait so only our own work counts.
    if (Form1 *splash = loadedForm<Form1>())
        splash->Picture1_Click();
    QElapsedTimer untilShown;
    untilShown.start();
    while (!(loadedForm<frmcontrol>() && loadedForm<frmcontrol>()->isVisible()))
        QApplication::processEvents();
    QApplication::processEvents();
    const double loginMs = (nowNs() - processStart) / 1e6;

    frmcontrol *login = loadedForm<frmcontrol>();
    QElapsedTimer play;
    play.start();
    login->combo1->setCurrentRow(0);
    login->Command9->click();
    login->Command6->click();
    login->Text11->setText(QStringLiteral("2864"));
    login->Command10->click();
    while (!(loadedForm<Form2>() && loadedForm<Form2>()->isVisible()))
        QApplication::processEvents();
    QApplication::processEvents();
    const double playMs = play.nsecsElapsed() / 1e6;

    std::printf(
        "login window shown %.1f ms after process start; main window shown %.1f ms after Play\n",
        loginMs, playMs);
    unloadAll();
    return 0;
}

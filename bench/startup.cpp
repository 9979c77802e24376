// Measures, offscreen, how long the game takes to show the login window after the process
// starts, how long Play takes to show the main window, the peak memory by then, and how long
// Show Credits takes to show its page. Run through bench/startup; a second argument "browser"
// lets the credits page use the browser engine plugin.

#include "mainwindow/form2.h"
#include "profiles/form1.h"
#include "profiles/frmcontrol.h"
#include "profiles/startup.h"
#include "profiles/userprofile.h"
#include "common/linklabel.h"
#include "common/registry.h"
#include "common/valuefile.h"
#include "online/form10.h"
#include "online/webview.h"
#include "support/scriptedservices.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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
    // The shipped credits page when there is one, so the page shown is the player's.
    if (!QFile::copy(QStringLiteral(STALLIX_SOURCE_DIR "/share/credits.htm"),
                     folder + QStringLiteral("/credits.htm"))) {
        QFile page(folder + QStringLiteral("/credits.htm"));
        if (page.open(QIODevice::WriteOnly))
            page.write("<html><head><title>Credits</title></head><body><p>Stallix</p></body>"
                       "</html>");
    }
}

// Peak resident memory of this process so far, in MB.
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    const qint64 processStart = argc > 1 ? QByteArray(argv[1]).toLongLong() : nowNs();
    QTemporaryDir home;
    stockProfiles(home.path());
    const bool browser = argc > 2 && QByteArray(argv[2]) == "browser";
    if (browser)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
#ifdef STALLIX_WEBENGINE_PLUGIN_FILE
    if (browser)
        enableBrowserEngine(QStringLiteral(STALLIX_WEBENGINE_PLUGIN_FILE));
#endif
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

    const double peakMb = peakMemoryMb();

    QElapsedTimer credits;
    credits.start();
    loadedForm<Form2>()->mnuCredit_Click();
    Form10 *window = loadedForm<Form10>();
    bool shown = false;
    QObject::connect(window->Webcred, &WebView::DocumentComplete, window,
                     [&shown]() { shown = true; });
    while (!shown && credits.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double creditsMs = credits.nsecsElapsed() / 1e6;

    std::printf("login window shown %.1f ms after process start; main window shown %.1f ms "
                "after Play; peak memory %.1f MB; credits page shown %.1f ms after Show Credits "
                "(%s)\n",
                loginMs, playMs, peakMb, creditsMs,
                window->Webcred->usesBrowserEngine() ? "browser engine" : "text engine");
    unloadAll();
    return 0;
}

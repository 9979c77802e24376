// Kills a game that borrows and saves in a loop, again and again, and counts what the next
// start finds: profiles whose cash and debt come from two different moments, and files left
// over. Run through bench/killloop.

#include "mainwindow/form2.h"
#include "profiles/firstrun.h"
#include "profiles/startup.h"
#include "profiles/userprofile.h"
#include "common/paths.h"
#include "common/registry.h"
#include "common/valuefile.h"
#include "support/login.h"
#include "support/scriptedservices.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

ScriptedServices *useFolder(const QString &folder)
{
    auto scripted = std::make_unique<ScriptedServices>(folder, folder + QStringLiteral("/drive_c"));
    ScriptedServices *kept = scripted.get();
    installServices(std::move(scripted));
    return kept;
}

// The game: log slot 1 in, then borrow 1 and save, for ever. Every loan adds the same to cash
// and debt, so a profile whose two differ was saved half.
int borrowForEver(const QString &folder)
{
    ScriptedServices *sv = useFolder(folder);
    const auto lock = claimProgramFolder();
    if (!lock)
        return 2;
    Form2 *main = logIn(1);
    if (!main)
        return 3;
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;) {
        main->Text10->setText(QStringLiteral("1"));
        main->Command6_Click();
        sv->boxes.clear();
    }
}

QStringList strayFiles(const QString &folder, const QSet<QString> &expected)
{
    QStringList strays;
    for (const QString &name : QDir(folder + QStringLiteral("/data"))
                                   .entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!expected.contains(name))
            strays << name;
    }
    return strays;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--game") {
        QApplication app(argc, argv);
        return borrowForEver(QString::fromLocal8Bit(argv[2]));
    }

    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? QByteArray(argv[1]).toInt() : 200;
    QTemporaryDir home;
    const QString folder = home.path();
    QDir().mkpath(folder + QStringLiteral("/data"));
    useFolder(folder);
    writeFirstRunDefaults();
    writeDefaultProfile(1);
    ValueFile::write(gamePath(QStringLiteral("\\data\\horcountry.hor")),
                     QStringLiteral("United Kingdom"));
    ValueFile::write(gamePath(QStringLiteral("\\data\\hwiz04.dll")), QStringLiteral("0"));
    QSet<QString> expected{QStringLiteral("horcountry.hor"), QStringLiteral("hwiz04.dll"),
                           // a killed game cannot remove its lock; the next start takes it over
                           QStringLiteral("stallix.lock")};
    for (int slot = 1; slot <= 5; ++slot) {
        for (const QString &suffix : UserProfile::allSuffixes())
            expected.insert(UserProfile::file(slot, suffix).mid(6));
    }

    int inconsistent = 0;
    int strays = 0;
    int brokenOff = 0;
    int duringRenames = 0;
    qint64 loans = 0;
    for (int i = 0; i < kills; ++i) {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(env);
        game.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--game"), folder});
        if (!game.waitForReadyRead(30000)) {
            std::fprintf(stderr, "kill %d: the game did not start\n", i + 1);
            return 1;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(5, 60));
        game.kill();
        game.waitForFinished();

        const QStringList found = strayFiles(folder, expected);
        if (!found.isEmpty())
            ++brokenOff;
        if (found.contains(QStringLiteral("stallix-set.commit")))
            ++duringRenames;
        if (qEnvironmentVariableIsSet("KILLLOOP_VERBOSE"))
            std::fprintf(stderr, "kill %d: found %s\n", i + 1, qPrintable(found.join(", ")));
        // The next start, as the game makes it.
        useFolder(folder);
        if (!claimProgramFolder()) {
            std::fprintf(stderr, "kill %d: the next start was refused\n", i + 1);
            return 1;
        }
        QString cash;
        QString debt;
        const bool read =
            ValueFile::read(gamePath(UserProfile::file(1, UserProfile::Cash)), cash)
            && ValueFile::read(gamePath(UserProfile::file(1, UserProfile::Debt)), debt);
        if (!read || cash != debt || cash.toLongLong() < 500) {
            ++inconsistent;
            std::fprintf(stderr, "kill %d: cash %s, debt %s\n", i + 1, qPrintable(cash),
                         qPrintable(debt));
            ValueFile::write(gamePath(UserProfile::file(1, UserProfile::Debt)), cash);
        }
        loans = cash.toLongLong() - 500;
        const QStringList left = strayFiles(folder, expected);
        strays += int(left.size());
        if (!left.isEmpty())
            std::fprintf(stderr, "kill %d: left %s\n", i + 1, qPrintable(left.join(", ")));
    }
    std::printf("kills: %d, loans saved: %lld, kills that broke off a save: %d (%d of them "
                "during the renames), inconsistent profiles: %d, stray files after the next "
                "start: %d\n",
                kills, loans, brokenOff, duringRenames, inconsistent, strays);
    return inconsistent == 0 && strays == 0 ? 0 : 1;
}

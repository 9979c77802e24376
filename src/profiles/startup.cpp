#include "startup.h"

#include "common/dialogs.h"
#include "common/paths.h"
#include "common/registry.h"
#include "common/valuefile.h"
#include "profiles/form1.h"

#include <QDir>

std::unique_ptr<QLockFile> claimProgramFolder()
{
    auto lock = std::make_unique<QLockFile>(gamePath(QStringLiteral("\\data\\stallix.lock")));
    // A lock is stale only when the game that made it is gone, however long it has run.
    lock->setStaleLockTime(0);
    if (!lock->tryLock() && lock->error() == QLockFile::LockFailedError) {
        msgBox(QStringLiteral("Stallix6 is already running with the program folder \"%1\". "
                              "Please carry on in that game.")
                   .arg(QDir::toNativeSeparators(services().programFolder())),
               MsgIcon::Exclamation);
        return nullptr;
    }
    ValueFile::finishInterruptedWrites(
        {gamePath(QStringLiteral("\\data")), gamePath(QStringLiteral("\\hall"))});
    return lock;
}

void startGame()
{
    form<Form1>();
    // On a first run the splash has already handed over to the country window and unloaded
    // itself during its load; it must not be shown then.
    if (Form1 *splash = loadedForm<Form1>())
        showForm(splash);
}

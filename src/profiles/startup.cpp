#include "startup.h"

#include "common/dialogs.h"
#include "common/paths.h"
#include "common/registry.h"
#include "common/valuefile.h"
#include "profiles/form1.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class FolderClaim { Held, HeldByAnother, NotPossible };

// An exclusive flock on the program folder itself: it needs no byte on the disk, so it holds on
// a full disk or a read-only folder too, and the system drops it when its game ends, however
// it ends. Its descriptor is not handed to any program the game starts.
FolderClaim claimFolder(int &fd)
{
    fd = ::open(QFile::encodeName(services().programFolder()).constData(),
                O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FolderClaim::NotPossible;
    int result = 0;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return FolderClaim::Held;
    const FolderClaim claim =
        errno == EWOULDBLOCK ? FolderClaim::HeldByAnother : FolderClaim::NotPossible;
    ::close(fd);
    fd = -1;
    return claim;
}

QString folderText()
{
    return QDir::toNativeSeparators(services().programFolder());
}

// A lock file holds a few short lines.
constexpr off_t LockFileMaxBytes = 4096;

// Nothing there, or a plain file of a lock file's size. The lock-file code reads what stands at
// its path: a pipe would hold the start for good, a link to an endless device would be read
// without end.
bool plainOrAbsent(const QByteArray &path)
{
    struct stat entry
    {
    };
    if (::lstat(path.constData(), &entry) != 0)
        return errno == ENOENT;
    return S_ISREG(entry.st_mode) && entry.st_size <= LockFileMaxBytes;
}

} // namespace

ProgramLock::~ProgramLock()
{
    m_file.reset();
    if (m_folder >= 0)
        ::close(m_folder);
}

bool ProgramLock::holdsLockFile() const
{
    return m_file && m_file->isLocked();
}

std::unique_ptr<ProgramLock> claimProgramFolder()
{
    std::unique_ptr<ProgramLock> lock(new ProgramLock);
    const FolderClaim folder = claimFolder(lock->m_folder);
    const auto alreadyRunning = [] {
        msgBox(QStringLiteral("Stallix6 is already running with the program folder \"%1\". "
                              "Please carry on in that game.")
                   .arg(folderText()),
               MsgIcon::Exclamation);
    };
    if (folder == FolderClaim::HeldByAnother) {
        alreadyRunning();
        return nullptr;
    }

    const QString lockPath = gamePath(QStringLiteral("\\data\\stallix.lock"));
    const QByteArray lockName = QFile::encodeName(lockPath);
    // Anything else there is never opened: it is as garbled as a lock can be, and goes as a
    // garbled one does (only the entry itself, never what a link points to). A folder there
    // stays, and the game goes on as where no lock file can be written.
    if (!plainOrAbsent(lockName))
        ::unlink(lockName.constData());
    if (plainOrAbsent(lockName))
        lock->m_file = std::make_unique<QLockFile>(lockPath);
    QLockFile *file = lock->m_file.get();
    // A lock is stale only when the game that made it is gone, however long it has run.
    if (file)
        file->setStaleLockTime(0);
    if (file && !file->tryLock() && file->error() == QLockFile::LockFailedError) {
        // With the folder held, no live game has the file: a live one would hold the folder
        // too. Without it, a file whose owner cannot be read (a power cut before its bytes
        // reached the disk) counts as stale as well. Either way a file that some game still
        // has open and locked is never removed.
        qint64 pid = 0;
        QString host;
        QString application;
        if (folder == FolderClaim::Held || !file->getLockInfo(&pid, &host, &application)) {
            if (file->removeStaleLockFile())
                file->tryLock();
        }
        if (!file->isLocked() && folder != FolderClaim::Held
            && file->error() == QLockFile::LockFailedError) {
            alreadyRunning();
            return nullptr;
        }
    }
    if (!lock->holdsLockFile()) {
        if (folder != FolderClaim::Held) {
            msgBox(QStringLiteral("Stallix6 cannot lock the program folder \"%1\", so it "
                                  "cannot tell whether another game is using it. Please make "
                                  "room on its disk or make it writable, then start again.")
                       .arg(folderText()),
                   MsgIcon::Exclamation);
            return nullptr;
        }
        msgBox(QStringLiteral("Stallix6 cannot write its lock file in the program folder "
                              "\"%1\": the disk may be full or the folder read-only. No other "
                              "game is using the folder, so this one carries on.")
                   .arg(folderText()),
               MsgIcon::Exclamation);
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

#include "valuefile.h"

#include "numbers.h"
#include "paths.h"
#include "services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The names that the game's own writes leave beside their targets while they run; nothing
// else in a folder is ever removed at start-up.
const QString TempSuffix = QStringLiteral(".stallix-new");
const QString OldSuffix = QStringLiteral(".stallix-old");
// A set being written lists its targets in its stage journal; renamed to the commit journal
// once all its new files are whole, which is the moment the new set wins even if the game
// dies. A set that has to be taken back lists what to put back in its undo journal first.
const QString StageJournal = QStringLiteral("stallix-set.stage");
const QString CommitJournal = QStringLiteral("stallix-set.commit");
const QString UndoJournal = QStringLiteral("stallix-set.undo");
// A journal lists up to a few dozen paths.
constexpr qsizetype JournalMaxBytes = 1024 * 1024;

struct Faults
{
    bool linksFail = false;
    int changesLeft = -1; // negative: no stop
};
Faults faults;

QByteArray fsName(const QString &path)
{
    return QFile::encodeName(path);
}

// The earlier product wrote its files in Windows-1252; where it differs from Latin-1 is
// 0x80..0x9F. The five codes it leaves undefined map to the control characters of the same
// value, as Windows itself maps them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray &line)
{
    QString text;
    text.reserve(line.size());
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte <= 0x9F ? QChar(Cp1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// The game writes UTF-8; a line that is not valid UTF-8 comes from the earlier product.
QString decodeLine(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(line);
}

// A value is one line: a line break inside it would split the file and read back as its
// last part only.
QByteArray fileBytes(const QString &text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray bytes = line.toUtf8();
    const qsizetype room = ValueFile::MaxBytes - 2;
    if (bytes.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    return bytes + "\r\n";
}

// Every change that the writes make to the disk passes here, so that a test can stop them
// at any point, as a kill would.
bool mayChange()
{
    if (faults.changesLeft < 0)
        return true;
    if (faults.changesLeft == 0) {
        errno = EIO;
        return false;
    }
    --faults.changesLeft;
    return true;
}

int removeFile(const QByteArray &name)
{
    return mayChange() ? ::unlink(name.constData()) : -1;
}

int renameFile(const QByteArray &from, const QByteArray &to)
{
    return mayChange() ? ::rename(from.constData(), to.constData()) : -1;
}

int linkFile(const QByteArray &from, const QByteArray &to)
{
    if (faults.linksFail) {
        errno = EPERM; // what FAT and exFAT answer
        return -1;
    }
    return mayChange() ? ::link(from.constData(), to.constData()) : -1;
}

// lstat: a dangling link or a folder is there too.
bool present(const QByteArray &name)
{
    struct stat entry
    {
    };
    return ::lstat(name.constData(), &entry) == 0;
}

// Writes a new file at `name`; true only when every byte has reached the disk. A file that
// could not be written whole is removed again. `like` lends its permissions when it exists.
bool writeWhole(const QByteArray &name, const QByteArray &bytes, const QByteArray &like = {})
{
    removeFile(name);
    if (!mayChange())
        return false;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    struct stat old
    {
    };
    if (!like.isEmpty() && ::stat(like.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    qsizetype done = 0;
    while (ok && done < bytes.size()) {
        if (!mayChange()) {
            ok = false;
            break;
        }
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            done += n;
    }
    // Some file systems only report a full disk when the data is flushed.
    if (ok && ::fdatasync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (!ok)
        removeFile(name);
    return ok;
}

// Reads a regular file of at most `cap` bytes; anything else is unreadable, and nothing can
// make the read wait (a FIFO) or run on without end (a device).
ValueFile::Status readRegular(const QString &path, qsizetype cap, QByteArray &bytes)
{
    const QByteArray name = fsName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        struct stat entry
        {
        };
        // A dangling link is there, it only cannot be read.
        if ((errno == ENOENT || errno == ENOTDIR) && ::lstat(name.constData(), &entry) != 0)
            return ValueFile::Status::Missing;
        return ValueFile::Status::Unreadable;
    }
    ValueFile::Status status = ValueFile::Status::Unreadable;
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= cap) {
        QByteArray content(cap + 1, Qt::Uninitialized);
        qsizetype got = 0;
        bool ok = true;
        while (got < content.size()) {
            const ssize_t n =
                ::read(fd, content.data() + got, static_cast<size_t>(content.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ok = false;
            if (n <= 0)
                break;
            got += n;
        }
        // A file that grew past the cap while being read is as unreadable as a bigger one.
        if (ok && got <= cap) {
            content.truncate(got);
            bytes = content;
            status = ValueFile::Status::Read;
        }
    }
    ::close(fd);
    return status;
}

QByteArray tempName(const QString &target)
{
    return fsName(target + TempSuffix);
}

QByteArray oldName(const QString &target)
{
    return fsName(target + OldSuffix);
}

QList<QByteArray> journalLines(const QString &journal)
{
    QByteArray bytes;
    if (readRegular(journal, JournalMaxBytes, bytes) != ValueFile::Status::Read)
        return {};
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeAll(QByteArray());
    return lines;
}

// Where a set keeps its journal and what the journal's names are relative to. A set under the
// program folder keeps it in data/ and names its files relative to the program folder, so that
// a folder moved, renamed or reached by another path between a crash and the next start is
// still finished. A set elsewhere (a backup on a stick) keeps it beside its own files and names
// them relative to that folder: the journal travels with the files it speaks of.
struct Journal
{
    QString folder;
    QString base;
    // A set elsewhere lies in the journal's own folder, all its files side by side.
    bool flat = false;

    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }
    QByteArray line(const QString &target) const
    {
        return fsName(QDir(base).relativeFilePath(target));
    }
    // The file a line names, or nothing when the line names anything but a file of this
    // journal's own set. A backup folder may come from anyone: a journal in it that names a
    // file elsewhere, by an absolute path, by climbing out or through a subfolder (which may
    // be a link to anywhere), must not make the game remove or rename that file.
    std::optional<QString> target(const QByteArray &line) const
    {
        const QString name = QFile::decodeName(line);
        if (flat) {
            if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".")
                || name == QLatin1String(".."))
                return std::nullopt;
            return base + QLatin1Char('/') + name;
        }
        // Journals of older versions named their files absolutely.
        const QString path =
            QDir::cleanPath(QDir::isAbsolutePath(name) ? name : base + QLatin1Char('/') + name);
        if (!path.startsWith(base + QLatin1Char('/')))
            return std::nullopt;
        return path;
    }
};

// A set outside the program folder: its journal beside its files, named relative to them.
Journal folderJournal(const QString &folder)
{
    const QString cleaned = QDir::cleanPath(folder);
    return {cleaned, cleaned, true};
}

Journal programJournal()
{
    const QString program = QDir::cleanPath(services().programFolder());
    return {program + QStringLiteral("/data"), program};
}

Journal journalFor(const QList<ValueFile::Entry> &entries)
{
    const QString program = QDir::cleanPath(services().programFolder()) + QLatin1Char('/');
    const bool inside = std::all_of(entries.begin(), entries.end(), [&](const auto &entry) {
        return QDir::cleanPath(entry.path).startsWith(program);
    });
    if (inside)
        return programJournal();
    return folderJournal(QFileInfo(entries.first().path).absolutePath());
}

// How a set kept the old file of a target while the new one took its place.
enum class Kept {
    Nothing,   // there was no old file
    Linked,    // a second name for the old file
    MovedAside // the old file itself, under the second name, where hard links fail (FAT)
};

// Keeps the old file at `old` before the target is replaced; nothing when it cannot be kept.
std::optional<Kept> keepOld(const QByteArray &target, const QByteArray &old)
{
    if (linkFile(target, old) == 0)
        return Kept::Linked;
    struct stat entry
    {
    };
    if (::lstat(target.constData(), &entry) != 0)
        return errno == ENOENT ? std::optional(Kept::Nothing) : std::nullopt;
    // A folder in the way is not the game's to move.
    if (S_ISDIR(entry.st_mode) || renameFile(target, old) != 0)
        return std::nullopt;
    return Kept::MovedAside;
}

// The old copy goes once its target is in place; a target that is missing gets it back.
void settleOld(const QString &target)
{
    const QByteArray old = oldName(target);
    if (!present(old))
        return;
    if (present(fsName(target)))
        removeFile(old);
    else
        renameFile(old, fsName(target));
}

// What the undo journal says of each target of a set taken back.
constexpr char PutOldBack = 'R';
constexpr char RemoveNew = 'D';
constexpr char Untouched = '-';

void takeBack(const QString &target, char action)
{
    const QByteArray name = fsName(target);
    const QByteArray old = oldName(target);
    if (present(tempName(target)))
        removeFile(tempName(target));
    if (action == PutOldBack && present(old)) {
        renameFile(old, name);
        // A rename between two names of one file changes nothing: the second name goes.
        if (present(old))
            removeFile(old);
    } else if (action == RemoveNew) {
        removeFile(name);
    }
}

// Completes a set whose renames a crash interrupted, takes back one that was being taken
// back, or drops one whose new files were not all written. Every step may run twice.
void finishSet(const Journal &journal)
{
    const QString undo = journal.file(UndoJournal);
    const QString commit = journal.file(CommitJournal);
    const QString stage = journal.file(StageJournal);
    if (present(fsName(undo))) {
        for (const QByteArray &line : journalLines(undo)) {
            const std::optional<QString> target =
                line.size() > 2 ? journal.target(line.mid(2)) : std::nullopt;
            if (target)
                takeBack(*target, line.at(0));
        }
    } else {
        for (const QByteArray &line : journalLines(commit)) {
            const std::optional<QString> target = journal.target(line);
            if (!target)
                continue;
            if (present(tempName(*target)))
                renameFile(tempName(*target), fsName(*target));
            // A target that cannot take its new file (a folder in its way) keeps what it has.
            if (present(tempName(*target)))
                removeFile(tempName(*target));
            settleOld(*target);
        }
    }
    for (const QByteArray &line : journalLines(stage)) {
        const std::optional<QString> target = journal.target(line);
        if (!target)
            continue;
        if (present(tempName(*target)))
            removeFile(tempName(*target));
        settleOld(*target);
    }
    for (const QString &file : {undo + TempSuffix, undo, commit, stage}) {
        if (present(fsName(file)))
            removeFile(fsName(file));
    }
}

// A rename of the set failed at entry `failed`: every target gets back what it held. The undo
// journal replaces the commit journal first, so that a crash on the way back goes on putting
// the old files back at the next start instead of finishing the set.
void takeBackSet(const Journal &journal, const QList<ValueFile::Entry> &entries,
                 const QList<Kept> &kept, qsizetype failed)
{
    QList<char> actions(entries.size(), Untouched);
    QByteArray list;
    for (qsizetype j = 0; j < entries.size(); ++j) {
        if (j < failed)
            actions[j] = kept[j] == Kept::Nothing ? RemoveNew : PutOldBack;
        else if (j == failed && kept[j] != Kept::Nothing)
            actions[j] = PutOldBack;
        list += actions[j] + QByteArray(" ") + journal.line(entries[j].path) + '\n';
    }
    const QByteArray undo = fsName(journal.file(UndoJournal));
    if (writeWhole(undo + fsName(TempSuffix), list)
        && renameFile(undo + fsName(TempSuffix), undo) != 0)
        removeFile(undo + fsName(TempSuffix));
    removeFile(fsName(journal.file(CommitJournal)));
    for (qsizetype j = 0; j < entries.size(); ++j)
        takeBack(entries[j].path, actions[j]);
    if (present(undo))
        removeFile(undo);
}

} // namespace

namespace ValueFile {

bool write(const QString &path, const QString &text)
{
    const QByteArray target = fsName(path);
    const QByteArray temp = tempName(path);
    if (!writeWhole(temp, fileBytes(text), target))
        return false;
    if (renameFile(temp, target) != 0) {
        removeFile(temp);
        return false;
    }
    return true;
}

bool writeNumber(const QString &path, qint64 value)
{
    return write(path, numberText(value));
}

bool writeAll(const QList<Entry> &entries)
{
    if (entries.size() <= 1)
        return entries.isEmpty() || write(entries.first().path, entries.first().text);

    const Journal journal = journalFor(entries);
    // A set that a crash left in this journal's folder is settled before its journal is reused.
    finishSet(journal);
    const QByteArray stage = fsName(journal.file(StageJournal));
    const QByteArray commit = fsName(journal.file(CommitJournal));
    auto dropTemps = [&] {
        for (const Entry &entry : entries) {
            if (present(tempName(entry.path)))
                removeFile(tempName(entry.path));
        }
        removeFile(stage);
    };

    // The set is listed before its first new file exists, so that a crash leaves nothing
    // that the next start does not know to remove.
    QByteArray list;
    for (const Entry &entry : entries)
        list += journal.line(entry.path) + '\n';
    if (!writeWhole(stage, list))
        return false;
    for (const Entry &entry : entries) {
        if (!writeWhole(tempName(entry.path), fileBytes(entry.text), fsName(entry.path))) {
            dropTemps();
            return false;
        }
    }
    if (renameFile(stage, commit) != 0) {
        dropTemps();
        return false;
    }

    // Each old file stays reachable under a second name until the whole set is in place.
    QList<Kept> kept(entries.size(), Kept::Nothing);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArray target = fsName(entries[i].path);
        const QByteArray old = oldName(entries[i].path);
        if (present(old))
            removeFile(old);
        const std::optional<Kept> keeping = keepOld(target, old);
        if (keeping)
            kept[i] = *keeping;
        if (!keeping || renameFile(tempName(entries[i].path), target) != 0) {
            takeBackSet(journal, entries, kept, i);
            return false;
        }
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (kept[i] != Kept::Nothing)
            removeFile(oldName(entries[i].path));
    }
    removeFile(commit);
    return true;
}

Status load(const QString &path, QString &target)
{
    QByteArray bytes;
    const Status status = readRegular(path, MaxBytes, bytes);
    if (status != Status::Read || bytes.isEmpty())
        return status;

    // The value is the last line: find where it starts, ignoring the final terminator.
    qsizetype end = bytes.size();
    if (bytes.endsWith("\r\n"))
        end -= 2;
    else if (bytes.endsWith('\n') || bytes.endsWith('\r'))
        end -= 1;
    qsizetype start = end;
    while (start > 0 && bytes.at(start - 1) != '\n' && bytes.at(start - 1) != '\r')
        --start;
    target = decodeLine(bytes.mid(start, end - start));
    return Status::Read;
}

bool read(const QString &path, QString &target)
{
    return load(path, target) == Status::Read;
}

void finishInterruptedWrites(const QStringList &folders)
{
    finishSet(programJournal());
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System;
        for (const QString &name : dir.entryList({QLatin1Char('*') + TempSuffix}, files))
            removeFile(fsName(dir.filePath(name)));
        // An old copy whose target is gone is the only copy left: it goes back.
        for (const QString &name : dir.entryList({QLatin1Char('*') + OldSuffix}, files))
            settleOld(dir.filePath(name.chopped(OldSuffix.size())));
    }
}

void finishInterruptedSet(const QString &folder)
{
    finishSet(folderJournal(folder));
}

namespace Faults {

void setLinksFail(bool fail)
{
    faults.linksFail = fail;
}

void stopAfter(int changes)
{
    faults.changesLeft = changes;
}

bool stopped()
{
    return faults.changesLeft == 0;
}

} // namespace Faults

} // namespace ValueFile

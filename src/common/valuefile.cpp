#include "valuefile.h"

#include "numbers.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <array>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The names that the game's own writes leave beside their targets while they run; nothing
// else in a folder is ever removed at start-up.
const QString TempSuffix = QStringLiteral(".stallix-new");
const QString OldSuffix = QStringLiteral(".stallix-old");
// A set being written lists its targets here; renamed to the commit name once all its new
// files are whole, which is the moment the new set wins even if the game dies.
const QString StageJournal = QStringLiteral("\\data\\stallix-set.stage");
const QString CommitJournal = QStringLiteral("\\data\\stallix-set.commit");
// A journal lists up to a few dozen paths.
constexpr qsizetype JournalMaxBytes = 1024 * 1024;

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

// Writes a new file at `name`; true only when every byte has reached the disk. A file that
// could not be written whole is removed again. `like` lends its permissions when it exists.
bool writeWhole(const QByteArray &name, const QByteArray &bytes, const QByteArray &like = {})
{
    ::unlink(name.constData());
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
        ::unlink(name.constData());
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

QStringList journalTargets(const QString &journal)
{
    QByteArray bytes;
    if (readRegular(journal, JournalMaxBytes, bytes) != ValueFile::Status::Read)
        return {};
    QStringList targets;
    for (const QByteArray &line : bytes.split('\n')) {
        if (!line.isEmpty())
            targets << QFile::decodeName(line);
    }
    return targets;
}

} // namespace

namespace ValueFile {

bool write(const QString &path, const QString &text)
{
    const QByteArray target = fsName(path);
    const QByteArray temp = tempName(path);
    if (!writeWhole(temp, fileBytes(text), target))
        return false;
    if (::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
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

    const QByteArray stage = fsName(gamePath(StageJournal));
    const QByteArray commit = fsName(gamePath(CommitJournal));
    auto dropTemps = [&](qsizetype from) {
        for (qsizetype i = from; i < entries.size(); ++i)
            ::unlink(tempName(entries[i].path).constData());
    };

    // The set is listed before its first new file exists, so that a crash leaves nothing
    // that the next start does not know to remove.
    QByteArray list;
    for (const Entry &entry : entries)
        list += fsName(entry.path) + '\n';
    if (!writeWhole(stage, list))
        return false;
    for (const Entry &entry : entries) {
        if (!writeWhole(tempName(entry.path), fileBytes(entry.text), fsName(entry.path))) {
            dropTemps(0);
            ::unlink(stage.constData());
            return false;
        }
    }
    if (::rename(stage.constData(), commit.constData()) != 0) {
        dropTemps(0);
        ::unlink(stage.constData());
        return false;
    }

    // Each old file stays reachable under a second name until the whole set is in place.
    QList<bool> keptOld(entries.size(), false);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArray target = fsName(entries[i].path);
        const QByteArray old = oldName(entries[i].path);
        ::unlink(old.constData());
        keptOld[i] = ::link(target.constData(), old.constData()) == 0;
        if (::rename(tempName(entries[i].path).constData(), target.constData()) == 0)
            continue;
        // Put back what this set had already replaced.
        for (qsizetype j = 0; j <= i; ++j) {
            const QByteArray done = fsName(entries[j].path);
            const QByteArray kept = oldName(entries[j].path);
            if (j == i)
                ::unlink(kept.constData());
            else if (keptOld[j])
                ::rename(kept.constData(), done.constData());
            else
                ::unlink(done.constData());
        }
        dropTemps(i);
        ::unlink(commit.constData());
        return false;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (keptOld[i])
            ::unlink(oldName(entries[i].path).constData());
    }
    ::unlink(commit.constData());
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
    const QString commit = gamePath(CommitJournal);
    const QString stage = gamePath(StageJournal);
    // All new files of a committed set were whole: finish putting them in place.
    for (const QString &target : journalTargets(commit)) {
        const QByteArray temp = tempName(target);
        if (::access(temp.constData(), F_OK) == 0)
            ::rename(temp.constData(), fsName(target).constData());
        ::unlink(oldName(target).constData());
    }
    ::unlink(fsName(commit).constData());
    // A set still being written never replaced anything: its new files go.
    for (const QString &target : journalTargets(stage)) {
        ::unlink(tempName(target).constData());
        ::unlink(oldName(target).constData());
    }
    ::unlink(fsName(stage).constData());

    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList leftovers =
            dir.entryList({QLatin1Char('*') + TempSuffix, QLatin1Char('*') + OldSuffix},
                          QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : leftovers)
            ::unlink(fsName(dir.filePath(name)).constData());
    }
}

} // namespace ValueFile

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The game's one-value text files: one line of text followed by CR LF.
namespace ValueFile {

// The largest file a read accepts, CR LF included. A longer value is cut to fit when written
// (at a character boundary), so the game never writes a file that it cannot read back.
inline constexpr qsizetype MaxBytes = 64 * 1024;

// Replaces the file with the one line. The new content is written beside the file and renamed
// over it only when every byte has reached the disk, so a failed write (a full disk, a missing
// folder) leaves the old file whole and creates no file where there was none.
// A line break inside the text (CR LF, CR or LF) becomes one blank: a value is one line.
// Returns false when the file could not be written.
bool write(const QString &path, const QString &text);
// Writes a whole number in the game's number form (" 1 ", "-3 ").
bool writeNumber(const QString &path, qint64 value);

// One file of a set for writeAll().
struct Entry
{
    QString path; // absolute
    QString text;
};
// Replaces several files as one set: all new files are written beside their targets first;
// only when every one of them is whole are they renamed into place, one after another. A
// failure before the renames changes nothing; a rename that fails puts the files already
// replaced back as they were. A run killed during the renames is completed at the next start
// by finishInterruptedWrites(). Same text rules as write(). False when the set was not written.
bool writeAll(const QList<Entry> &entries);

enum class Status {
    Read,      // the target holds the file's last line (or is untouched: the file has no line)
    Missing,   // nothing by that name
    Unreadable // something is there but cannot be read: not a regular file (a folder, a FIFO,
               // a device, a dangling link), larger than MaxBytes, or no permission
};
// Reads the file line by line; each line replaces the target, so the target ends with the
// last line. A file with no line leaves the target as it was. Lines end at CR LF, LF or CR.
// Text is UTF-8; a line that is not valid UTF-8 is read as Windows-1252, the code page of the
// earlier product's files. The target is untouched unless the file was read.
Status load(const QString &path, QString &target);
// load() == Status::Read.
bool read(const QString &path, QString &target);

// At start-up, before anything writes: completes a set whose renames a crash interrupted, or
// drops one whose new files were not all written yet, then removes the game's own temporary
// files left in `folders` (only names that the writes above make).
void finishInterruptedWrites(const QStringList &folders);

} // namespace ValueFile

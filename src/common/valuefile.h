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
// only when every one of them is whole are they renamed into place, one after another, each
// old file kept under a second name meanwhile (a hard link, or the file itself moved aside
// where links fail, as on FAT). A failure before the renames changes nothing; a rename that
// fails puts every old file back. A journal says how far the set got: a set under the program
// folder keeps it in data/ with names relative to the program folder, so that it is finished
// by finishInterruptedWrites() wherever the folder is at the next start; a set elsewhere
// keeps it beside its own files, which all lie in that one folder, for finishInterruptedSet().
// Same text rules as write().
// False when the set was not written.
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

// At start-up, before anything writes: completes a set under the program folder whose renames
// a crash interrupted, takes back one that was being taken back, or drops one whose new files
// were not all written yet; then removes the game's own temporary files left in `folders`
// (only names that the writes above make), putting back an old copy whose file is gone.
void finishInterruptedWrites(const QStringList &folders);
// The same for a set written into `folder` outside the program folder (a backup): to be called
// before the folder's files are read. The folder may come from anyone: its journal reaches only
// the files that lie in the folder itself, never a file elsewhere or in a subfolder.
void finishInterruptedSet(const QString &folder);

// For tests: the faults of a disk and of a killed game, injected into the writes above.
namespace Faults {
// Hard links fail, as they do on FAT and exFAT.
void setLinksFail(bool fail);
// The writes make `changes` more changes to the disk and then none at all, as if the game had
// been killed there; a negative count lifts the stop.
void stopAfter(int changes);
// True once the stop set by stopAfter() has been reached.
bool stopped();
} // namespace Faults

} // namespace ValueFile

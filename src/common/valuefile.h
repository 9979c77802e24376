#pragma once

#include <QString>

// The game's one-value text files: one line of text followed by CR LF.
namespace ValueFile {

// Replaces the file with the one line, atomically: a failed write leaves the old file whole.
// Returns false when the file could not be written.
bool write(const QString &path, const QString &text);
// Writes a whole number in the game's number form (" 1 ", "-3 ").
bool writeNumber(const QString &path, qint64 value);

// Reads the file line by line; each line replaces the target, so the target ends with the
// last line. A file with no line leaves the target as it was. Lines end at CR LF, LF or CR.
// Text is UTF-8; a line that is not valid UTF-8 is read as Latin-1.
// Returns false (target untouched) when the file cannot be opened.
bool read(const QString &path, QString &target);

} // namespace ValueFile

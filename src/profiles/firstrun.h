#pragma once

#include <QString>
#include <QStringList>

// The default profiles on disk: the first-run check and set-up, and the one-file recovery
// used when a profile file has gone missing after the first run.

// A first run is a start at which none of the five name files exists, or one that follows a
// first run cut short before its import had ended.
bool isFirstRun();

// Marks a first run as under way: every start is a first run again until finishFirstRun().
// False when the mark could not be written; then nothing of the first run may be written
// either, or a run cut short would pass for a finished one.
bool beginFirstRun();
// The set-up and the import (or its fallback) have ended with every file written, or a player
// is about to write a profile or password file of their own (Play, Re-name User, Change
// Password): a first run done again would write its defaults over what the player saved.
void finishFirstRun();

// The first-run set-up before the import: the default password of all five slots, then the
// whole default profile of slots 2 to 5, written as one set. False when it could not be
// written; then none of its files was.
bool writeFirstRunDefaults();

// The whole default profile of one slot, password first, then name, cash, debt, share line
// and horses 1 to 5, as one set. False when it could not be written.
bool writeDefaultProfile(int slot);

// The value of one file of a slot by the one-value rule. A file that does not exist is
// recreated with the slot's default value, which is returned; a file that exists but cannot
// be read is left alone and the default value is returned. Existing files are never rewritten.
QString readProfileFile(int slot, const QString &suffix);

// The values of several files of a slot, in order, by the one-value rule.
// When one of them exists but cannot be read, `unreadable` is set to its game path, nothing
// is written and the result is false; otherwise missing files are recreated with their
// defaults.
bool readProfileFiles(int slot, const QStringList &suffixes, QStringList &values,
                      QString &unreadable);

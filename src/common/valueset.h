#pragma once

#include <QList>
#include <QString>

// Several one-value files that only make sense together (a restored profile, a backup set,
// the hall-of-fame table): either every file holds its new value, or every file is as it was.
struct ValueSetFile
{
    QString path; // absolute
    QString text; // the one line to write
};

// Writes the files in order. When one fails, the files already written get their old bytes
// back (or are removed when they did not exist) and the result is false.
bool writeValueSet(const QList<ValueSetFile> &files);

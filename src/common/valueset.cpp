#include "valueset.h"

#include "valuefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace {

// The bytes a file held before the set was written; nothing when it did not exist.
std::optional<QByteArray> snapshot(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void putBack(const QString &path, const std::optional<QByteArray> &old)
{
    if (!old) {
        QFile::remove(path);
        return;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(*old) == old->size() && file.flush())
        file.commit();
}

} // namespace

bool writeValueSet(const QList<ValueSetFile> &files)
{
    std::vector<std::optional<QByteArray>> before;
    before.reserve(files.size());
    for (const ValueSetFile &f : files)
        before.push_back(snapshot(f.path));

    for (qsizetype i = 0; i < files.size(); ++i) {
        if (ValueFile::write(files[i].path, files[i].text))
            continue;
        for (qsizetype j = i - 1; j >= 0; --j)
            putBack(files[j].path, before[static_cast<size_t>(j)]);
        return false;
    }
    return true;
}

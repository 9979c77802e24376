#include "valuefile.h"

#include "numbers.h"

#include <QFile>
#include <QSaveFile>

namespace ValueFile {

bool write(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = text.toUtf8() + "\r\n";
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeNumber(const QString &path, qint64 value)
{
    return write(path, numberText(value));
}

bool read(const QString &path, QString &target)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return true;

    // The value is the last line: find where it starts, ignoring the final terminator.
    qsizetype end = bytes.size();
    if (bytes.endsWith("\r\n"))
        end -= 2;
    else if (bytes.endsWith('\n') || bytes.endsWith('\r'))
        end -= 1;
    qsizetype start = end;
    while (start > 0 && bytes.at(start - 1) != '\n' && bytes.at(start - 1) != '\r')
        --start;
    target = QString::fromUtf8(bytes.mid(start, end - start));
    return true;
}

} // namespace ValueFile

#include "valuefile.h"

#include "numbers.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
// The game writes UTF-8. Files from elsewhere (the earlier product's profiles) may be in an
// 8-bit code page; a line that is not valid UTF-8 is read as Latin-1 rather than mangled.
QString decodeLine(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(line);
}
} // namespace

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
    target = decodeLine(bytes.mid(start, end - start));
    return true;
}

} // namespace ValueFile

#include "numbers.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

struct Parsed
{
    double value = 0;
    qsizetype length = 0; // characters taken; 0 when no number starts here
};

// Reads the longest number at the start of text (no blanks inside).
Parsed parseNumber(const QString &text)
{
    Parsed result;
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }

    if (i + 1 < n && text[i] == QLatin1Char('&')) {
        const QChar kind = text[i + 1].toUpper();
        const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (base != 0) {
            qsizetype j = i + 2;
            double value = 0;
            while (j < n) {
                bool ok = false;
                const int d = QString(text[j]).toInt(&ok, base);
                if (!ok)
                    break;
                value = value * base + d;
                ++j;
            }
            if (j > i + 2) {
                result.value = negative ? -value : value;
                result.length = j;
            }
            return result;
        }
    }

    const qsizetype mantissaStart = i;
    qsizetype mantissaDigits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return result;
    QString number = text.mid(mantissaStart, i - mantissaStart);

    if (i < n && (text[i].toUpper() == QLatin1Char('E') || text[i].toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        const qsizetype expDigitsStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > expDigitsStart) {
            number += QLatin1Char('e') + text.mid(i + 1, j - i - 1);
            i = j;
        }
    }
    const double value = number.toDouble();
    result.value = negative ? -value : value;
    result.length = i;
    return result;
}

std::optional<double> wholeTextNumber(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    const QString core = text.mid(start, end - start);
    const Parsed parsed = parseNumber(core);
    if (parsed.length == 0 || parsed.length != core.size() || !std::isfinite(parsed.value))
        return std::nullopt;
    return parsed.value;
}

} // namespace

std::optional<qint32> toWhole(const QString &text)
{
    const std::optional<double> value = wholeTextNumber(text);
    if (!value)
        return std::nullopt;
    return roundToWhole(*value);
}

std::optional<qint32> roundToWhole(double value)
{
    const double rounded = std::nearbyint(value); // the default mode rounds half to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<qint32>::min()
        || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

qint32 wholeOrZero(const QString &text)
{
    return toWhole(text).value_or(0);
}

qint64 amountOrZero(const QString &text)
{
    const std::optional<double> value = wholeTextNumber(text);
    if (!value)
        return 0;
    constexpr double Edge = 4611686018427387904.0; // 2^62
    return static_cast<qint64>(std::clamp(std::nearbyint(*value), -Edge, Edge));
}

std::optional<double> toDouble(const QString &text)
{
    return wholeTextNumber(text);
}

double leadingNumber(const QString &text)
{
    // A carriage return is not skipped: it ends the number like any other character.
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (!isBlank(c) && c != QLatin1Char('\n'))
            packed.append(c);
    }
    // A number too large for a double stays infinite, so that no caller takes it for 0.
    return parseNumber(packed).value;
}

QString digits(qint64 value)
{
    return QString::number(value);
}

QString numberText(qint64 value)
{
    // The magnitude is taken unsigned: the lowest 64-bit number has no positive counterpart.
    const quint64 magnitude =
        value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(magnitude)
           + QLatin1Char(' ');
}

QString decimalText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'f', 6).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

qint32 clampMoney(qint64 value)
{
    if (value > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (value < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(value);
}

QString moneyText(qint64 value)
{
    return digits(clampMoney(value));
}

#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Numbers as the game holds them: text in controls and files, converted at each use.

// The whole text must be a number, blanks around it allowed: sign, digits, one point,
// an E or D exponent, or &H / &O. Fractions round half to even. Outside the 32-bit range,
// or not a number at all, gives nothing.
std::optional<qint32> toWhole(const QString &text);

// A number rounded to the nearest whole, half to even; nothing outside the 32-bit range.
std::optional<qint32> roundToWhole(double value);

// toWhole for a sum: text that is not a 32-bit whole number counts as 0.
qint32 wholeOrZero(const QString &text);

// An amount about to be added to money and clamped (winnings, a stake). Read as toWhole
// reads, but beyond the 32-bit range it stops at +-2^62 instead of failing, so that the 64-bit
// sum cannot wrap and clampMoney alone decides where it ends; text that is not a number
// counts as 0.
qint64 amountOrZero(const QString &text);

// The same reading without rounding, for a product of two texts (odds times stake).
std::optional<double> toDouble(const QString &text);

// The leading-number rule: blanks, tabs and line feeds anywhere are ignored and the longest
// number at the start counts; text with no number at its start gives 0. A number beyond what
// a double holds ("1e400") gives an infinity of its sign.
double leadingNumber(const QString &text);

// Plain digits, a minus sign when negative: "1250", "-500".
QString digits(qint64 value);
// The game's written number form: a sign place, the digits, one blank (" 1 ", "-3 ").
QString numberText(qint64 value);
// A double as plain decimal text, no exponent and no trailing zeros: 750, 187.5.
QString decimalText(double value);

// Money never wraps. Sums are worked out in 64 bits and a result beyond the 32-bit range
// stops at its edge, so the cash and debt stored are always whole 32-bit numbers.
qint32 clampMoney(qint64 value);
QString moneyText(qint64 value);

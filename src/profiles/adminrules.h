#pragma once

#include <QString>

#include <optional>

// The administration panel's rules.
namespace Admin {

// The password is case-sensitive and must be given exactly.
inline const QString Password = QStringLiteral("quillet");

// An amount typed into the panel: the number it starts with (blanks ignored, "12abc" is 12,
// "abc" is 0), rounded half to even; nothing when it does not fit 32 bits.
std::optional<qint32> amount(const QString &text);

} // namespace Admin

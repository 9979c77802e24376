#pragma once

#include <QString>

#include <array>

// Which of the five runners a name stands for when the runners are renamed: the last runner
// (1..5) whose name equals it, or 0 when none does. The share line and the backed horse both
// follow their runner to its new name by this rule.
int lastMatchingRunner(const std::array<QString, 5> &names, const QString &name);

#include "renaming.h"

int lastMatchingRunner(const std::array<QString, 5> &names, const QString &name)
{
    int found = 0;
    for (int k = 1; k <= 5; ++k) {
        if (names[k - 1] == name)
            found = k;
    }
    return found;
}

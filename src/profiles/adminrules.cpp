#include "adminrules.h"

#include "common/numbers.h"

namespace Admin {

std::optional<qint32> amount(const QString &text)
{
    return roundToWhole(leadingNumber(text));
}

} // namespace Admin

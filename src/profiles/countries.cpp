#include "countries.h"

#include <array>
#include <utility>

namespace {

const QString Pound = QStringLiteral("£");
const QString Euro = QStringLiteral("€");
const QString Dollar = QStringLiteral("$");

// The main window's table keeps its own order (Africa sits among the European countries);
// the order only matters for a text that would match two rows, which none does.
const std::array<std::pair<QString, QString>, 29> &currencyTable()
{
    static const std::array<std::pair<QString, QString>, 29> table = {{
        {QStringLiteral("United Kingdom"), Pound},
        {QStringLiteral("Austria"), Euro},
        {QStringLiteral("Belgium"), Euro},
        {QStringLiteral("Denmark"), Euro},
        {QStringLiteral("Eire"), Dollar},
        {QStringLiteral("Finland"), Euro},
        {QStringLiteral("France"), Euro},
        {QStringLiteral("Germany"), Euro},
        {QStringLiteral("Greece"), Euro},
        {QStringLiteral("Italy"), Euro},
        {QStringLiteral("Luxembourg"), Euro},
        {QStringLiteral("Netherlands"), Euro},
        {QStringLiteral("N Ireland"), Pound},
        {QStringLiteral("Africa"), Dollar},
        {QStringLiteral("Portgual"), Euro},
        {QStringLiteral("Russia"), Dollar},
        {QStringLiteral("Spain"), Euro},
        {QStringLiteral("Sweden"), Euro},
        {QStringLiteral("Switzerland"), Euro},
        {QStringLiteral("Other Parts Of Europe"), Dollar},
        {QStringLiteral("South America"), Dollar},
        {QStringLiteral("Canada"), Dollar},
        {QStringLiteral("China"), Dollar},
        {QStringLiteral("Japan"), Dollar},
        {QStringLiteral("S Koera"), Dollar},
        {QStringLiteral("Other Parts Of Asia"), Dollar},
        {QStringLiteral("Australlia"), Dollar},
        {QStringLiteral("New Zealand"), Dollar},
        {QStringLiteral("United States Of America"), Dollar},
    }};
    return table;
}

} // namespace

const QStringList &countryList()
{
    static const QStringList countries = {
        QStringLiteral("United Kingdom"),
        QStringLiteral("Austria"),
        QStringLiteral("Belgium"),
        QStringLiteral("Denmark"),
        QStringLiteral("Eire"),
        QStringLiteral("Finland"),
        QStringLiteral("France"),
        QStringLiteral("Germany"),
        QStringLiteral("Greece"),
        QStringLiteral("Italy"),
        QStringLiteral("Luxembourg"),
        QStringLiteral("Netherlands"),
        QStringLiteral("N Ireland"),
        QStringLiteral("Portgual"),
        QStringLiteral("Russia"),
        QStringLiteral("Spain"),
        QStringLiteral("Sweden"),
        QStringLiteral("Switzerland"),
        QStringLiteral("Other Parts Of Europe"),
        QStringLiteral("South America"),
        QStringLiteral("Canada"),
        QStringLiteral("China"),
        QStringLiteral("Japan"),
        QStringLiteral("S Koera"),
        QStringLiteral("Other Parts Of Asia"),
        QStringLiteral("Africa"),
        QStringLiteral("Australlia"),
        QStringLiteral("New Zealand"),
        QStringLiteral("United States Of America"),
    };
    return countries;
}

QString currencyForCountry(const QString &country)
{
    // Every row is compared, as the main window does; the last match would win.
    QString symbol;
    for (const auto &[text, rowSymbol] : currencyTable()) {
        if (text == country)
            symbol = rowSymbol;
    }
    return symbol;
}

#pragma once

#include <QString>
#include <QStringList>

// The country file: one line, the country text exactly as the player left it in the country
// box. Whether it can be opened decides whether this is a first run.
inline const QString CountryFilePath = QStringLiteral("\\data\\horcountry.hor");

// The country texts of the first-run list, in the order the list shows them. The spellings are
// the game's own and are what the country file stores, so they must never be corrected.
const QStringList &countryList();

// The currency symbol ("£", "€" or "$") the main window uses for a stored country text;
// empty when the text matches no country exactly (case and blanks count).
QString currencyForCountry(const QString &country);

#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The file set of a user slot and its default values.
namespace UserProfile {

inline const QString NoShares = QStringLiteral("You Have No Shares");
inline const QString DefaultPassword = QStringLiteral("2864");
inline const QString DefaultMoney = QStringLiteral("500");
inline const std::array<QString, 5> DefaultHorses = {
    QStringLiteral("Red Rum"), QStringLiteral("Desert Orchard"), QStringLiteral("Mr Ed"),
    QStringLiteral("Whopper Meal With Fries"), QStringLiteral("Black Beauty")};

// Suffixes of a slot's files, after "\data\user<N>".
inline const QString Name = QStringLiteral("n.hor");
inline const QString Cash = QStringLiteral("cash.hor");
inline const QString Debt = QStringLiteral("debt.hor");
inline const QString Share = QStringLiteral("share.hor");
inline const QString Password = QStringLiteral("p.dll");
QString horse(int number); // "hor1.hor" .. "hor5.hor"

// The game path of one file of a slot: "\data\user3cash.hor".
QString file(int slot, const QString &suffix);

// The share line as a share file gives it: "0" and an empty line both mean no share.
QString shareLine(const QString &fileText);

// "User 1" for slot 1, "user2".."user5" for the others.
QString defaultName(int slot);
// The default content of one file of a slot, by suffix.
QString defaultValue(int slot, const QString &suffix);

// The eight files the saves write, in their order: cash, debt, share, horses 1..5.
QStringList savedSuffixes();
// All ten files of a slot: name, cash, debt, share, horses 1..5, password.
QStringList allSuffixes();

} // namespace UserProfile

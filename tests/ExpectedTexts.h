// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QStringList>

#include <utility>

// The countries and parliaments as a learner must see them, typed out here
// again so that a fault in the program's own tables cannot hide.
namespace expected {

inline const QStringList countries {"Норвегия", "Монголия", "Полша",    "Израел",
                                    "Турция",   "Япония",   "САЩ",      "Русия",
                                    "Германия", "Сърбия",   "България", "Испания"};

inline const QStringList parliaments {
    "Бундестаг", "Велик Хурал",      "Диета", "Държавна дума", "Кносет",  "Конгрес", "Кортеси",
    "Меджлис",   "Народно събрание", "Сейм",  "Скупщина",      "Стартинг"};

// The right pairs, country and parliament, in the order the task text lists
// them for the reader.
inline const QList<std::pair<QString, QString>> answers {
    {"Германия", "Бундестаг"},  {"Монголия", "Велик Хурал"}, {"Япония", "Диета"},
    {"Русия", "Държавна дума"}, {"Израел", "Кносет"},        {"САЩ", "Конгрес"},
    {"Испания", "Кортеси"},     {"Турция", "Меджлис"},       {"България", "Народно събрание"},
    {"Полша", "Сейм"},          {"Сърбия", "Скупщина"},      {"Норвегия", "Стартинг"}};

// The list position of the country's right parliament; -1 for no country.
inline qsizetype rightPosition(qsizetype country)
{
    for (const auto &[name, parliament] : answers)
        if (countries.value(country) == name)
            return parliaments.indexOf(parliament);
    return -1;
}

} // namespace expected

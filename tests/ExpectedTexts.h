// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The countries and parliaments as a learner must see them, typed out here
// again so that a fault in the program's own tables cannot hide.
namespace expected {

inline const QStringList countries {"Норвегия", "Монголия", "Полша",    "Израел",
                                    "Турция",   "Япония",   "САЩ",      "Русия",
                                    "Германия", "Сърбия",   "България", "Испания"};

inline const QStringList parliaments {
    "Бундестаг", "Велик Хурал",      "Диета", "Държавна дума", "Кносет",  "Конгрес", "Кортеси",
    "Меджлис",   "Народно събрание", "Сейм",  "Скупщина",      "Стартинг"};

} // namespace expected

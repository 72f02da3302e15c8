// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <array>

// Every text the form shows: constant tables, nothing made at start-up.
namespace ui::texts {

// The desktop window's title: the publisher's address, then the quiz's name.
inline constexpr TextView windowTitle
    = u"parliament-quiz.example.org География - страна, парламент";

inline constexpr std::array<TextView, 5> label1Captions {
    u"Радио бутон, списъчно поле - държава, парламент",
    u"Страна",
    u"Парламент",
    u"Вярно",
    u"Невярно",
};

inline constexpr std::array<TextView, 12> countries {
    u"Норвегия", u"Монголия", u"Полша",    u"Израел", u"Турция",   u"Япония",
    u"САЩ",      u"Русия",    u"Германия", u"Сърбия", u"България", u"Испания",
};

inline constexpr std::array<TextView, 12> parliaments {
    u"Бундестаг",        u"Велик Хурал", u"Диета",    u"Държавна дума",
    u"Кносет",           u"Конгрес",     u"Кортеси",  u"Меджлис",
    u"Народно събрание", u"Сейм",        u"Скупщина", u"Стартинг",
};

inline constexpr std::array<TextView, 2> command1Captions {
    u"Сравни",
    u"Чисти",
};

inline constexpr TextView instructions
    = u"Да се състави проект показващ междупредметна връзка География и Информатика.\r\n"
      u"Проектът онагледява съвместна работа между група радиобутони и записи в списъчно поле.\r\n"
      u"Като радиобутони се ползва конкретна страна/държава.\r\n"
      u"Като ред от списъчното поле е названието на парламента в тази страна\r\n"
      u"Трябва да се посочи едновременно и от двете групи конкретен ред - радиобутон и ред от "
      u"списъчното поле, така че да съществува вярна релация между название на страна и "
      u"параламент.\r\n"
      u"Да се вложат и два допълнителни командни бутона.\r\n"
      u"а) чрез първия команден бутон се проверява правилността на направения избор.  След "
      u"извършване на избора се забранява достъпа до бутона и се изтрива съдържанието на реда от "
      u"списъчното поле.\r\n"
      u"б) чрез втория команден бутон се изтриват всички въведени данни и се възстановява "
      u"началното положение.\r\n"
      u"\r\n"
      u"Проектът съдържа следния списък: страна и парламент\r\n"
      u"Германия - Бундестаг\r\n"
      u"Монголия - Велик Хурал\r\n"
      u"Япония - Диета\r\n"
      u"Русия - Държавна дума\r\n"
      u"Израел - Кносет\r\n"
      u"САЩ - Конгрес\r\n"
      u"Испания - Кортеси\r\n"
      u"Турция - Меджлис\r\n"
      u"България - Народно събрание\r\n"
      u"Полша - Сейм\r\n"
      u"Сърбия - Скупщина\r\n"
      u"Норвегия - Стартинг\r\n";

inline constexpr TextView quotation
    = u"Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
      u"оценява колко трудно е било. \r\n";

inline constexpr TextView parliamentListName = u"Парламент";
inline constexpr TextView logBoxName = u"Задание и дневник на отговорите";

} // namespace ui::texts

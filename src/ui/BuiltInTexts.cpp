// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BuiltInTexts.h"

namespace ui::texts {

const QString windowTitle
    = QStringLiteral("parliament-quiz.example.org География - страна, парламент");

const std::array<QString, 5> label1Captions {
    QStringLiteral("Радио бутон, списъчно поле - държава, парламент"),
    QStringLiteral("Страна"),
    QStringLiteral("Парламент"),
    QStringLiteral("Вярно"),
    QStringLiteral("Невярно"),
};

const std::array<QString, 12> countries {
    QStringLiteral("Норвегия"), QStringLiteral("Монголия"), QStringLiteral("Полша"),
    QStringLiteral("Израел"),   QStringLiteral("Турция"),   QStringLiteral("Япония"),
    QStringLiteral("САЩ"),      QStringLiteral("Русия"),    QStringLiteral("Германия"),
    QStringLiteral("Сърбия"),   QStringLiteral("България"), QStringLiteral("Испания"),
};

const std::array<QString, 12> parliaments {
    QStringLiteral("Бундестаг"),
    QStringLiteral("Велик Хурал"),
    QStringLiteral("Диета"),
    QStringLiteral("Държавна дума"),
    QStringLiteral("Кносет"),
    QStringLiteral("Конгрес"),
    QStringLiteral("Кортеси"),
    QStringLiteral("Меджлис"),
    QStringLiteral("Народно събрание"),
    QStringLiteral("Сейм"),
    QStringLiteral("Скупщина"),
    QStringLiteral("Стартинг"),
};

const std::array<QString, 2> command1Captions {
    QStringLiteral("Сравни"),
    QStringLiteral("Чисти"),
};

const QString instructions = QStringLiteral(
    "Да се състави проект показващ междупредметна връзка География и Информатика.\r\n"
    "Проектът онагледява съвместна работа между група радиобутони и записи в списъчно поле.\r\n"
    "Като радиобутони се ползва конкретна страна/държава.\r\n"
    "Като ред от списъчното поле е названието на парламента в тази страна\r\n"
    "Трябва да се посочи едновременно и от двете групи конкретен ред - радиобутон и ред от "
    "списъчното поле, така че да съществува вярна релация между название на страна и "
    "параламент.\r\n"
    "Да се вложат и два допълнителни командни бутона.\r\n"
    "а) чрез първия команден бутон се проверява правилността на направения избор.  След "
    "извършване на избора се забранява достъпа до бутона и се изтрива съдържанието на реда от "
    "списъчното поле.\r\n"
    "б) чрез втория команден бутон се изтриват всички въведени данни и се възстановява "
    "началното положение.\r\n"
    "\r\n"
    "Проектът съдържа следния списък: страна и парламент\r\n"
    "Германия - Бундестаг\r\n"
    "Монголия - Велик Хурал\r\n"
    "Япония - Диета\r\n"
    "Русия - Държавна дума\r\n"
    "Израел - Кносет\r\n"
    "САЩ - Конгрес\r\n"
    "Испания - Кортеси\r\n"
    "Турция - Меджлис\r\n"
    "България - Народно събрание\r\n"
    "Полша - Сейм\r\n"
    "Сърбия - Скупщина\r\n"
    "Норвегия - Стартинг\r\n");

const QString quotation = QStringLiteral(
    "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
    "оценява колко трудно е било. \r\n");

const QString parliamentListName = QStringLiteral("Парламент");
const QString logBoxName = QStringLiteral("Задание и дневник на отговорите");

} // namespace ui::texts

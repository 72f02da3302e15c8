// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

// Every text the form shows.
namespace ui::texts {

extern const QString windowTitle;

// Label1 captions by index.
extern const std::array<QString, 5> label1Captions;
// Option1 captions by index: the countries.
extern const std::array<QString, 12> countries;
// List1 entries by position, already in the list's sorted order: the parliaments.
extern const std::array<QString, 12> parliaments;
// Command1 captions by index.
extern const std::array<QString, 2> command1Captions;

// The content Text1(0) starts with: the task and the answers for the reader.
extern const QString instructions;
// The content of the hidden Text1(1).
extern const QString quotation;

// What a screen reader calls the controls that have no caption of their own.
extern const QString parliamentListName;
extern const QString logBoxName;

} // namespace ui::texts

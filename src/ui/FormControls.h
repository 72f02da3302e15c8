// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/CommandButton.h"
#include "ui/ControlArray.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"

namespace ui {

// Where each of the form's roles stands in its control array. The quiz's
// handlers address controls by array and index, as the form is designed;
// these say which index is which, once.
namespace role {
// Text1
inline constexpr Index log = 0;
inline constexpr Index quotation = 1;
// Label1
inline constexpr Index title = 0;
inline constexpr Index countryHeading = 1;
inline constexpr Index parliamentHeading = 2;
inline constexpr Index rightVerdict = 3;
inline constexpr Index wrongVerdict = 4;
// List1
inline constexpr Index parliamentList = 0;
inline constexpr Index masterList = 1;
// Command1
inline constexpr Index compare = 0;
inline constexpr Index clear = 1;
} // namespace role

// Every control of the quiz form. Each toolkit's builder fills the arrays
// with its own controls, placed, coloured and filled as the control table
// and the texts say; whoever is not the quiz asks for a control by its role.
struct FormControls
{
    FormControls() = default;
    FormControls(const FormControls &) = delete;
    FormControls &operator=(const FormControls &) = delete;

    ControlArray<TextBox> Text1;
    ControlArray<Label> Label1;
    ControlArray<OptionButton> Option1;
    ControlArray<ListBox> List1;
    ControlArray<CommandButton> Command1;

    // The task and the answer log.
    TextBox &log() { return Text1(role::log); }
    const TextBox &log() const { return Text1(role::log); }
    // The hidden quotation.
    TextBox &quotation() { return Text1(role::quotation); }
    const TextBox &quotation() const { return Text1(role::quotation); }

    Label &title() { return Label1(role::title); }
    const Label &title() const { return Label1(role::title); }
    Label &countryHeading() { return Label1(role::countryHeading); }
    const Label &countryHeading() const { return Label1(role::countryHeading); }
    Label &parliamentHeading() { return Label1(role::parliamentHeading); }
    const Label &parliamentHeading() const { return Label1(role::parliamentHeading); }
    Label &rightVerdict() { return Label1(role::rightVerdict); }
    const Label &rightVerdict() const { return Label1(role::rightVerdict); }
    Label &wrongVerdict() { return Label1(role::wrongVerdict); }
    const Label &wrongVerdict() const { return Label1(role::wrongVerdict); }

    // The country buttons, by the country's index.
    OptionButton &country(Index index) { return Option1(index); }
    const OptionButton &country(Index index) const { return Option1(index); }
    Index countryCount() const { return Option1.count(); }

    // The parliaments the learner picks from, and the hidden master copy
    // that refills them.
    ListBox &parliamentList() { return List1(role::parliamentList); }
    const ListBox &parliamentList() const { return List1(role::parliamentList); }
    ListBox &masterList() { return List1(role::masterList); }
    const ListBox &masterList() const { return List1(role::masterList); }

    CommandButton &compare() { return Command1(role::compare); }
    const CommandButton &compare() const { return Command1(role::compare); }
    CommandButton &clear() { return Command1(role::clear); }
    const CommandButton &clear() const { return Command1(role::clear); }
};

} // namespace ui

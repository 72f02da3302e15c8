// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FormContent.h"

#include "ui/BuiltInTexts.h"
#include "ui/FormControls.h"

namespace ui {

FormContent FormContent::builtIn()
{
    return {
        Text(texts::windowTitle),
        Text(texts::label1Captions[role::title]),
        Text(texts::label1Captions[role::countryHeading]),
        Text(texts::label1Captions[role::parliamentHeading]),
        {texts::countries.begin(), texts::countries.end()},
        {texts::parliaments.begin(), texts::parliaments.end()},
        Text(texts::instructions),
    };
}

std::array<TextView, 5> FormContent::label1Captions() const
{
    return {title, countryHeading, parliamentHeading, texts::label1Captions[role::rightVerdict],
            texts::label1Captions[role::wrongVerdict]};
}

} // namespace ui

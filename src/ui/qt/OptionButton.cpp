// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/OptionButton.h"

#include <QButtonGroup>

#include <algorithm>

namespace ui::qt {

namespace {

// Qt makes an exclusive group one tab stop, the button last focused; once
// that one is disabled Tab never reaches the group again. Moves the tab stop
// to the checked button, or the first enabled one, whenever that happens.
void keepGroupReachableByTab(QButtonGroup *group)
{
    const QList<QAbstractButton *> buttons = group->buttons();
    const auto isEnabledTabStop = [](const QAbstractButton *button) {
        return button->isEnabled() && (button->focusPolicy() & Qt::TabFocus);
    };
    if (std::any_of(buttons.begin(), buttons.end(), isEnabledTabStop))
        return;

    // The checked button is where a keyboard user expects to land.
    QAbstractButton *tabStop = group->checkedButton();
    if (!tabStop || !tabStop->isEnabled()) {
        const auto firstEnabled = std::find_if(buttons.begin(), buttons.end(),
                                               [](auto *button) { return button->isEnabled(); });
        if (firstEnabled == buttons.end())
            return; // nothing left to answer
        tabStop = *firstEnabled;
    }
    for (QAbstractButton *button : buttons) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == tabStop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                 : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace

OptionButton::OptionButton(QWidget *parent, QButtonGroup *group)
    : WidgetControl(new QRadioButton(parent))
    , group_(group)
{
    group_->addButton(widget());
}

Text OptionButton::Caption() const
{
    return fromQString(widget()->text());
}

void OptionButton::setCaption(TextView caption)
{
    widget()->setText(toQString(caption));
}

bool OptionButton::Value() const
{
    return widget()->isChecked();
}

void OptionButton::setEnabled(bool enabled)
{
    WidgetControl::setEnabled(enabled);
    keepGroupReachableByTab(group_);
}

void OptionButton::onClick(ClickNotice notify)
{
    auto *button = widget();
    QObject::connect(button, &QRadioButton::toggled, button,
                     [notify = std::move(notify)](bool checked) {
                         if (checked)
                             notify();
                     });
}

} // namespace ui::qt

// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/TextBox.h"
#include "ui/qt/WidgetControl.h"

#include <QPlainTextEdit>

namespace ui::qt {

class Announcer;

class TextBox : public WidgetControl<ui::TextBox, QPlainTextEdit>
{
public:
    explicit TextBox(QWidget *parent);

protected:
    void showText(const ui::Text &text) override;
    void showAppended(TextView more, bool completesLineEnd) override;
    void announce(TextView line) override;

private:
    // True when the box is hidden: the text is then marked for showing once
    // the box is, and the caller shows nothing now.
    bool deferredWhileHidden();
    void showWholeText();

    QPointer<Announcer> announcer_;
    // A hidden box's widget gets the text only as it is shown: a box that
    // never shows never lays it out.
    bool shownTextStale_ = false;
};

} // namespace ui::qt

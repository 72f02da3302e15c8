// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

namespace ui {

// What every control offers the quiz: visibility, enabled state and
// background colour. Owns its widget; the widget's parent lays it out.
class Control
{
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    // The control's own flag, true even before its window is first shown.
    bool Visible() const;
    void setVisible(bool visible);

    bool Enabled() const;
    virtual void setEnabled(bool enabled);

    QColor BackColor() const;
    void setBackColor(const QColor &color);

protected:
    explicit Control(QWidget *widget);
    QWidget *widget() const;

private:
    friend struct ControlWidget;

    // Guarded: the form may have deleted the widget before this control.
    QPointer<QObject> widget_;
};

} // namespace ui

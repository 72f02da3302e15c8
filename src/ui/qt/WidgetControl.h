// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/Text.h"
#include "ui/TextBox.h"

#include <QPointer>
#include <QWidget>

namespace ui::qt {

// Owns the widget behind one control; the widget's parent lays it out.
class WidgetHolder
{
public:
    WidgetHolder(const WidgetHolder &) = delete;
    WidgetHolder &operator=(const WidgetHolder &) = delete;

protected:
    explicit WidgetHolder(QWidget *widget);
    ~WidgetHolder();
    QWidget *widget() const;

private:
    friend struct ControlWidget;

    // Guarded: the form may have deleted the widget before this control.
    QPointer<QObject> widget_;
};

// What every control does the same over its widget.
bool shownFlag(const QWidget *widget);
Rgb backgroundOf(const QWidget *widget);
void paintBackground(QWidget *widget, Rgb color);

// One control of kind `Interface` (a label, a list box...) over a Qt widget
// of kind `Widget`, which widget() gives back as that kind.
template<typename Interface, typename Widget>
class WidgetControl : public Interface, public WidgetHolder
{
public:
    bool Visible() const override { return shownFlag(widget()); }
    void setVisible(bool visible) override { widget()->setVisible(visible); }

    bool Enabled() const override { return widget()->isEnabled(); }
    void setEnabled(bool enabled) override { widget()->setEnabled(enabled); }

    Rgb BackColor() const override { return backgroundOf(widget()); }
    void setBackColor(Rgb color) override { paintBackground(widget(), color); }

protected:
    explicit WidgetControl(Widget *widget)
        : WidgetHolder(widget)
    { }

    Widget *widget() const { return static_cast<Widget *>(WidgetHolder::widget()); }
};

// Between the form's own text type and Qt's: both UTF-16, so a copy.
inline QString toQString(TextView text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline QString toQString(const TextValue &text)
{
    return toQString(Text(text));
}

inline Text fromQString(const QString &text)
{
    return text.toStdU16String();
}

inline QColor toQColor(Rgb color)
{
    return QColor(color.red, color.green, color.blue);
}

} // namespace ui::qt

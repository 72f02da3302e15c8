// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/FocusMark.h"

#include <QApplication>
#include <QPainter>

namespace ui::qt {

namespace {

constexpr int markWidth = 2;

// The part of a control that shows: a masked control shows only its mask.
QRect shownRect(const QWidget *control)
{
    const QRect local
        = control->mask().isEmpty() ? control->rect() : control->mask().boundingRect();
    return local.translated(control->pos());
}

} // namespace

FocusMark::FocusMark(QWidget *form)
    : QWidget(form)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusMark::follow(QWidget *focused)
{
    if (!focused || focused == parentWidget() || focused->parentWidget() != parentWidget()) {
        hide();
        return;
    }
    setGeometry(shownRect(focused));
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, markWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

} // namespace ui::qt

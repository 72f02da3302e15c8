// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/FontFit.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>

#include <algorithm>

namespace ui::qt {

namespace {

bool captionsFit(const QWidget *form)
{
    const QList<QWidget *> controls = form->findChildren<QWidget *>();
    return std::all_of(controls.begin(), controls.end(), [](const QWidget *control) {
        const bool captioned = qobject_cast<const QLabel *>(control)
            || qobject_cast<const QAbstractButton *>(control);
        return !captioned || control->sizeHint().width() <= control->width();
    });
}

} // namespace

void fitFontToCaptions(QWidget *form, const QStringList &designedFamilies, int smallestPointSize)
{
    QFont font = form->font();
    // The form was laid out for these faces: with one of them, all fits.
    if (designedFamilies.contains(QFontInfo(font).family()))
        return;
    while (!captionsFit(form) && font.pointSize() > smallestPointSize) {
        font.setPointSize(font.pointSize() - 1);
        form->setFont(font);
    }
}

} // namespace ui::qt

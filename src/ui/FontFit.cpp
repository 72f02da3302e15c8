#include "ui/FontFit.h"

#include <QAbstractButton>
#include <QLabel>

namespace ui {

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

void fitFontToCaptions(QWidget *form, int smallestPointSize)
{
    QFont font = form->font();
    while (!captionsFit(form) && font.pointSize() > smallestPointSize) {
        font.setPointSize(font.pointSize() - 1);
        form->setFont(font);
        // A control with a style sheet does not follow its parent's font
        // once polished, so each is told directly.
        for (QWidget *control : form->findChildren<QWidget *>())
            control->setFont(font);
    }
}

} // namespace ui

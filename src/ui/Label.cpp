#include "ui/Label.h"

#include <QLabel>

namespace ui {

Label::Label(QWidget *parent)
    : Control(new QLabel(parent))
{ }

QString Label::Caption() const
{
    return static_cast<QLabel *>(widget())->text();
}

void Label::setCaption(const QString &caption)
{
    static_cast<QLabel *>(widget())->setText(caption);
}

} // namespace ui

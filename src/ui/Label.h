#pragma once

#include "ui/Control.h"

#include <QString>

namespace ui {

class Label : public Control
{
public:
    explicit Label(QWidget *parent);

    QString Caption() const;
    void setCaption(const QString &caption);
};

} // namespace ui

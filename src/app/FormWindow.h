#pragma once

#include <QWidget>

// The quiz window's own look: title, icon, fixed client area, background,
// the font every control inherits and the mark that shows the focus. MainForm's base, so that all
// of it is in place before the first control is made; a control with a style sheet would not pick
// up a font set on its parent later.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(QWidget *parent = nullptr);
};

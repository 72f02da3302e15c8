#include "app/FormWindow.h"

#include "ui/BuiltInTexts.h"
#include "ui/ControlTable.h"
#include "ui/FocusMark.h"
#include "ui/Twips.h"

#include <QFont>
#include <QIcon>

namespace {

QFont formFont()
{
    // Liberation Serif has Times New Roman's metrics, so the captions fit
    // the same boxes where the original face is missing.
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

QIcon formIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/parliament-quiz-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

FormWindow::FormWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(ui::texts::windowTitle);
    setWindowIcon(formIcon());
    setFixedSize(ui::pixelsFromTwips(ui::formWidthTwips), ui::pixelsFromTwips(ui::formHeightTwips));
    setFont(formFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(ui::formBackColor));
    setPalette(background);
    setAutoFillBackground(true);
    new ui::FocusMark(this);
}

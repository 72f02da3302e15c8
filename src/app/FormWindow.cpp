#include "app/FormWindow.h"

#include "ui/BuiltInTexts.h"
#include "ui/ControlTable.h"
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

} // namespace

FormWindow::FormWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(ui::texts::windowTitle);
    setWindowIcon(QIcon(QStringLiteral(":/parliament-quiz.xpm")));
    setFixedSize(ui::pixelsFromTwips(ui::formWidthTwips), ui::pixelsFromTwips(ui::formHeightTwips));
    setFont(formFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(ui::formBackColor));
    setPalette(background);
    setAutoFillBackground(true);
}

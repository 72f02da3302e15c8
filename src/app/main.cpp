#include "app/MainForm.h"
#include "app/StartupGuard.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    StartupGuard guard;
    QApplication app(argc, argv);
    guard.release();

    QApplication::setApplicationName(QStringLiteral("parliament-quiz"));
    QApplication::setApplicationVersion(QStringLiteral(QUIZ_VERSION));

    MainForm form;
    form.show();
    return QApplication::exec();
}

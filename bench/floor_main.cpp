#include "FloorWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.show();
    return QApplication::exec();
}

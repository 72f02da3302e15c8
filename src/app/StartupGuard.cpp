#include "app/StartupGuard.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QString file;
    QString function;
    QString category;
    int line;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "parliament-quiz: cannot open a window, no usable display (%s)\n",
                     qPrintable(text.section(u'\n', 0, 0)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, QString::fromUtf8(context.file),
                            QString::fromUtf8(context.function),
                            QString::fromUtf8(context.category), context.line, text});
}

} // namespace

StartupGuard::StartupGuard()
{
    previousHandler = qInstallMessageHandler(guardHandler);
}

StartupGuard::~StartupGuard()
{
    release();
}

void StartupGuard::release()
{
    if (!previousHandler)
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &held : heldMessages) {
        const QByteArray file = held.file.toUtf8();
        const QByteArray function = held.function.toUtf8();
        const QByteArray category = held.category.toUtf8();
        const QMessageLogContext context(file.constData(), held.line, function.constData(),
                                         category.constData());
        previousHandler(held.type, context, held.text);
    }
    heldMessages.clear();
    previousHandler = nullptr;
}

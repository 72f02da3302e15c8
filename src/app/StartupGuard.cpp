// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartupGuard.h"

#include "app/UserMessage.h"

#include <cstdlib>

StartupGuard *StartupGuard::active_ = nullptr;

StartupGuard::StartupGuard()
{
    active_ = this;
    previousHandler_ = qInstallMessageHandler(handle);
}

StartupGuard::~StartupGuard()
{
    release();
}

void StartupGuard::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        active_->fail(text);
    active_->held_.push_back({type, QString::fromUtf8(context.file),
                              QString::fromUtf8(context.function),
                              QString::fromUtf8(context.category), context.line, text});
}

// The platform's own lines say what went wrong; the fatal one only that
// nothing could start.
void StartupGuard::fail(const QString &fatalText) const
{
    const QString cannotOpen = QStringLiteral("parliament-quiz: cannot open a window");
    QString cause = QStringLiteral(": ") + fatalText.section(u'\n', 0, 0);
    bool pluginNamed = false;
    for (const HeldMessage &held : held_) {
        const QString line = held.text.section(u'\n', 0, 0);
        if (held.category.startsWith(u"qt.qpa") && held.text.contains(u"display")) {
            cause = QStringLiteral(", no usable display (%1)").arg(line);
            break;
        }
        if (!pluginNamed && held.category == u"qt.qpa.plugin") {
            cause = QStringLiteral(": ") + line;
            pluginNamed = true;
        }
    }
    const QString said = cannotOpen + cause;
    tellUser(said);
    std::_Exit(1);
}

void StartupGuard::release()
{
    if (active_ != this)
        return;
    qInstallMessageHandler(previousHandler_);
    active_ = nullptr;
    for (const HeldMessage &held : held_) {
        const QByteArray file = held.file.toUtf8();
        const QByteArray function = held.function.toUtf8();
        const QByteArray category = held.category.toUtf8();
        const QMessageLogContext context(file.constData(), held.line, function.constData(),
                                         category.constData());
        previousHandler_(held.type, context, held.text);
    }
    held_.clear();
}

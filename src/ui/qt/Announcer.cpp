// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/Announcer.h"

#include <QAccessibleWidget>

namespace ui::qt {

#if !QUIZ_HAS_ANNOUNCEMENT_EVENT
namespace {

constexpr qsizetype noticesKept = 8;

class AccessibleNotice : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(Notice *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Notice *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleNotice(const QString &, QObject *object)
{
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new AccessibleNotice(notice);
    return nullptr;
}

} // namespace

Notice::Notice(QWidget *parent, const QString &text)
    : QWidget(parent)
    , text_(text)
{
    // The role must be known before the object is first asked for.
    static const bool installed = [] {
        QAccessible::installFactory(accessibleNotice);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}
#endif

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , window_(window)
{ }

void Announcer::announce(const QString &text)
{
#if QUIZ_HAS_ANNOUNCEMENT_EVENT
    QAccessibleAnnouncementEvent event(window_, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    for (const QPointer<Notice> &shown : std::as_const(notices_))
        if (shown)
            shown->hide();
    if (notices_.size() >= noticesKept)
        delete notices_.takeFirst();
    notices_ << new Notice(window_, text);
    notices_.last()->show();
#endif
}

} // namespace ui::qt

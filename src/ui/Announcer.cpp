#include "ui/Announcer.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

class AccessibleAnnouncer : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncer(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Announcer *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleAnnouncer(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AccessibleAnnouncer(announcer);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    // The role must be known before the object is first asked for.
    static const bool installed = [] {
        QAccessible::installFactory(accessibleAnnouncer);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &text)
{
    text_ = text;
#if QUIZ_HAS_ANNOUNCEMENT_EVENT
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    show();
#endif
}

} // namespace ui

// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/Announcer.h"

#include <QAccessibleWidget>

namespace ui::qt {

// One announcement before Qt 6.8: an invisible object in the notification
// role, named by its text, that screen readers speak as it appears.
class Notice : public QWidget
{
public:
    Notice(QWidget *parent, const QString &text);
    QString text() const { return text_; }

private:
    const QString text_;
};

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

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , window_(window)
{ }

// Each text a Notice of its own: a reader that keeps the names it has read
// (Orca 48 does) would repeat an old text if one object were shown again
// under a new name, and Orca 43 stops speaking when told of a new name on a
// hidden object.
void Announcer::announce(const QString &text)
{
    for (const QPointer<QWidget> &shown : std::as_const(notices_))
        if (shown)
            shown->hide();
    if (notices_.size() >= noticesKept)
        delete notices_.takeFirst();
    notices_ << new Notice(window_, text);
    notices_.last()->show();
}

} // namespace ui::qt

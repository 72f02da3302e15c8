// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Browser.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <map>
#include <string>
#include <vector>

// Qt's web platform draws the form on a canvas and, until a hidden English
// button is found, tells the browser nothing of it. The page gets its own
// copy of the form's accessibility tree instead: an element for every
// control with its role, name and state, kept up to date, with the focus
// where the form has it, and a polite live region for announcements.
namespace ui::browser {

namespace {

using emscripten::val;

// Announcements kept in the live region, for a reader still reading them.
constexpr int announcementsKept = 8;

int datasetNumber(const val &element, const char *key)
{
    const val value = element["dataset"][key];
    return value.isUndefined() ? -1 : std::stoi(value.as<std::string>());
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

val createElement(const char *tag)
{
    return val::global("document").call<val>("createElement", std::string(tag));
}

// Over the control on the canvas, so that the page's element is where the
// learner sees the control.
void placeElement(const val &element, const QRect &place)
{
    val style = element["style"];
    style.set("position", std::string("absolute"));
    style.set("left", std::to_string(place.x()) + "px");
    style.set("top", std::to_string(place.y()) + "px");
    style.set("width", std::to_string(place.width()) + "px");
    style.set("height", std::to_string(place.height()) + "px");
}

// The ARIA role a control is shown with; empty for what is not shown.
const char *ariaRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::StaticText:
        return "paragraph";
    case QAccessible::RadioButton:
        return "radio";
    case QAccessible::Button:
        return "button";
    case QAccessible::List:
        return "listbox";
    case QAccessible::EditableText:
        return "textbox";
    default:
        return "";
    }
}

// One control's element, with what was last written to it, so that only
// what changed reaches the page.
class MirroredControl
{
public:
    MirroredControl(QAccessibleInterface *control, const char *role, int index)
        : control_(control)
        , element_(createElement("div"))
    {
        element_.call<void>("setAttribute", std::string("role"), std::string(role));
        element_.set("id", "quiz-control-" + std::to_string(index));
        element_["dataset"].set("control", index);
        // Focusable by the form, not by the browser's own Tab order.
        if (control->role() != QAccessible::StaticText)
            element_.set("tabIndex", -1);
        if (control->role() == QAccessible::EditableText) {
            setAttribute("aria-multiline", "true");
            setAttribute("aria-readonly", "true");
            element_["style"].set("whiteSpace", std::string("pre-wrap"));
        }
        placeElement(element_, control->rect().translated(-control->parent()->rect().topLeft()));
        element_["style"].set("overflow", std::string("hidden"));
    }

    QAccessibleInterface *control() const { return control_; }
    const val &element() const { return element_; }

    void update()
    {
        const QAccessible::State state = control_->state();
        setProperty("hidden", state.invisible ? "true" : "");
        if (state.invisible)
            return;
        const QString name = control_->text(QAccessible::Name);
        switch (control_->role()) {
        case QAccessible::RadioButton:
            setAttribute("aria-checked", state.checked ? "true" : "false");
            [[fallthrough]];
        case QAccessible::Button:
            setAttribute("aria-disabled", state.disabled ? "true" : "false");
            [[fallthrough]];
        case QAccessible::StaticText:
            setProperty("textContent", utf8(name));
            break;
        case QAccessible::List:
            setAttribute("aria-label", utf8(name));
            updateOptions();
            break;
        case QAccessible::EditableText:
            setAttribute("aria-label", utf8(name));
            updateText();
            break;
        default:
            break;
        }
    }

    void choose(int option)
    {
        if (control_->role() == QAccessible::List) {
            auto *list = qobject_cast<QAbstractItemView *>(control_->object());
            if (list && option >= 0 && option < list->model()->rowCount())
                list->setCurrentIndex(list->model()->index(option, 0));
        } else if (QAccessibleActionInterface *actions = control_->actionInterface()) {
            actions->doAction(QAccessibleActionInterface::pressAction());
        }
    }

private:
    // An empty value takes the attribute away.
    void setAttribute(const char *attribute, const std::string &value)
    {
        auto [shown, added] = shown_.try_emplace(attribute, value);
        if (!added && shown->second == value)
            return;
        shown->second = value;
        if (value.empty())
            element_.call<void>("removeAttribute", std::string(attribute));
        else
            element_.call<void>("setAttribute", std::string(attribute), value);
    }

    void setProperty(const char *property, const std::string &value)
    {
        auto [shown, added] = shown_.try_emplace(std::string("@") + property, value);
        if (!added && shown->second == value)
            return;
        shown->second = value;
        if (std::string_view(property) == "hidden")
            element_.set(property, !value.empty());
        else
            element_.set(property, value);
    }

    // The entries, each an option with its selection; the current one is
    // the list's active descendant, which a reader speaks as it moves.
    void updateOptions()
    {
        const int count = control_->childCount();
        while (int(options_.size()) > count) {
            options_.back().first.call<void>("remove");
            options_.pop_back();
        }
        while (int(options_.size()) < count) {
            val option = createElement("div");
            option.call<void>("setAttribute", std::string("role"), std::string("option"));
            option.set("id",
                       element_["id"].as<std::string>() + "-" + std::to_string(options_.size()));
            option["dataset"].set("option", int(options_.size()));
            element_.call<void>("appendChild", option);
            options_.emplace_back(option, std::string());
        }
        std::string current;
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface *entry = control_->child(i);
            if (!entry)
                continue;
            const QAccessible::State state = entry->state();
            auto &[option, shown] = options_[std::size_t(i)];
            const std::string text = utf8(entry->text(QAccessible::Name));
            // Where the entry is, scrolled or not, for a reader that explores by touch.
            const QRect place = entry->rect().translated(-control_->rect().topLeft());
            const std::string now = std::to_string(state.selected) + std::to_string(place.y()) + ","
                + std::to_string(place.height()) + text;
            if (now != shown) {
                shown = now;
                option.set("textContent", text);
                option.call<void>("setAttribute", std::string("aria-selected"),
                                  std::string(state.selected ? "true" : "false"));
                placeElement(option, place);
            }
            if (state.focused || (current.empty() && state.selected))
                current = option["id"].as<std::string>();
        }
        setAttribute("aria-activedescendant", current);
    }

    // A log only grows at its end: the new part is appended, and the whole
    // is written again only when the text was replaced.
    void updateText()
    {
        QAccessibleTextInterface *text = control_->textInterface();
        if (!text)
            return;
        const int length = text->characterCount();
        constexpr int checked = 32;
        const int tail = std::min(checked, int(shownText_.size()));
        const bool grew = length >= int(shownText_.size())
            && text->text(int(shownText_.size()) - tail, int(shownText_.size()))
                == QStringView(shownText_).last(tail);
        if (grew && length == int(shownText_.size()))
            return;
        if (grew) {
            const QString more = text->text(int(shownText_.size()), length);
            shownText_ += more;
            element_.call<void>("append", utf8(more));
        } else {
            shownText_ = text->text(0, length);
            element_.set("textContent", utf8(shownText_));
        }
    }

    QAccessibleInterface *control_;
    val element_;
    std::map<std::string, std::string> shown_;
    std::vector<std::pair<val, std::string>> options_;
    QString shownText_;
};

class Mirror : public QObject
{
public:
    explicit Mirror(QWidget *form)
        : QObject(form)
        , form_(form)
    {
        instance_ = this;
        sync_.setSingleShot(true);
        sync_.setInterval(0);
        connect(&sync_, &QTimer::timeout, this, &Mirror::sync);
        QAccessible::installUpdateHandler(&Mirror::accessibilityUpdate);
        // Active, as for a screen reader on the desktop: the controls then
        // tell of every change, and a list forgets its old entries when
        // refilled. Qt's own page elements stay off, as the update handler
        // takes every event.
        if (QPlatformAccessibility *platform
            = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
        connect(qApp, &QApplication::focusChanged, &sync_, qOverload<>(&QTimer::start));
        qApp->installEventFilter(this);
        sync_.start();
    }

    ~Mirror() override
    {
        QAccessible::installUpdateHandler(nullptr);
        instance_ = nullptr;
    }

    // A reader's click on an element: the control does what a click on it would.
    static void activate(val event)
    {
        if (!instance_)
            return;
        val target = event["target"];
        val control = target.call<val>("closest", std::string("[data-control]"));
        if (control.isNull())
            return;
        const auto index = std::size_t(datasetNumber(control, "control"));
        if (index < instance_->controls_.size())
            instance_->controls_[index].choose(datasetNumber(target, "option"));
    }

    // Tab past the last control, or Shift+Tab before the first, leaves the
    // form for the rest of the page (or the page that embeds it) rather than
    // going round inside it: Qt does not see those two keys.
    static void keyDown(val event)
    {
        if (!instance_ || event["key"].as<std::string>() != "Tab" || event["altKey"].as<bool>()
            || event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>())
            return;
        const QList<QWidget *> stops = instance_->tabStops();
        if (stops.isEmpty())
            return;
        QWidget *edge = event["shiftKey"].as<bool>() ? stops.first() : stops.last();
        if (QApplication::focusWidget() == edge)
            event.call<void>("stopPropagation");
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Changes that Qt tells no screen reader of (where a scrolled list's
        // entries now are) follow the input that made them.
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            sync_.start();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void accessibilityUpdate(QAccessibleEvent *event)
    {
        if (!instance_)
            return;
        if (event->type() == QAccessible::Announcement)
            instance_->announce(static_cast<QAccessibleAnnouncementEvent *>(event)->message());
        instance_->sync_.start();
    }

    // The element Qt's web platform keeps for the form's window, inside the
    // open shadow root it draws in.
    val windowElement() const
    {
        val document = val::global("document");
        val host = document.call<val>("getElementById", std::string("qt-shadow-container"));
        if (host.isNull() || host["shadowRoot"].isNull())
            return val::null();
        return host["shadowRoot"].call<val>("getElementById",
                                            "qt-window-" + std::to_string(form_->winId()));
    }

    bool build()
    {
        val window = windowElement();
        if (window.isNull())
            return false;
        val container = window.call<val>("querySelector", std::string(".qt-window-a11y-container"));
        if (container.isNull())
            return false;
        // Qt's own offer to turn its accessibility on: ours is on already.
        val offers = container.call<val>("querySelectorAll", std::string("button"));
        for (int i = 0; i < offers["length"].as<int>(); ++i)
            offers[i].set("hidden", true);

        val root = createElement("div");
        root.call<void>("setAttribute", std::string("role"), std::string("group"));
        root.call<void>("setAttribute", std::string("aria-label"), utf8(form_->windowTitle()));
        root.call<void>("addEventListener", std::string("click"),
                        val::module_property("quizActivateControl"));
        root.call<void>("addEventListener", std::string("keydown"),
                        val::module_property("quizKeyDown"));
        // The canvas is no stop of its own; the controls' elements are.
        val canvas = window.call<val>("querySelector", std::string("canvas"));
        if (!canvas.isNull())
            canvas.set("tabIndex", -1);
        QAccessibleInterface *form = QAccessible::queryAccessibleInterface(form_);
        for (int i = 0; i < form->childCount(); ++i) {
            QAccessibleInterface *control = form->child(i);
            const char *role = control ? ariaRole(control->role()) : "";
            if (*role == '\0')
                continue;
            controls_.emplace_back(control, role, int(controls_.size()));
            root.call<void>("appendChild", controls_.back().element());
        }
        live_ = createElement("div");
        live_.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
        live_.call<void>("setAttribute", std::string("aria-relevant"), std::string("additions"));
        live_.set("id", std::string("quiz-announcements"));
        root.call<void>("appendChild", live_);
        container.call<void>("appendChild", root);
        return true;
    }

    void sync()
    {
        if (controls_.empty() && !build())
            return;
        for (MirroredControl &control : controls_)
            control.update();
        followFocus();
    }

    QList<QWidget *> tabStops() const
    {
        QList<QWidget *> stops;
        for (QWidget *widget = form_->nextInFocusChain(); widget != form_;
             widget = widget->nextInFocusChain()) {
            if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy()
                && (widget->focusPolicy() & Qt::TabFocus))
                stops << widget;
        }
        return stops;
    }

    // The browser's focus goes where the form's is, unless the learner has
    // taken it elsewhere on the page or out of it. That control is also the
    // one the browser's Tab comes back to from the rest of the page.
    void followFocus()
    {
        QWidget *focused = QApplication::focusWidget();
        for (const MirroredControl &control : controls_) {
            if (control.control()->object() != focused)
                continue;
            if (!tabStop_.equals(control.element())) {
                if (!tabStop_.isUndefined())
                    tabStop_.set("tabIndex", -1);
                tabStop_ = control.element();
                tabStop_.set("tabIndex", 0);
            }
            val document = val::global("document");
            val active = document["activeElement"];
            const bool onPage = active.isNull() || active.equals(document["body"]);
            const bool inForm = !onPage && active["id"].as<std::string>() == "qt-shadow-container";
            if (!document.call<bool>("hasFocus") || !(onPage || inForm))
                return;
            if (inForm && active["shadowRoot"]["activeElement"].equals(control.element()))
                return;
            val options = val::object();
            options.set("preventScroll", true);
            control.element().call<void>("focus", options);
            return;
        }
    }

    void announce(const QString &text)
    {
        if (live_.isUndefined() && !build())
            return;
        val line = createElement("p");
        line.set("textContent", utf8(text));
        live_.call<void>("appendChild", line);
        while (live_["childElementCount"].as<int>() > announcementsKept)
            live_["firstElementChild"].call<void>("remove");
    }

    static inline Mirror *instance_ = nullptr;
    QPointer<QWidget> form_;
    QTimer sync_;
    std::vector<MirroredControl> controls_;
    val tabStop_ = val::undefined();
    val live_ = val::undefined();
};

} // namespace

void mirrorAccessibility(QWidget *form)
{
    new Mirror(form);
}

} // namespace ui::browser

EMSCRIPTEN_BINDINGS(quiz_accessibility)
{
    emscripten::function("quizActivateControl", &ui::browser::Mirror::activate);
    emscripten::function("quizKeyDown", &ui::browser::Mirror::keyDown);
}

// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/Element.h"

#include <algorithm>
#include <cstdio>
#include <emscripten/emscripten.h>
#include <memory>
#include <string>
#include <vector>

namespace ui::web {

namespace {

// Who listens for each control's event, by the number the page knows it by.
std::vector<std::unique_ptr<ClickNotice>> &listeners()
{
    static std::vector<std::unique_ptr<ClickNotice>> all;
    return all;
}

} // namespace

// One listener on the page for every control: the event names the control
// by the number in its data-listener attribute.
// JavaScript, not C++: clang-format would break its arrows.
// clang-format off
EM_JS(void, listenOnPage, (const char *event), {
    const name = UTF8ToString(event);
    const attribute = 'data-' + name;
    document.addEventListener(name, happened => {
        const target = happened.target.closest && happened.target.closest('[' + attribute + ']');
        if (target)
            _quizNotify(Number(target.getAttribute(attribute)));
    });
});
// clang-format on

extern "C" EMSCRIPTEN_KEEPALIVE void quizNotify(int listener)
{
    auto &all = listeners();
    if (listener >= 0 && std::size_t(listener) < all.size() && all[listener])
        (*all[listener])();
}

val makeElement(const char *tag)
{
    static val document = val::global("document");
    return document.call<val>("createElement", val(tag));
}

ElementControlBase::ElementControlBase(val element)
    : element_(std::move(element))
{ }

ElementControlBase::~ElementControlBase()
{
    if (listener_ >= 0)
        listeners()[std::size_t(listener_)].reset();
    element_.call<void>("remove");
}

void ElementControlBase::listen(const val &target, const char *event, ClickNotice notify)
{
    static std::vector<std::string> listenedFor;
    if (std::find(listenedFor.begin(), listenedFor.end(), event) == listenedFor.end()) {
        listenedFor.emplace_back(event);
        listenOnPage(event);
    }
    auto &all = listeners();
    listener_ = int(all.size());
    all.push_back(std::make_unique<ClickNotice>(std::move(notify)));
    target.call<void>("setAttribute", val(std::string("data-") + event), val(listener_));
}

void ElementControlBase::showElement(bool visible)
{
    visible_ = visible;
    element_.set("hidden", !visible);
}

void ElementControlBase::paint(Rgb color)
{
    backColor_ = color;
    char css[24];
    std::snprintf(css, sizeof css, "rgb(%d,%d,%d)", color.red, color.green, color.blue);
    element_["style"].call<void>("setProperty", val("background-color"), val(std::string(css)));
}

} // namespace ui::web

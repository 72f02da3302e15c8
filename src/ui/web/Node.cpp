// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/Node.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <memory>
#include <vector>

// The page's side, in JavaScript; clang-format would break its arrows.
// Strings come as UTF-8 names or UTF-16 text with its length.
//
// The page arrives with the form already in it, written at build time by
// this same program (cmake/prerender-form.mjs): each element made is
// numbered in the order the program makes it, and the program takes over
// the element of its number instead of making a new one. Whatever would
// change an element only writes what differs, so that taking it over
// leaves it as the learner has it: focused, scrolled, chosen.
// clang-format off
EM_JS(int, quizNodeCreate, (const char *tag), {
    const nodes = Module.quizNodes || (Module.quizNodes = [null]);
    const number = String(Module.quizMade = (Module.quizMade || 0) + 1);
    const name = UTF8ToString(tag);
    let element = document.querySelector('[data-made="' + number + '"]');
    if (!element || element.localName !== name) {
        element = document.createElement(name);
        element.setAttribute('data-made', number);
    }
    return nodes.push(element) - 1;
});
EM_JS(int, quizNodeById, (const char *id), {
    const nodes = Module.quizNodes || (Module.quizNodes = [null]);
    return nodes.push(document.getElementById(UTF8ToString(id))) - 1;
});
EM_JS(void, quizNodeSetText, (int node, const char16_t *text, int length), {
    const element = Module.quizNodes[node];
    const value = UTF16ToString(text, 2 * length);
    if (element.textContent !== value)
        element.textContent = value;
});
EM_JS(void, quizNodeSetValue, (int node, const char16_t *text, int length), {
    const box = Module.quizNodes[node];
    const value = UTF16ToString(text, 2 * length);
    if (box.value !== value)
        box.value = value;
});
EM_JS(void, quizNodeAppendValue, (int node, const char16_t *text, int length), {
    const box = Module.quizNodes[node];
    box.setRangeText(UTF16ToString(text, 2 * length), box.textLength, box.textLength);
    box.scrollTop = box.scrollHeight;
});
EM_JS(void, quizNodeSetAttribute, (int node, const char *name, const char *value), {
    const element = Module.quizNodes[node];
    const attribute = UTF8ToString(name);
    const text = UTF8ToString(value);
    if (element.getAttribute(attribute) !== text)
        element.setAttribute(attribute, text);
});
EM_JS(void, quizNodeSetAttributeText, (int node, const char *name, const char16_t *text, int length), {
    const element = Module.quizNodes[node];
    const attribute = UTF8ToString(name);
    const value = UTF16ToString(text, 2 * length);
    if (element.getAttribute(attribute) !== value)
        element.setAttribute(attribute, value);
});
EM_JS(void, quizNodeSetProperty, (int node, const char *name, int value), {
    Module.quizNodes[node][UTF8ToString(name)] = Boolean(value);
});
EM_JS(void, quizNodeSetNumber, (int node, const char *name, int value), {
    Module.quizNodes[node][UTF8ToString(name)] = value;
});
EM_JS(int, quizNodeNumber, (int node, const char *name), {
    return Number(Module.quizNodes[node][UTF8ToString(name)]);
});
// In the form's own pixels: the style sheet scales them to the screen.
EM_JS(void, quizNodeSetPlace, (int node, int left, int top, int width, int height), {
    const style = Module.quizNodes[node].style;
    const place = {'--left': left, '--top': top, '--width': width, '--height': height};
    Object.keys(place).forEach(name => {
        if (style.getPropertyValue(name) !== String(place[name]))
            style.setProperty(name, String(place[name]));
    });
});
EM_JS(void, quizNodeSetStyleNumber, (int node, const char *name, int value), {
    const style = Module.quizNodes[node].style;
    if (style.getPropertyValue(UTF8ToString(name)) !== String(value))
        style.setProperty(UTF8ToString(name), String(value));
});
EM_JS(void, quizNodeSetBackground, (int node, int red, int green, int blue), {
    const style = Module.quizNodes[node].style;
    const color = 'rgb(' + red + ', ' + green + ', ' + blue + ')';
    if (style.backgroundColor !== color)
        style.backgroundColor = color;
});
EM_JS(void, quizNodeListen, (int node, const char *event, int listener), {
    Module.quizNodes[node].setAttribute('data-' + UTF8ToString(event), String(listener));
});
// An element taken over is already where it belongs; moving it would take
// the focus from it.
EM_JS(void, quizNodeInsert, (int parent, int child, int position), {
    const into = Module.quizNodes[parent];
    const element = Module.quizNodes[child];
    if (element.parentNode !== into)
        into.insertBefore(element, into.children[position] || null);
});
EM_JS(void, quizNodeRemoveChild, (int node, int position), {
    const child = Module.quizNodes[node].children[position];
    if (child)
        child.remove();
});
EM_JS(void, quizNodeRemoveChildren, (int node), {
    Module.quizNodes[node].replaceChildren();
});
EM_JS(void, quizNodeRemove, (int node), {
    Module.quizNodes[node].remove();
    Module.quizNodes[node] = null;
});
// Once the page has laid the form out for its first frame: focusing lays
// it out at once, before its style may even have arrived.
EM_JS(void, quizNodeFocus, (int node), {
    const element = Module.quizNodes[node];
    // Not taken from where the learner has already put it.
    requestAnimationFrame(() => {
        if (!document.activeElement || document.activeElement === document.body)
            element.focus({ preventScroll: true });
    });
});
// One listener on the page for each kind of event: the element that raised
// it, or the nearest around it, names its listener in data-EVENT.
EM_JS(void, quizListenOnPage, (const char *event), {
    const name = UTF8ToString(event);
    const attribute = 'data-' + name;
    document.addEventListener(name, happened => {
        const target = happened.target.closest && happened.target.closest('[' + attribute + ']');
        if (target)
            _quizNotify(Number(target.getAttribute(attribute)));
    });
});
// clang-format on

namespace ui::web {

namespace {

// Who listens for each element's event, by the number the page knows.
std::vector<std::function<void()>> &listeners()
{
    static std::vector<std::function<void()>> all;
    return all;
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void quizNotify(int listener)
{
    const auto &all = listeners();
    if (listener >= 0 && std::size_t(listener) < all.size() && all[std::size_t(listener)])
        all[std::size_t(listener)]();
}

Node::Node(const char *tag)
    : handle_(quizNodeCreate(tag))
{ }

Node Node::withId(const char *id)
{
    return Node(quizNodeById(id));
}

void Node::setText(TextView text)
{
    quizNodeSetText(handle_, text.data(), int(text.size()));
}

void Node::setValue(TextView text)
{
    quizNodeSetValue(handle_, text.data(), int(text.size()));
}

void Node::appendValue(TextView more)
{
    quizNodeAppendValue(handle_, more.data(), int(more.size()));
}

void Node::setAttribute(const char *name, const std::string &value)
{
    quizNodeSetAttribute(handle_, name, value.c_str());
}

void Node::setAttribute(const char *name, TextView value)
{
    quizNodeSetAttributeText(handle_, name, value.data(), int(value.size()));
}

void Node::setProperty(const char *name, bool value)
{
    quizNodeSetProperty(handle_, name, value);
}

void Node::setNumber(const char *name, int value)
{
    quizNodeSetNumber(handle_, name, value);
}

int Node::number(const char *name) const
{
    return quizNodeNumber(handle_, name);
}

void Node::setPlace(int left, int top, int width, int height)
{
    quizNodeSetPlace(handle_, left, top, width, height);
}

void Node::setStyleNumber(const char *name, int value)
{
    quizNodeSetStyleNumber(handle_, name, value);
}

void Node::setBackground(Rgb color)
{
    quizNodeSetBackground(handle_, color.red, color.green, color.blue);
}

void Node::append(Node child)
{
    quizNodeInsert(handle_, child.handle_, -1);
}

void Node::insert(Node child, int position)
{
    quizNodeInsert(handle_, child.handle_, position);
}

void Node::removeChild(int position)
{
    quizNodeRemoveChild(handle_, position);
}

void Node::removeChildren()
{
    quizNodeRemoveChildren(handle_);
}

void Node::remove()
{
    quizNodeRemove(handle_);
}

void Node::focus()
{
    quizNodeFocus(handle_);
}

void Node::listen(const char *event, std::function<void()> notify)
{
    static std::vector<std::string> listenedFor;
    if (std::find(listenedFor.begin(), listenedFor.end(), event) == listenedFor.end()) {
        listenedFor.emplace_back(event);
        quizListenOnPage(event);
    }
    auto &all = listeners();
    quizNodeListen(handle_, event, int(all.size()));
    all.push_back(std::move(notify));
}

} // namespace ui::web

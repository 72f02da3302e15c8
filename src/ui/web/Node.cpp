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
// clang-format off
EM_JS(int, quizNodeCreate, (const char *tag), {
    const nodes = Module.quizNodes || (Module.quizNodes = [null]);
    return nodes.push(document.createElement(UTF8ToString(tag))) - 1;
});
EM_JS(int, quizNodeById, (const char *id), {
    const nodes = Module.quizNodes || (Module.quizNodes = [null]);
    return nodes.push(document.getElementById(UTF8ToString(id))) - 1;
});
EM_JS(void, quizNodeSetText, (int node, const char16_t *text, int length), {
    Module.quizNodes[node].textContent = UTF16ToString(text, 2 * length);
});
EM_JS(void, quizNodeSetValue, (int node, const char16_t *text, int length), {
    Module.quizNodes[node].value = UTF16ToString(text, 2 * length);
});
EM_JS(void, quizNodeAppendValue, (int node, const char16_t *text, int length), {
    const box = Module.quizNodes[node];
    box.setRangeText(UTF16ToString(text, 2 * length), box.textLength, box.textLength);
    box.scrollTop = box.scrollHeight;
});
EM_JS(void, quizNodeSetAttribute, (int node, const char *name, const char *value), {
    Module.quizNodes[node].setAttribute(UTF8ToString(name), UTF8ToString(value));
});
EM_JS(void, quizNodeSetAttributeText, (int node, const char *name, const char16_t *text, int length), {
    Module.quizNodes[node].setAttribute(UTF8ToString(name), UTF16ToString(text, 2 * length));
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
EM_JS(void, quizNodeSetPlace, (int node, int left, int top, int width, int height), {
    const style = Module.quizNodes[node].style;
    style.setProperty('--left', left + 'px');
    style.setProperty('--top', top + 'px');
    style.setProperty('--width', width + 'px');
    style.setProperty('--height', height + 'px');
});
EM_JS(void, quizNodeSetStyleNumber, (int node, const char *name, int value), {
    Module.quizNodes[node].style.setProperty(UTF8ToString(name), String(value));
});
EM_JS(void, quizNodeSetBackground, (int node, int red, int green, int blue), {
    Module.quizNodes[node].style.backgroundColor = 'rgb(' + red + ',' + green + ',' + blue + ')';
});
EM_JS(void, quizNodeListen, (int node, const char *event, int listener), {
    Module.quizNodes[node].setAttribute('data-' + UTF8ToString(event), String(listener));
});
EM_JS(void, quizNodeInsert, (int parent, int child, int position), {
    const into = Module.quizNodes[parent];
    into.insertBefore(Module.quizNodes[child], into.children[position] || null);
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
    requestAnimationFrame(() => element.focus({ preventScroll: true }));
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

// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Rgb.h"
#include "ui/Text.h"

#include <functional>
#include <string>

namespace ui::web {

// One of the page's elements, as the program holds it: a number in the
// page's table of the elements the program made. Copies name the same
// element. A few plain calls into the page, each one crossing, so that
// the program needs no general bridge to JavaScript and starts at once.
class Node
{
public:
    // A new element of the kind `tag`, not yet in the page.
    explicit Node(const char *tag);
    // The page's own element with this id.
    static Node withId(const char *id);

    void setText(TextView text); // textContent
    void setValue(TextView text); // a text area's whole value
    void appendValue(TextView more); // ...extended, and scrolled to its end
    void setAttribute(const char *name, const std::string &value);
    void setAttribute(const char *name, TextView value);
    void setProperty(const char *name, bool value); // disabled, hidden, checked...
    void setNumber(const char *name, int value); // selectedIndex, size...
    int number(const char *name) const; // the same, read back
    // The place the style sheet gives it where the screen has room, in CSS
    // pixels, as the custom properties --left, --top, --width and --height.
    void setPlace(int left, int top, int width, int height);
    void setStyleNumber(const char *name, int value); // z-index...
    void setBackground(Rgb color);

    void append(Node child);
    void insert(Node child, int position); // before the element's child at `position`, or last
    void removeChild(int position);
    void removeChildren();
    void remove(); // from the page, for good
    void focus();

    // Calls `notify` whenever the user makes the element raise `event`
    // ("change", "click"), however it was done.
    void listen(const char *event, std::function<void()> notify);

private:
    explicit Node(int handle)
        : handle_(handle)
    { }

    int handle_;
};

} // namespace ui::web

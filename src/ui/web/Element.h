// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/web/Node.h"

// The form's controls as the page's own elements: what a browser, its find,
// its zoom and its screen readers already know how to handle.
namespace ui::web {

// The page's own element behind a control, and what every kind of control
// does the same with it. The element is the truth for what the user can
// change (a selection, a checked button); the control keeps the rest.
class ElementControlBase
{
public:
    ElementControlBase(const ElementControlBase &) = delete;
    ElementControlBase &operator=(const ElementControlBase &) = delete;

    // The element that stands on the page: laid out, shown and hidden.
    Node element() const { return element_; }

protected:
    explicit ElementControlBase(Node element)
        : element_(element)
    { }
    ~ElementControlBase() { element_.remove(); }

    void showElement(bool visible);
    void paint(Rgb color);

    bool visible_ = true;
    Rgb backColor_ {255, 255, 255};

private:
    Node element_;
};

// One control of kind `Interface` over a page element. Enabled applies to
// `enabledTarget`: the element that takes input (a radio button's input,
// where the element is its label).
template<typename Interface> class ElementControl : public Interface, public ElementControlBase
{
public:
    bool Visible() const override { return visible_; }
    void setVisible(bool visible) override { showElement(visible); }

    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override
    {
        enabled_ = enabled;
        enabledTarget_.setProperty("disabled", !enabled);
    }

    Rgb BackColor() const override { return backColor_; }
    void setBackColor(Rgb color) override { paint(color); }

protected:
    explicit ElementControl(Node element)
        : ElementControl(element, element)
    { }
    ElementControl(Node element, Node enabledTarget)
        : ElementControlBase(element)
        , enabledTarget_(enabledTarget)
    { }

private:
    Node enabledTarget_;
    bool enabled_ = true;
};

// A control with a caption (a label, a button), shown as the text of
// `captionElement`. The caption is kept here too: a compare reads two, and
// reading them back costs no crossing into the page.
template<typename Interface> class CaptionedControl : public ElementControl<Interface>
{
public:
    Text Caption() const override { return caption_; }
    void setCaption(TextView caption) override
    {
        caption_ = caption;
        captionElement_.setText(caption);
    }

protected:
    CaptionedControl(Node element, Node enabledTarget, Node captionElement)
        : ElementControl<Interface>(element, enabledTarget)
        , captionElement_(captionElement)
    { }

private:
    Node captionElement_;
    Text caption_;
};

} // namespace ui::web

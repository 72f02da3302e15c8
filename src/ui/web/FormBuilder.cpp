// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/FormBuilder.h"

#include "ui/BuiltInTexts.h"
#include "ui/ControlTable.h"
#include "ui/Twips.h"
#include "ui/web/Controls.h"

#include <string>

namespace ui::web {

namespace {

std::string pixels(int twips)
{
    return std::to_string(pixelsFromTwips(twips)) + "px";
}

// The designed place as the style sheet reads it where the screen has room,
// in one write of the element's style: each write into the page costs.
void setPlace(val element, int left, int top, int width, int height, const std::string &more = {})
{
    element["style"].set("cssText",
                         "--left:" + pixels(left) + ";--top:" + pixels(top) + ";--width:"
                             + pixels(width) + ";--height:" + pixels(height) + ";" + more);
}

// The designed place, relative to \`origin\` (the form's corner, or the
// country group's), colour and visibility.
void place(ui::Control &control, val element, const Placement &placement,
           const Placement &origin = {0, 0, 0, 0, {}, 0, true}, const std::string &more = {})
{
    setPlace(element, placement.left - origin.left, placement.top - origin.top, placement.width,
             placement.height, more);
    if (placement.backColor)
        control.setBackColor(*placement.backColor);
    if (!placement.visibleAtStart)
        control.setVisible(false);
}

val elementOf(const ui::Control &control)
{
    return dynamic_cast<const ElementControlBase &>(control).element();
}

void setId(val element, const char *id)
{
    element.set("id", val(id));
}

} // namespace

void buildForm(FormControls &controls, const val &form)
{
    auto &[Text1, Label1, Option1, List1, Command1] = controls;

    val liveRegion = makeElement("div");
    liveRegion.call<void>("setAttribute", val("aria-live"), val("polite"));
    liveRegion.set("className", val("visually-hidden"));
    for (Index i = 0; i < Index(text1Placements.size()); ++i)
        place(Text1.load<TextBox>(liveRegion), elementOf(Text1(i)), text1Placements[i]);
    Text1(0).setText(texts::instructions);
    elementOf(Text1(0)).call<void>("setAttribute", val("aria-label"), toJs(texts::logBoxName));
    // A verdict reaches a screen reader as the log line that records it.
    Text1(0).announceNewLines();
    Text1(1).setText(texts::quotation);

    for (Index i = 0; i < Index(label1Placements.size()); ++i) {
        Label &label = Label1.load<Label>(i == 0 ? "h1" : "div");
        label.setCaption(texts::label1Captions[i]);
        place(label, elementOf(label), label1Placements[i]);
        elementOf(label).call<void>("setAttribute", val("class"), val("label"));
    }
    setId(elementOf(Label1(1)), "country-heading");
    setId(elementOf(Label1(2)), "parliament-heading");

    // One radio group, named by its heading: a reader says "3 of 12".
    val countries = makeElement("div");
    countries.call<void>("setAttribute", val("role"), val("radiogroup"));
    countries.call<void>("setAttribute", val("aria-labelledby"), val("country-heading"));
    countries.set("className", val("countries"));
    const auto countryCount = Index(texts::countries.size());
    const Placement first = option1Placement(0);
    const Placement last = option1Placement(Index(countryCount - 1));
    setPlace(countries, first.left, first.top, first.width, last.top + last.height - first.top);
    for (Index i = 0; i < countryCount; ++i) {
        OptionButton &country = Option1.load<OptionButton>("country");
        country.setCaption(texts::countries[i]);
        val element = elementOf(country);
        // Each button overlaps the one below it by a few pixels; that strip
        // is the upper one's, which keeps every caption's descenders whole.
        place(country, element, option1Placement(i), first,
              "z-index:" + std::to_string(countryCount - i));
        element.set("className", val("country"));
        countries.call<void>("append", element);
    }

    for (Index i = 0; i < Index(list1Placements.size()); ++i) {
        ListBox &list = List1.load<ListBox>();
        for (TextView parliament : texts::parliaments)
            list.AddItem(parliament);
        place(list, elementOf(list), list1Placements[i]);
        elementOf(list).set("size", int(texts::parliaments.size()));
    }
    elementOf(List1(0)).call<void>("setAttribute", val("aria-labelledby"),
                                   val("parliament-heading"));

    for (Index i = 0; i < Index(command1Placements.size()); ++i) {
        CommandButton &button = Command1.load<CommandButton>();
        button.setCaption(texts::command1Captions[i]);
        place(button, elementOf(button), command1Placements[i]);
    }

    // The reading order, which is also the order Tab and a phone's single
    // column follow: the task's title, the countries, the parliaments, the
    // two commands, the verdicts and then the log; the hidden copies last.
    form.call<void>("append", elementOf(Label1(0)), elementOf(Label1(1)), countries,
                    elementOf(Label1(2)), elementOf(List1(0)), elementOf(Command1(0)),
                    elementOf(Command1(1)), elementOf(Label1(3)), elementOf(Label1(4)));
    form.call<void>("append", elementOf(Text1(0)), liveRegion, elementOf(Text1(1)),
                    elementOf(List1(1)));
}

void focusFirst(FormControls &controls)
{
    val options = val::object();
    // On a phone the log is far down; the page opens at its top all the same.
    options.set("preventScroll", true);
    elementOf(controls.Text1(0)).call<void>("focus", options);
}

} // namespace ui::web

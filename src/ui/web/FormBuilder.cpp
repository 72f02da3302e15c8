// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/FormBuilder.h"

#include "ui/BuiltInTexts.h"
#include "ui/ControlTable.h"
#include "ui/Twips.h"
#include "ui/web/CommandButton.h"
#include "ui/web/Label.h"
#include "ui/web/ListBox.h"
#include "ui/web/OptionButton.h"
#include "ui/web/TextBox.h"

#include <utility>

namespace ui::web {

namespace {

Node elementOf(const ui::Control &control)
{
    return dynamic_cast<const ElementControlBase &>(control).element();
}

// The designed place, relative to `origin` (the form's corner, or the
// country group's), colour and visibility.
void place(ui::Control &control, const Placement &placement,
           const Placement &origin = {0, 0, 0, 0, {}, 0, true})
{
    elementOf(control).setPlace(
        pixelsFromTwips(placement.left - origin.left), pixelsFromTwips(placement.top - origin.top),
        pixelsFromTwips(placement.width), pixelsFromTwips(placement.height));
    if (placement.backColor)
        control.setBackColor(*placement.backColor);
    if (!placement.visibleAtStart)
        control.setVisible(false);
}

} // namespace

void buildForm(FormControls &controls, Node form, const FormContent &content)
{
    const auto captions = content.label1Captions();
    auto &[Text1, Label1, Option1, List1, Command1] = controls;

    Node liveRegion("div");
    liveRegion.setAttribute("aria-live", "polite");
    liveRegion.setAttribute("class", "visually-hidden");
    for (Index i = 0; i < Index(text1Placements.size()); ++i)
        place(Text1.load<TextBox>(liveRegion), text1Placements[i]);
    controls.log().setText(content.instructions);
    elementOf(controls.log()).setAttribute("aria-label", texts::logBoxName);
    // A verdict reaches a screen reader as the log line that records it.
    controls.log().announceNewLines();
    controls.quotation().setText(texts::quotation);

    for (Index i = 0; i < Index(label1Placements.size()); ++i) {
        Label &label = Label1.load<Label>(i == role::title ? "h1" : "div");
        label.setCaption(captions[std::size_t(i)]);
        place(label, label1Placements[i]);
        elementOf(label).setAttribute("class", "label");
    }
    elementOf(controls.countryHeading()).setAttribute("id", "country-heading");
    elementOf(controls.parliamentHeading()).setAttribute("id", "parliament-heading");

    // One radio group, named by its heading: a reader says "3 of 12".
    Node countries("div");
    countries.setAttribute("role", "radiogroup");
    countries.setAttribute("aria-labelledby", "country-heading");
    countries.setAttribute("class", "countries");
    const auto countryCount = Index(content.countries.size());
    const Placement first = option1Placement(0);
    const Placement last = option1Placement(Index(countryCount - 1));
    countries.setPlace(pixelsFromTwips(first.left), pixelsFromTwips(first.top),
                       pixelsFromTwips(first.width),
                       pixelsFromTwips(last.top + last.height - first.top));
    for (Index i = 0; i < countryCount; ++i) {
        OptionButton &country = Option1.load<OptionButton>("country");
        country.setCaption(content.countries[std::size_t(i)]);
        // Each button overlaps the one below it by a few pixels; that strip
        // is the upper one's, which keeps every caption's descenders whole.
        place(country, option1Placement(i), first);
        elementOf(country).setStyleNumber("z-index", countryCount - i);
        elementOf(country).setAttribute("class", "country");
        countries.append(elementOf(country));
    }

    for (Index i = 0; i < Index(list1Placements.size()); ++i) {
        ListBox &list = List1.load<ListBox>();
        for (TextView parliament : content.parliaments)
            list.AddItem(parliament);
        place(list, list1Placements[i]);
        elementOf(list).setNumber("size", int(content.parliaments.size()));
    }
    elementOf(controls.parliamentList()).setAttribute("aria-labelledby", "parliament-heading");

    for (Index i = 0; i < Index(command1Placements.size()); ++i) {
        CommandButton &button = Command1.load<CommandButton>();
        button.setCaption(texts::command1Captions[i]);
        place(button, command1Placements[i]);
    }
    // Named for what follows the rounds from outside the program: the
    // reporter to a learning platform (scorm.js).
    for (const auto &[control, id] :
         {std::pair<const ui::Control &, const char *>(controls.parliamentList(), "parliaments"),
          {controls.compare(), "compare"},
          {controls.clear(), "clear"},
          {controls.rightVerdict(), "right-verdict"},
          {controls.wrongVerdict(), "wrong-verdict"}})
        elementOf(control).setAttribute("id", id);

    // The page's order is what Tab, a screen reader and a phone's single
    // column follow: the task and its log first, as the learner meets them
    // and as the form's tab order has it, then each heading with what it
    // heads, the two commands and their verdicts; the hidden copies last.
    const FormControls &c = controls;
    for (Node element :
         {elementOf(c.log()), elementOf(c.title()), elementOf(c.countryHeading()), countries,
          elementOf(c.parliamentHeading()), elementOf(c.parliamentList()), elementOf(c.compare()),
          elementOf(c.clear()), elementOf(c.rightVerdict()), elementOf(c.wrongVerdict()),
          liveRegion, elementOf(c.quotation()), elementOf(c.masterList())})
        form.append(element);
}

void focusFirst(FormControls &controls)
{
    // On a phone the log is far down; the page opens at its top all the same.
    elementOf(controls.log()).focus();
}

} // namespace ui::web

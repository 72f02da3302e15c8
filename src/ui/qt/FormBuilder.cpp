// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/FormBuilder.h"

#include "ui/BuiltInTexts.h"
#include "ui/ControlTable.h"
#include "ui/Twips.h"
#include "ui/qt/CommandButton.h"
#include "ui/qt/ControlWidget.h"
#include "ui/qt/Label.h"
#include "ui/qt/ListBox.h"
#include "ui/qt/OptionButton.h"
#include "ui/qt/TextBox.h"

#include <QButtonGroup>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui::qt {

namespace {

using TabStop = std::pair<int, QWidget *>;

QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                 pixelsFromTwips(height));
}

void place(ui::Control &control, const Placement &placement, std::vector<TabStop> &tabStops)
{
    widgetOf(control)->setGeometry(
        rectFromTwips(placement.left, placement.top, placement.width, placement.height));
    if (placement.backColor)
        control.setBackColor(*placement.backColor);
    control.setVisible(placement.visibleAtStart);
    tabStops.emplace_back(placement.tabIndex, widgetOf(control));
}

void orderTabStops(std::vector<TabStop> tabStops)
{
    std::sort(tabStops.begin(), tabStops.end());
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
}

} // namespace

void buildForm(FormControls &controls, QWidget *form, const FormContent &content)
{
    const auto captions = content.label1Captions();
    auto &[Text1, Label1, Option1, List1, Command1] = controls;
    // The country buttons' exclusive group, owned by the form.
    auto *countryGroup = new QButtonGroup(form);
    std::vector<TabStop> tabStops;

    for (Index i = 0; i < Index(text1Placements.size()); ++i)
        place(Text1.load<TextBox>(form), text1Placements[i], tabStops);
    controls.log().setText(content.instructions);
    widgetOf(controls.log())->setAccessibleName(toQString(texts::logBoxName));
    // A verdict reaches a screen reader as the log line that records it.
    controls.log().announceNewLines();
    controls.quotation().setText(texts::quotation);

    for (Index i = 0; i < Index(label1Placements.size()); ++i) {
        Label &label = Label1.load<Label>(form);
        label.setCaption(captions[std::size_t(i)]);
        place(label, label1Placements[i], tabStops);
    }

    const auto countryCount = Index(content.countries.size());
    for (Index i = 0; i < countryCount; ++i) {
        OptionButton &country = Option1.load<OptionButton>(form, countryGroup);
        country.setCaption(content.countries[std::size_t(i)]);
        place(country, option1Placement(i), tabStops);
    }
    // Each button overlaps the one above it by a few pixels. Leaving that
    // strip to the button above keeps every caption's descenders whole
    // (reordering the buttons instead would scramble a screen reader's order).
    for (Index i = 1; i < countryCount; ++i) {
        const Placement above = option1Placement(Index(i - 1));
        const int overlap = pixelsFromTwips(above.top + above.height - option1Placement(i).top);
        QWidget *button = widgetOf(Option1(i));
        button->setMask(QRegion(0, overlap, button->width(), button->height() - overlap));
    }

    for (Index i = 0; i < Index(list1Placements.size()); ++i) {
        ListBox &list = List1.load<ListBox>(form);
        for (TextView parliament : content.parliaments)
            list.AddItem(parliament);
        place(list, list1Placements[i], tabStops);
    }
    // The list is named by the heading over it.
    widgetOf(controls.parliamentList())->setAccessibleName(toQString(content.parliamentHeading));

    for (Index i = 0; i < Index(command1Placements.size()); ++i) {
        CommandButton &button = Command1.load<CommandButton>(form);
        button.setCaption(texts::command1Captions[i]);
        place(button, command1Placements[i], tabStops);
    }

    orderTabStops(std::move(tabStops));
}

} // namespace ui::qt

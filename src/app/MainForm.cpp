// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"

#include "ui/qt/ControlWidget.h"
#include "ui/qt/FontFit.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/FormFont.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

namespace {

// Below this a caption would be too small to read; it is cut instead.
constexpr int smallestCaptionPointSize = 8;

// The one local file a drop carries, or nothing.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

} // namespace

MainForm::MainForm(QWidget *parent)
    : MainForm(sets::builtInQuiz(), parent)
{ }

MainForm::MainForm(const sets::SetQuiz &made, QWidget *parent)
    : FormWindow(parent)
{
    setWindowTitle(ui::qt::toQString(made.form.windowTitle));
    ui::qt::buildForm(controls_, this, made.form);
    ui::qt::fitFontToCaptions(this, ui::qt::designedFamilies(), smallestCaptionPointSize);
    quiz_ = quiz::Quiz::attachTo(controls_, made.answerKey);
    // First in the tab order: the task is what the learner meets first.
    ui::qt::widgetOf(controls_.log())->setFocus();
    setAcceptDrops(true);
}

void MainForm::setOnSetDropped(std::function<void(const QString &)> open)
{
    openDropped_ = std::move(open);
}

void MainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (openDropped_ && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainForm::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty() || !openDropped_)
        return;
    event->acceptProposedAction();
    // After the drop has ended: opening may replace this window.
    QTimer::singleShot(0, [open = openDropped_, path] { open(path); });
}

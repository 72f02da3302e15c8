#pragma once

class QWidget;

namespace ui {

// Steps the form's font down a point at a time until every caption fits
// its control. With the designed face, or one with its metrics, nothing
// changes; a wider fallback face would otherwise cut captions short.
void fitFontToCaptions(QWidget *form, int smallestPointSize);

} // namespace ui

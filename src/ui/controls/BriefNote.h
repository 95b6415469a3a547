#pragma once

#include <QRect>
#include <QString>

class QWidget;

// A brief note in a small box of its own just below `area` of `anchor` (for
// Copy's confirmation, below the "Generated Script" tab), seen from every page and
// leaving the layout as it is. It closes by itself after `milliseconds`, or
// when another note takes its place. A screen reader is told it, and its
// window bears its text as its title, as any window's name is read.
void ShowBriefNote(QWidget* anchor, const QRect& area, const QString& text, int milliseconds);

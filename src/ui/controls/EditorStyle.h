#pragma once

#include <QColor>
#include <QFont>

class QApplication;
class QLabel;
class QString;
class QWidget;

// The editor's look: the toolkit's Fusion style with tighter check box and
// option button spacing, and a small condensed dialog font, so that every
// caption fits the fixed boxes of the form. Style, font and palette belong to
// the whole application; it is asked for so that it surely exists.
void ApplyEditorStyle(QApplication& app);

// The font of script text, `pixelSize` pixels high: the system's fixed font when its characters are all one width,
// else the first installed common fixed-width family whose characters are, else the toolkit's typewriter choice.
QFont CodeFont(int pixelSize);

// The colour of the window's warnings (a note that something differs, a mark
// beside a property), readable against the window's light ground.
inline QColor WarningTextColour() { return {0x8a, 0x2c, 0x00}; }

// A warning mark: `glyph` in bold, in the warning colour, on `parent`, named
// for tests and for a screen reader. Placing it is the caller's.
QLabel* MakeWarningMark(const QString& glyph, const QString& objectName, const QString& accessibleName,
                        QWidget* parent);

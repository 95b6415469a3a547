#pragma once

class QApplication;

// The editor's look: the toolkit's Fusion style with tighter check box and
// option button spacing, and a small condensed dialog font, so that every
// caption fits the fixed boxes of the form. Style, font and palette belong to
// the whole application; it is asked for so that it surely exists.
void ApplyEditorStyle(QApplication& app);

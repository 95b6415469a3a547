#pragma once

class QApplication;

// The editor's look: the toolkit's Fusion style with tighter check box and
// option button spacing, and a small condensed dialog font, so that every
// caption fits the fixed boxes of the form.
void ApplyEditorStyle(QApplication& app);

#pragma once

#include <QString>

// The script pane keeps lines as paragraphs. A script copied out of the pane
// gets its CR LF line breaks back, so what reaches the clipboard is the script
// text exactly as generated (plus any lines the user edited or added).
QString ScriptFromPaneText(const QString& paneText);

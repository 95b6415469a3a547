#pragma once

#include <QString>

// The script pane keeps lines as paragraphs. A script copied out of the pane
// gets its CR LF line breaks back, so what reaches the clipboard is the script
// text exactly as generated (plus any lines the user edited or added).
QString ScriptFromPaneText(const QString& paneText);

// What a selection of the pane's text from `start` to `end` holds of its
// lines, as Copy's note says it: "2 of 9 lines", "part of line 3 of 9",
// "parts of lines 2 to 4 of 9"; empty where it holds every line whole.
QString DescribeSelectedLines(const QString& paneText, qsizetype start, qsizetype end);

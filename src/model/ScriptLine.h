#pragma once

#include <QtGlobal>

#include <utility>

// The line of `text` that starts at `from`, without its line end, and where
// the line after it starts (text.size() after the last line). A line ends at
// CR LF, LF or CR. `text` is a QStringView or, for a script kept as bytes, a
// QByteArrayView: line ends are the same bytes in every encoding a script
// comes in.
template <class View>
std::pair<View, qsizetype> LineAt(View text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    qsizetype next = end;
    if (next < text.size())
        next += text[next] == u'\r' && next + 1 < text.size() && text[next + 1] == u'\n' ? 2 : 1;
    return {text.sliced(from, end - from), next};
}

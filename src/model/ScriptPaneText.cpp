#include "model/ScriptPaneText.h"

QString ScriptFromPaneText(const QString& paneText)
{
    QString out;
    out.reserve(paneText.size() + paneText.size() / 16);
    for (QChar c : paneText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            out += QLatin1String("\r\n");
        else
            out += c;
    }
    return out;
}

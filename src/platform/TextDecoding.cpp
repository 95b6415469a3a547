#include "platform/TextDecoding.h"

namespace {

// Windows-1252's characters for the bytes 0x80 to 0x9F; its five unused bytes
// keep the control characters Latin-1 gives them, as the toolkit's codec does.
constexpr char16_t kFrom0x80[32] = {u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020',
                                    u'\u2021', u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D',
                                    u'\u017D', u'\u008F', u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D',
                                    u'\u2022', u'\u2013', u'\u2014', u'\u02DC', u'\u2122', u'\u0161', u'\u203A',
                                    u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

}  // namespace

TextDecoder::TextDecoder(Encoding encoding)
{
    if (encoding == Encoding::Utf8) {
        // A byte-order mark at the start of the file is skipped before the pieces: one at the start of a piece is text.
        m_decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return;
    }
    m_decoder = QStringDecoder("windows-1252");
    if (!m_decoder.isValid()) {
        m_decoder = QStringDecoder(QStringDecoder::Latin1);
        m_latin1 = true;
    }
}

QString TextDecoder::operator()(QByteArrayView bytes)
{
    QString text = m_decoder.decode(bytes);
    if (m_latin1) {
        for (QChar& c : text) {
            if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
                c = QChar(kFrom0x80[c.unicode() - 0x80]);
        }
    }
    return text;
}

QString DecodeWindows1252(const QByteArray& bytes) { return TextDecoder(TextDecoder::Encoding::Windows1252)(bytes); }

#include "ui/controls/EditorStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace {

// Whether every character a script is made of is as wide as a space in `font` as it is drawn, measured: a font's
// fixed-pitch flag is not always set on a fixed-width font, and a family that is missing resolves to a stand-in that
// may be proportional.
bool AllOneWidth(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QLatin1Char(' '));
    const QString sample = QStringLiteral("iIl1WMm0_;.\"=");
    return width > 0 && std::all_of(sample.begin(), sample.end(), [&](QChar c) {
               return qAbs(metrics.horizontalAdvance(c) - width) < 0.01;
           });
}

// Fusion fitted to the form's fixed sizes: tighter check box, option button,
// tab and list spacing; frames drawn as in a classic dialog, a thin line with
// the caption sitting on its top edge; a clear focus rectangle.
class CompactStyle : public QProxyStyle {
public:
    CompactStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: return 3;
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return 12;
        case PM_TabBarTabVSpace: return 6;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        // Every list drops down below its box, showing at most its visible-rows count.
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // A solid rectangle in the highlight colour: check boxes, option
        // buttons and tabs show the focus as clearly as text boxes do. On a
        // selected row of a list, in the selected text's colour.
        const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
        const bool onHighlight = focus && focus->backgroundColor == option->palette.color(QPalette::Highlight);
        painter->save();
        painter->setPen(option->palette.color(onHighlight ? QPalette::HighlightedText : QPalette::Highlight));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        // The tab with the focus gets the same rectangle, not only a faint tint.
        if (element == CE_TabBarTabLabel && (option->state & State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*option);
            focus.rect = option->rect.adjusted(3, 3, -3, -2);
            drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        if (control == CC_ComboBox && (sub == SC_ComboBoxArrow || sub == SC_ComboBoxEditField)) {
            // A narrow arrow leaves the list's text the room the form gives it.
            const QRect box = option->rect;
            constexpr int arrow = 13;
            if (sub == SC_ComboBoxArrow)
                return QRect(box.right() - arrow - 1, box.top() + 2, arrow, box.height() - 4);
            return QRect(box.left() + 2, box.top() + 2, box.width() - arrow - 5, box.height() - 4);
        }
        if (control != CC_GroupBox)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        const QFontMetrics metrics = option->fontMetrics;
        const int lineY = metrics.height() / 2;
        const QRect frame = option->rect.adjusted(0, lineY, 0, 0);
        switch (sub) {
        case SC_GroupBoxFrame: return frame;
        case SC_GroupBoxLabel: return QRect(6, 0, box ? metrics.horizontalAdvance(box->text) + 3 : 0, metrics.height());
        case SC_GroupBoxContents: return frame.adjusted(1, metrics.height() - lineY, -1, -1);
        default: return QProxyStyle::subControlRect(control, option, sub, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect frame = subControlRect(CC_GroupBox, option, SC_GroupBoxFrame, widget);
        const QRect label = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);
        painter->save();
        painter->setPen(option->palette.color(QPalette::Mid));
        const QRect line = frame.adjusted(0, 0, -1, -1);
        const int gapLeft = box->text.isEmpty() ? line.left() : label.left();
        const int gapRight = box->text.isEmpty() ? line.left() : label.right();
        // The top line leaves a gap where the caption sits.
        painter->drawLine(line.topLeft(), QPoint(gapLeft, line.top()));
        painter->drawLine(QPoint(gapRight, line.top()), line.topRight());
        painter->drawLine(line.topRight(), line.bottomRight());
        painter->drawLine(line.bottomRight(), line.bottomLeft());
        painter->drawLine(line.bottomLeft(), line.topLeft());
        if (!box->text.isEmpty()) {
            const bool enabled = option->state & State_Enabled;
            painter->setPen(
                option->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            painter->drawText(label.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                              box->text);
        }
        painter->restore();
    }
};

}  // namespace

void ApplyEditorStyle(QApplication& /*app*/)
{
    QApplication::setStyle(new CompactStyle);
    const QStringList families = QFontDatabase::families();
    QFont font(families.contains(QStringLiteral("DejaVu Sans Condensed")) ? QStringLiteral("DejaVu Sans Condensed")
                                                                          : QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    // Greyed-out text keeps a contrast of at least 3:1 to its ground: a
    // disabled frame still holds values the designer reads.
    QPalette palette = QApplication::style()->standardPalette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(QPalette::Disabled, role, QColor(0x76, 0x76, 0x76));
    QApplication::setPalette(palette);
}

QFont CodeFont(int pixelSize)
{
    const auto sized = [pixelSize](QFont font) {
        font.setPixelSize(pixelSize);
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    };
    const QFont system = sized(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (AllOneWidth(system))
        return system;
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Courier New", "DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "Consolas",
                               "Cascadia Mono", "Lucida Console", "Nimbus Mono PS", "FreeMono", "Courier"}) {
        const QFont candidate = sized(QFont(QString::fromLatin1(family)));
        if (installed.contains(candidate.family()) && AllOneWidth(candidate))
            return candidate;
    }
    QFont typewriter = sized(QFont(QStringLiteral("monospace")));
    typewriter.setStyleHint(QFont::TypeWriter);
    return typewriter;
}

QLabel* MakeWarningMark(const QString& glyph, const QString& objectName, const QString& accessibleName, QWidget* parent)
{
    auto* mark = new QLabel(glyph, parent);
    mark->setObjectName(objectName);
    mark->setAccessibleName(accessibleName);
    QFont bold = mark->font();
    bold.setBold(true);
    mark->setFont(bold);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::WindowText, WarningTextColour());
    mark->setPalette(palette);
    return mark;
}

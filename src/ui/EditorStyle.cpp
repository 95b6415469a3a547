#include "ui/EditorStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace {

// Fusion with tighter check box and option button spacing, and frames drawn
// as in a classic dialog: a thin line with the caption sitting on its top edge.
class CompactStyle : public QProxyStyle {
public:
    CompactStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return 3;
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 12;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        if (control != CC_GroupBox)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        const QFontMetrics metrics = option->fontMetrics;
        const int lineY = metrics.height() / 2;
        const QRect frame = option->rect.adjusted(0, lineY, 0, 0);
        switch (sub) {
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxLabel:
            return QRect(6, 0, box ? metrics.horizontalAdvance(box->text) + 3 : 0, metrics.height());
        case SC_GroupBoxContents:
            return frame.adjusted(1, metrics.height() - lineY, -1, -1);
        default:
            return QProxyStyle::subControlRect(control, option, sub, widget);
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
            painter->setPen(option->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            painter->drawText(label.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->text);
        }
        painter->restore();
    }
};

}  // namespace

void ApplyEditorStyle(QApplication& app)
{
    app.setStyle(new CompactStyle);
    const QStringList families = QFontDatabase::families();
    QFont font(families.contains(QStringLiteral("DejaVu Sans Condensed")) ? QStringLiteral("DejaVu Sans Condensed")
                                                                           : QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    app.setFont(font);
}

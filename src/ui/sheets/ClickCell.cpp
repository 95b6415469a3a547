#include "ui/sheets/ClickCell.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A screen reader meets a cell as a button that picks its icon.
class AccessibleClickCell : public QAccessibleWidget {
public:
    explicit AccessibleClickCell(ClickCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<ClickCell*>(object())->click();
    }
};

QAccessibleInterface* cellInterface(const QString& className, QObject* object)
{
    return className == QLatin1String("ClickCell") ? new AccessibleClickCell(static_cast<ClickCell*>(object)) : nullptr;
}

}  // namespace

ClickCell::ClickCell(int index, QWidget* parent) : QWidget(parent), m_index(index)
{
    static const bool accessible = (QAccessible::installFactory(cellInterface), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Click an icon to choose it"));
}

void ClickCell::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickCell::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (inside)
        click();
}

void ClickCell::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key chooses once.
    if (!event->isAutoRepeat())
        click();
}

void ClickCell::paintEvent(QPaintEvent* /*event*/)
{
    if (!hasFocus())
        return;
    // A ring in the highlight colour with a light line inside it, so that it
    // shows on the dark and the light colours of any sheet.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void ClickCell::click()
{
    if (isEnabled())
        emit clicked(m_index);
}

#include "graphics/ClickCell.h"

#include <QMouseEvent>

ClickCell::ClickCell(int index, QWidget* parent) : QWidget(parent), m_index(index)
{
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

void ClickCell::click()
{
    if (isEnabled())
        emit clicked(m_index);
}

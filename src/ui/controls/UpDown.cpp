#include "ui/controls/UpDown.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setIconSize(QSize(7, 4));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, [this] { setValueByUser(m_value + m_step); });
    connect(m_down, &QToolButton::clicked, this, [this] { setValueByUser(m_value - m_step); });
}

void UpDown::setMinimum(int v)
{
    m_min = v;
    if (m_max < m_min)
        m_max = m_min;
    setValue(m_value);
    showValue();
}

void UpDown::setMaximum(int v)
{
    m_max = v;
    if (m_min > m_max)
        m_min = m_max;
    setValue(m_value);
    showValue();
}

void UpDown::setValue(int v)
{
    const int held = std::clamp(v, m_min, m_max);
    if (held == m_value)
        return;
    m_value = held;
    showValue();
    // A screen reader says the new number, as it does for a spin box.
    QAccessibleValueChangeEvent changed(this, m_value);
    QAccessible::updateAccessibility(&changed);
    emit Change();
}

void UpDown::setValueByUser(int v)
{
    const int before = m_value;
    setValue(v);
    if (m_value != before)
        emit Stepped();
}

void UpDown::setBuddy(QLabel* buddy)
{
    m_buddy = buddy;
    showValue();
}

void UpDown::showValue()
{
    m_up->setEnabled(m_value < m_max);
    m_down->setEnabled(m_value > m_min);
    if (m_buddy)
        m_buddy->setText(QString::number(m_value));
}

void UpDown::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    markBuddy(true);
}

void UpDown::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    markBuddy(false);
}

void UpDown::markBuddy(bool focused)
{
    if (!m_buddy)
        return;
    m_buddy->setAutoFillBackground(focused);
    if (!focused) {
        m_buddy->setPalette(QPalette());  // back to the form's colours
        return;
    }
    // The label's frame and number in the highlight colour, on a light tint of it.
    QPalette palette = m_buddy->palette();
    const QColor highlight = palette.color(QPalette::Highlight);
    palette.setColor(QPalette::WindowText, highlight.darker(130));
    palette.setColor(QPalette::Window, highlight.lighter(185));
    m_buddy->setPalette(palette);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right: setValueByUser(m_value + m_step); break;
    case Qt::Key_Down:
    case Qt::Key_Left: setValueByUser(m_value - m_step); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

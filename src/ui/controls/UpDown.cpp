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
    endTyping();
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
    // The digits typed show as typed, as in a spin box, until they make a value.
    if (m_buddy)
        m_buddy->setText(QString::number(m_typed != 0 && m_typed != m_value ? m_typed : m_value));
}

void UpDown::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    markBuddy(true);
}

void UpDown::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    endTyping();
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
    const QString text = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (text.size() == 1 && text[0].isDigit() && !command) {
        typeDigit(text[0].digitValue());
        event->accept();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Backspace && m_typed != 0) {
        // Takes back the last digit typed, as in a spin box's text.
        if (m_typed < 10)
            endTyping();
        else
            takeTyped(m_typed / 10);
        event->accept();
        return;
    }
    // A modifier or lock key comes before the key it changes, such as Shift
    // before a digit on some keyboards: the number typed goes on.
    if ((key < Qt::Key_Shift || key > Qt::Key_ScrollLock) && key != Qt::Key_AltGr)
        endTyping();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Right: setValueByUser(m_value + m_step); break;
    case Qt::Key_Down:
    case Qt::Key_Left: setValueByUser(m_value - m_step); break;
    case Qt::Key_PageUp: setValueByUser(m_value + kPageSteps * m_step); break;
    case Qt::Key_PageDown: setValueByUser(m_value - kPageSteps * m_step); break;
    case Qt::Key_Home: setValueByUser(m_min); break;
    case Qt::Key_End: setValueByUser(m_max); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void UpDown::typeDigit(int digit)
{
    // The digit goes on the number typed so far; where that can no longer
    // become a value within the bounds, it begins a new number (so on the
    // icon spinners each digit picks its icon). A digit that can begin none
    // is not taken, as a spin box refuses a key that makes its text invalid.
    if (canBecomeValue(m_typed * 10 + digit))
        takeTyped(m_typed * 10 + digit);
    else if (canBecomeValue(digit))
        takeTyped(digit);
}

void UpDown::takeTyped(qint64 typed)
{
    // A number within the bounds is the value at once; one below them waits
    // for its further digits, shown as typed.
    if (typed >= m_min && typed <= m_max)
        setValueByUser(int(typed));
    m_typed = typed;
    showValue();
}

void UpDown::endTyping()
{
    if (m_typed == 0)
        return;
    m_typed = 0;
    showValue();
}

bool UpDown::canBecomeValue(qint64 typed) const
{
    // Typed digits make no sign, and a leading 0 adds nothing.
    if (typed == 0)
        return m_min <= 0 && m_max >= 0;
    // With k more digits, the number lies between typed * 10^k and that plus 10^k - 1.
    for (qint64 low = typed, span = 1; low <= m_max; low *= 10, span *= 10) {
        if (low + span - 1 >= m_min)
            return true;
    }
    return false;
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

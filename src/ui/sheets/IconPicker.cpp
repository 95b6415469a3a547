#include "ui/sheets/IconPicker.h"

#include "ui/sheets/ClickCell.h"
#include "ui/sheets/PictureBox.h"

#include <QKeyEvent>

#include <algorithm>

IconPicker::IconPicker(PictureBox* box, const QString& name, const QString& caption) : QObject(box), m_box(box)
{
    box->setAccessibleName(caption + QStringLiteral(" sheet"));
    for (int i = 0; i < int(m_cells.size()); ++i) {
        auto* cell = new ClickCell(i, box);
        cell->setObjectName(name + u'_' + QString::number(i));
        cell->setAccessibleName(caption + u' ' + QString::number(i));
        cell->installEventFilter(this);
        connect(cell, &ClickCell::clicked, this, &IconPicker::Clicked);
        m_cells[std::size_t(i)] = cell;
    }
    connect(box, &PictureBox::LinesChanged, this, [this] {
        for (ClickCell* cell : m_cells)
            cell->setAccessibleDescription(m_box->accessibleDescription());
    });
}

void IconPicker::LayOut(int width, int height, const QWidget* next)
{
    const QPoint origin = m_box->contentsRect().topLeft();
    // The toolkit orders only widgets that take the focus: the cells are
    // placed as a row of stops, then all but one step out of the Tab order.
    QWidget* before = next->previousInFocusChain();
    while (before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    for (ClickCell* cell : m_cells) {
        cell->setGeometry(origin.x() + width * cell->index(), origin.y(), width, height);
        cell->setEnabled(true);
        cell->show();
        cell->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(before, cell);
        before = cell;
    }
    TabStopOn(m_chosen);
}

void IconPicker::ShowChosen(int index)
{
    m_chosen = index;
    // While the row has the focus, the focus follows a click too.
    if (HoldsFocus())
        MoveFocus(index);
    else
        TabStopOn(index);
}

void IconPicker::TabStopOn(int index)
{
    for (ClickCell* cell : m_cells)
        cell->setFocusPolicy(cell->index() == index ? Qt::TabFocus : Qt::NoFocus);
}

void IconPicker::MoveFocus(int index)
{
    index = std::clamp(index, 0, int(m_cells.size()) - 1);
    TabStopOn(index);
    m_cells[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
}

bool IconPicker::HoldsFocus() const
{
    // The window's focus, kept while another window is active.
    return std::ranges::find(m_cells, m_box->window()->focusWidget()) != m_cells.end();
}

bool IconPicker::eventFilter(QObject* watched, QEvent* event)
{
    const int index = static_cast<ClickCell*>(watched)->index();
    if (event->type() == QEvent::FocusOut && !HoldsFocus())
        TabStopOn(m_chosen);
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: MoveFocus(index - 1); return true;
    case Qt::Key_Right:
    case Qt::Key_Down: MoveFocus(index + 1); return true;
    case Qt::Key_Home: MoveFocus(0); return true;
    case Qt::Key_End: MoveFocus(int(m_cells.size()) - 1); return true;
    default: return false;
    }
}

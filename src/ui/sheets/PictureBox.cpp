#include "ui/sheets/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::Cls()
{
    if (m_lines.isEmpty())
        return;
    m_lines.clear();
    setAccessibleDescription(QString());
    update();
    emit LinesChanged();
}

void PictureBox::Print(const QString& line)
{
    m_lines.append(line);
    setAccessibleDescription(m_lines.join(u' '));
    update();
    emit LinesChanged();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    if (!m_picture.isNull())
        painter.drawImage(inner.topLeft(), m_picture);
    if (!m_lines.isEmpty()) {
        painter.setPen(Qt::black);
        const QFontMetrics metrics(font());
        // A few pixels in from the corner: the ring of a click cell with the
        // focus would hide the first letters.
        constexpr int indent = 4;
        int y = inner.top() + metrics.ascent();
        for (const QString& line : m_lines) {
            painter.drawText(inner.left() + indent, y,
                             metrics.elidedText(line, Qt::ElideMiddle, inner.width() - indent));
            y += metrics.height();
        }
    }
}

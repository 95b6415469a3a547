#include "graphics/PictureClip.h"

QImage PictureClip::GraphicCell(int i) const
{
    if (m_picture.isNull() || m_rows <= 0 || m_cols <= 0 || i < 0 || i >= m_rows * m_cols)
        return QImage();
    const int cellWidth = m_picture.width() / m_cols;
    const int cellHeight = m_picture.height() / m_rows;
    if (cellWidth <= 0 || cellHeight <= 0)
        return QImage();
    return m_picture.copy((i % m_cols) * cellWidth, (i / m_cols) * cellHeight, cellWidth, cellHeight);
}

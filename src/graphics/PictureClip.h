#pragma once

#include <QImage>

// Holds a picture divided into a grid of equal cells and hands out copies of
// single cells. Cells are numbered from 0, row by row. Each cell is
// width / Cols wide and height / Rows high (whole pixels); pixels to the right
// of the last column or below the last row belong to no cell.
class PictureClip {
public:
    PictureClip(int rows, int cols) : m_rows(rows), m_cols(cols) {}

    void setPicture(const QImage& picture) { m_picture = picture; }
    const QImage& picture() const { return m_picture; }
    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }

    // A new picture of cell i; the empty picture when the clip holds none, the
    // cells would be empty, or i is not a cell.
    QImage GraphicCell(int i) const;

private:
    QImage m_picture;
    int m_rows;
    int m_cols;
};

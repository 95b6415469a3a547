#pragma once

#include <QFrame>
#include <QImage>
#include <QStringList>

// A sunken box that shows a picture at its natural size from the top-left
// corner of its inner area, cut off at the edges, and lines of text printed
// over it. A printed line wider than the box shows shortened in the middle;
// a screen reader reads the lines whole, as the box's description. Sizes and
// positions inside it are pixels of the inner area.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // Erases the printed text; the picture stays.
    void Cls();
    // Prints one line of text below what was printed since the last Cls.
    void Print(const QString& line);
    const QStringList& printedLines() const { return m_lines; }

    // The inner size, without the border.
    int ScaleWidth() const { return contentsRect().width(); }
    int ScaleHeight() const { return contentsRect().height(); }

signals:
    // Lines were printed or erased.
    void LinesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QStringList m_lines;
};

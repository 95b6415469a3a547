#pragma once

#include <QWidget>

// An invisible cell laid over a sheet box: the sheet shows through, and a
// click on it reports the cell's index. With the keyboard focus it is ringed,
// and Space or Return reports it as a click does.
class ClickCell : public QWidget {
    Q_OBJECT
public:
    ClickCell(int index, QWidget* parent);
    int index() const { return m_index; }
    // As a click on the cell: reports its index unless the cell is disabled.
    void click();

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_index;
    bool m_pressed = false;
};

#pragma once

#include <QObject>

#include <array>

class ClickCell;
class PictureBox;
class QWidget;

// The floor or the inventory icon picker: a row of ten click cells laid over a
// sheet box. A click on a cell chooses its icon. From the keyboard the picker
// is one stop in the Tab order, entered on the icon chosen; the arrow keys,
// Home and End move the focus along the row without choosing, and Space or
// Return on the cell with the focus chooses it as a click does. Text printed
// on the box, such as a sheet not found, is each cell's description too, so
// that a screen reader on the row hears it.
class IconPicker : public QObject {
    Q_OBJECT
public:
    // `name` names the cells for tests (name_0 to name_9), `caption` for a
    // screen reader ("Floor icon 3"); the box is named "<caption> sheet".
    IconPicker(PictureBox* box, const QString& name, const QString& caption);

    // The cells `width` by `height` pixels, from the top-left corner of the
    // box's inner area, and the picker placed in the Tab order just before `next`.
    void LayOut(int width, int height, const QWidget* next);
    // The icon now chosen: where Tab enters the picker.
    void ShowChosen(int index);

signals:
    void Clicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one cell that Tab stops at: the chosen icon, or while the row has the
    // focus, the cell with the focus, so that Tab and Shift+Tab leave the row
    // from there. A click never moves the focus into the row.
    void TabStopOn(int index);
    void MoveFocus(int index);
    bool HoldsFocus() const;

    PictureBox* m_box;
    std::array<ClickCell*, 10> m_cells{};
    int m_chosen = 0;
};

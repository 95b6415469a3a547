#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// An up-down spinner: two arrow buttons that step a whole number within its
// bounds (no wrap-around), keeping a buddy label showing the value. Change is
// emitted on every change of the value, also one the program makes; Stepped
// after it, only when the user changed the value. An arrow
// is greyed out at its bound; with the focus, the buddy label is marked in the
// highlight colour, since the keys then set the value: the arrow keys step it,
// Page Up and Page Down by ten steps, Home and End go to the bounds, and
// digits type a number, as into a spin box.
class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY Change)
    Q_PROPERTY(int step READ step WRITE setStep)
public:
    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int value() const { return m_value; }
    int step() const { return m_step; }
    void setMinimum(int v);
    void setMaximum(int v);
    void setStep(int v) { m_step = v; }
    // Sets the value, held within the bounds; emits Change when it differs.
    void setValue(int v);
    void setBuddy(QLabel* buddy);

    // The value the user chose, by an arrow, a key or a screen reader.
    void setValueByUser(int v);

signals:
    void Change();
    void Stepped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showValue();
    void markBuddy(bool focused);
    void typeDigit(int digit);
    void takeTyped(qint64 typed);
    void endTyping();
    bool canBecomeValue(qint64 typed) const;

    QToolButton* m_up;
    QToolButton* m_down;
    QLabel* m_buddy = nullptr;
    int m_min = 0;
    int m_max = 10;
    int m_value = 0;
    int m_step = 1;
    static constexpr int kPageSteps = 10;  // Page Up and Page Down
    // The number typed in digits since the last other key, click or change; 0
    // while none. Shown in the buddy label while it is not (yet) a value.
    qint64 m_typed = 0;
};

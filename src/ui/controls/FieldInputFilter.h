#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QLineEdit;

// Applies a key rule and a leave-field rule to one text box. The key rule sees
// the code of every typed character (keys that type none, and Delete, keep
// their ordinary effect) and discards the keystroke when it returns 0. The
// leave-field rule runs when the focus moves from the box to another control
// of the window, not when the window itself loses the focus or a context
// menu opens.
class FieldInputFilter : public QObject {
    Q_OBJECT
public:
    using KeyRule = std::function<std::int16_t(std::int16_t)>;
    using LeaveRule = std::function<void()>;

    static void Attach(QLineEdit* box, KeyRule keyRule, LeaveRule leaveRule = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldInputFilter(QObject* parent, KeyRule keyRule, LeaveRule leaveRule);

    KeyRule m_keyRule;
    LeaveRule m_leaveRule;
};

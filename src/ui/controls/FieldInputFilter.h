#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QLineEdit;

// Applies a key rule and a leave-field rule to one text box. The key rule sees
// the code of every typed character (keys that type none, and Delete, keep
// their ordinary effect) and discards the keystroke when it returns 0, or when
// the text rule refuses what the typed character would leave in the box. The
// leave-field rule runs when the focus moves from the box to another control
// of the window, not when the window itself loses the focus or a context
// menu opens.
class FieldInputFilter : public QObject {
    Q_OBJECT
public:
    using KeyRule = std::function<std::int16_t(std::int16_t)>;
    using LeaveRule = std::function<void()>;
    // Whether the box may hold the text a typed character would leave in it.
    using TextRule = std::function<bool(QStringView)>;

    static void Attach(QLineEdit* box, KeyRule keyRule, LeaveRule leaveRule = {}, TextRule textRule = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldInputFilter(QObject* parent, KeyRule keyRule, LeaveRule leaveRule, TextRule textRule);

    KeyRule m_keyRule;
    LeaveRule m_leaveRule;
    TextRule m_textRule;
};

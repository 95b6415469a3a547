#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QLineEdit;

// Applies a key rule and a leave-field rule to one text box. The key rule sees
// the code of every typed character (keys that type none, Delete and Select
// All keep their ordinary effect) and discards the keystroke when it returns
// 0, or when the text rule refuses what the typed character would leave in the
// box. The desktop's paste keys (Ctrl+V, Shift+Insert) paste the clipboard's
// text only where every character of it could be typed there and it fits the
// box's length; otherwise they change nothing. The
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
    // Whether `typed`, typed or pasted into `box` in place of its selection,
    // passes the key rule character by character, and leaves a text of at most
    // `longest` characters that the text rule takes; `longest` -1 for a
    // control character, which only the key rule judges.
    bool Accepts(const QLineEdit* box, const QString& typed, int longest) const;

    KeyRule m_keyRule;
    LeaveRule m_leaveRule;
    TextRule m_textRule;
};

#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// Runs a leave-field rule when the focus moves from a box to another control
// of the window, not when the window itself loses the focus or a menu or
// context menu opens.
class LeaveFieldRule : public QObject {
public:
    static void Attach(QLineEdit* box, std::function<void()> rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LeaveFieldRule(QObject* parent, std::function<void()> rule);

    std::function<void()> m_rule;
};

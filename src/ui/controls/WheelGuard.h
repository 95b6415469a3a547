#pragma once

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing a list the user is not working in: the
// list takes the wheel only while it has the focus. Otherwise the wheel goes
// on to the window, which ignores it; a user scrolling over the form changes
// nothing.
class WheelGuard : public QObject {
    Q_OBJECT
public:
    static void Attach(QWidget* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

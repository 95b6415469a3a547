#include "ui/controls/AccessibleControls.h"

#include "ui/controls/UpDown.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

class AccessibleSpinner : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSpinner(UpDown* spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    // The arrows are parts of the spinner, not controls of their own: the
    // value and the actions below step it.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? QString::number(spinner()->value()) : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return spinner()->value(); }
    QVariant maximumValue() const override { return spinner()->maximum(); }
    QVariant minimumValue() const override { return spinner()->minimum(); }
    QVariant minimumStepSize() const override { return spinner()->step(); }
    // A greyed-out spinner takes no value, as it takes no key.
    void setCurrentValue(const QVariant& value) override
    {
        if (spinner()->isEnabled())
            spinner()->setValueByUser(value.toInt());
    }
    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == increaseAction() || action == decreaseAction())
            setCurrentValue(spinner()->value() + (action == increaseAction() ? 1 : -1) * spinner()->step());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    UpDown* spinner() const { return static_cast<UpDown*>(object()); }
};

// The toolkit's list as it is elsewhere: the popup and a typing box as its
// parts, opened by its action; only the name differs.
class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const QString entry = list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        const QString text = t == QAccessible::Value ? entry : QAccessibleWidget::text(t);
        // A list without a name of its own is at least called by its entry.
        return text.isEmpty() && t == QAccessible::Name ? entry : text;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.editable = list()->isEditable();
        return s;
    }
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        return index == 1 && list()->isEditable() ? QAccessible::queryAccessibleInterface(list()->lineEdit()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* part) const override
    {
        if (part->object() == list()->view())
            return 0;
        return list()->isEditable() && part->object() == list()->lineEdit() ? 1 : -1;
    }
    // An editable list hands its focus to its typing box.
    QAccessibleInterface* focusChild() const override { return list()->isEditable() ? child(1) : nullptr; }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("UpDown"))
        return new AccessibleSpinner(static_cast<UpDown*>(object));
    if (className == QLatin1String("QComboBox"))
        return new AccessibleList(static_cast<QComboBox*>(object));
    // A window of its own, named by its title, rather than a filler inside nothing.
    if (className == QLatin1String("ScenarioItems") || className == QLatin1String("CompareWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstallAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    (void)installed;
}

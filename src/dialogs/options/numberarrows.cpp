#include "numberarrows.h"

#include <QAccessibleWidget>

#include <mutex>

namespace {

// The arrows as a spin button whose value is the number they show.
class SpinButton final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinButton(NumberArrows* arrows) : QAccessibleWidget(arrows, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(arrows()->number());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return arrows()->number(); }
    void setCurrentValue(const QVariant& value) override { arrows()->setNumber(value.toInt()); }
    QVariant maximumValue() const override { return arrows()->highestNumber(); }
    QVariant minimumValue() const override { return arrows()->lowestNumber(); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }

    void doAction(const QString& action) override
    {
        if (action == increaseAction())
            arrows()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (action == decreaseAction())
            arrows()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    NumberArrows* arrows() const { return static_cast<NumberArrows*>(widget()); }
};

QAccessibleInterface* spinButtonOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(NumberArrows::staticMetaObject.className()))
        return new SpinButton(static_cast<NumberArrows*>(object));
    return nullptr;
}

} // namespace

NumberArrows::NumberArrows(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&spinButtonOf); });
}

#include "accessibility.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>
#include <QWidget>

namespace {

const char* const kDecorative = "decorative";

// Qt's own interface lists every child widget but windows, menus and focus
// frames, which stand apart from the controls; this one leaves out the
// decoration too.
class WithoutDecoration final : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(listed().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QWidgetList children = listed();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return static_cast<int>(listed().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QWidgetList listed() const
    {
        QWidgetList children;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !qobject_cast<QMenu*>(child) &&
                !qobject_cast<QFocusFrame*>(child) && !accessibility::isDecorative(child))
                children.append(child);
        }
        return children;
    }
};

} // namespace

namespace accessibility {

QString withoutAccessKey(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && ++i == caption.size())
            break;
        spoken.append(caption.at(i));
    }
    return spoken;
}

void setName(QWidget* control, const QString& name)
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

void setDescription(QWidget* control, const QString& description)
{
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

void setDecorative(QWidget* picture)
{
    picture->setProperty(kDecorative, true);
}

bool isDecorative(const QWidget* widget)
{
    return widget->property(kDecorative).toBool();
}

QAccessibleInterface* withoutDecoration(QWidget* container, QAccessible::Role role)
{
    return new WithoutDecoration(container, role);
}

} // namespace accessibility

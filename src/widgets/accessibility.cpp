#include "accessibility.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>
#include <QWidget>

#include <functional>
#include <utility>

namespace {

const char* const kDecorative = "decorative";

// A container whose children are those that a function lists, in its order.
class ListedChildren final : public QAccessibleWidget
{
public:
    ListedChildren(QWidget* container, QAccessible::Role role, std::function<QWidgetList()> listed)
        : QAccessibleWidget(container, role), listed_(std::move(listed))
    {}

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
    QWidgetList listed() const { return listed_(); }

    std::function<QWidgetList()> listed_;
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

QAccessibleInterface* withChildren(QWidget* container, QAccessible::Role role,
                                   std::function<QWidgetList()> listed)
{
    return new ListedChildren(container, role, std::move(listed));
}

QAccessibleInterface* withoutDecoration(QWidget* container, QAccessible::Role role)
{
    // Qt's own interface lists every child widget but windows, menus and focus
    // frames, which stand apart from the controls; this one leaves out the
    // decoration too.
    return withChildren(container, role, [container] {
        QWidgetList children;
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !qobject_cast<QMenu*>(child) &&
                !qobject_cast<QFocusFrame*>(child) && !isDecorative(child))
                children.append(child);
        }
        return children;
    });
}

} // namespace accessibility

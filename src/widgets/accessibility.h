#pragma once

#include <QAccessible>
#include <QString>
#include <qwindowdefs.h> // QWidgetList

#include <functional>

class QWidget;

// What a screen reader is told about the controls, beyond what Qt tells it itself.
namespace accessibility {

// A caption as it is read out: without the "&" that marks its access key ("&&"
// stands for one "&").
QString withoutAccessKey(const QString& caption);

// Names `control`, or describes it, for screen readers. Qt tells them of every
// call; these tell them only of a change, so that a board renamed as a whole
// does not flood them with news of names that stayed.
void setName(QWidget* control, const QString& name);
void setDescription(QWidget* control, const QString& description);

// Marks a picture as decoration, which says nothing a player needs to hear.
void setDecorative(QWidget* picture);
bool isDecorative(const QWidget* widget);

// The accessible interface of `container` in `role`, whose children are the
// widgets `listed` gives, in its order.
QAccessibleInterface* withChildren(QWidget* container, QAccessible::Role role,
                                   std::function<QWidgetList()> listed);

// The accessible interface of `container` in `role`, whose children are those
// of Qt's own interface less the decoration. For a factory given to
// QAccessible::installFactory, which asks for the container's class.
QAccessibleInterface* withoutDecoration(QWidget* container, QAccessible::Role role);

} // namespace accessibility

#include "clickableimage.h"

#include "board/pictures.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

#include <mutex>

namespace {

// A button to a screen reader: its name, its state and the press it offers.
class PressablePicture final : public QAccessibleWidget
{
public:
    explicit PressablePicture(ClickableImage* picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    {}

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) << QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<ClickableImage*>(widget())->press();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* pressablePictureOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableImage::staticMetaObject.className()))
        return new PressablePicture(static_cast<ClickableImage*>(object));
    return nullptr;
}

} // namespace

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&pressablePictureOf); });
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it, a click does not move the focus away from where it is.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableImage::setPicture(const QPixmap& picture)
{
    setPixmap(picture);
    resize(pictures::boardSize(picture));
}

void ClickableImage::press()
{
    if (isEnabled() && isVisible())
        emit clicked();
}

void ClickableImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    else
        QLabel::mousePressEvent(event);
}

void ClickableImage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (!event->isAutoRepeat())
            press();
        break;
    default:
        QLabel::keyPressEvent(event);
        break;
    }
}

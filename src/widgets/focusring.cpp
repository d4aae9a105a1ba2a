#include "focusring.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QFocusFrame>
#include <QPointer>

namespace {

bool styleMarksNoFocus(const QWidget* widget)
{
    return qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// Puts the ring around the focused control of its window, or takes it away.
class FocusRing final : public QObject
{
public:
    explicit FocusRing(QWidget* window) : QObject(window), window_(window)
    {
        frame_ = new QFocusFrame(window);
        QPalette ring = frame_->palette();
        ring.setColor(QPalette::WindowText, ring.color(QPalette::Highlight));
        frame_->setPalette(ring);
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* focused) { follow(focused); });
    }

private:
    void follow(QWidget* focused)
    {
        // The ring goes with the control it stands around, which the window
        // may delete first.
        if (!frame_ || !focused || focused->window() != window_)
            return;
        // What the first Tab would set; showing the window clears it.
        window_->setAttribute(Qt::WA_KeyboardFocusChange);
        frame_->setWidget(styleMarksNoFocus(focused) ? focused : nullptr);
    }

    QWidget* window_;
    QPointer<QFocusFrame> frame_;
};

} // namespace

void keepFocusVisible(QWidget* window)
{
    new FocusRing(window);
}

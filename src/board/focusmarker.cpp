#include "focusmarker.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int kGap = 1;  // between the control and the ring
constexpr int kLine = 3; // the coloured line
constexpr int kEdge = 1; // white on either side of it
constexpr int kReach = kGap + kLine + 2 * kEdge;

} // namespace

FocusMarker::FocusMarker(QWidget* board) : QWidget(board)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { mark(focused); });
}

void FocusMarker::mark(QWidget* focused)
{
    if (marked_)
        marked_->removeEventFilter(this);
    marked_ = focused && focused->parentWidget() == parentWidget() ? focused : nullptr;
    if (marked_)
        marked_->installEventFilter(this);
    place();
}

void FocusMarker::place()
{
    if (!marked_ || !marked_->isVisible()) {
        hide();
        return;
    }
    // At the board's edge the ring runs along the edge, over the control.
    setGeometry(marked_->geometry()
                    .adjusted(-kReach, -kReach, kReach, kReach)
                    .intersected(parentWidget()->rect()));
    raise();
    show();
    update();
}

bool FocusMarker::eventFilter(QObject* watched, QEvent* event)
{
    // The ring goes where its control goes.
    if (watched == marked_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal middle = kEdge + kLine / 2.0;
    const QRectF ring = QRectF(rect()).adjusted(middle, middle, -middle, -middle);
    painter.setPen(QPen(Qt::white, kLine + 2 * kEdge));
    painter.drawRoundedRect(ring, 4, 4);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kLine));
    painter.drawRoundedRect(ring, 4, 4);
}

#include "clickableimage.h"

#include "board/pictures.h"

#include <QMouseEvent>

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableImage::setPicture(const QPixmap& picture)
{
    setPixmap(picture);
    resize(pictures::boardSize(picture));
}

void ClickableImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    else
        QLabel::mousePressEvent(event);
}

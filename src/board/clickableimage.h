#pragma once

#include <QLabel>

// A picture the player can click: alphabet keys, flags. It carries a tag, the
// letter or value it stands for.
class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget* parent = nullptr);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // Shows the picture at the size it takes on the board.
    void setPicture(const QPixmap& picture);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString tag_;
};

#pragma once

#include <QLabel>

// A picture the player can click or press by the keyboard: alphabet keys,
// flags. It carries a tag, the letter or value it stands for, and is a button
// to a screen reader, named by what the board gives it as accessible name.
class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget* parent = nullptr);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // Shows the picture at the size it takes on the board.
    void setPicture(const QPixmap& picture);

    // As a click: only while the picture takes clicks.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString tag_;
};

#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

// Buttons whose caption wraps within the button's own size, as multi-line
// buttons of the designed dialogs need: longer captions keep to their place.

class WrappingPushButton final : public QPushButton
{
public:
    WrappingPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

class WrappingCheckBox final : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

class WrappingRadioButton final : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

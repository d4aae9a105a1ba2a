#pragma once

#include <QScrollBar>

// The small up/down arrows beside a number of the options dialog. Their value
// runs opposite to the number, so that the upper arrow makes it larger: number =
// top - value. A screen reader meets them as a spin button holding the number.
class NumberArrows final : public QScrollBar
{
    Q_OBJECT

public:
    explicit NumberArrows(QWidget* parent = nullptr);

    // The numbers then run from top - maximum() to top - minimum().
    void setTop(int top) { top_ = top; }

    int number() const { return top_ - value(); }
    void setNumber(int number) { setValue(top_ - number); }
    int lowestNumber() const { return top_ - maximum(); }
    int highestNumber() const { return top_ - minimum(); }

private:
    int top_ = 0;
};

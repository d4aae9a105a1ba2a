#pragma once

#include <QPointer>
#include <QWidget>

// The board's focus ring: a thick line in the selection's colour on a white
// edge around whichever control of the board has the keyboard focus, so that
// it shows on the snow, on the dark ground and on every picture alike. Most
// of the board's controls are pictures, on which the style draws no focus.
class FocusMarker : public QWidget
{
    Q_OBJECT

public:
    explicit FocusMarker(QWidget* board);

    // The control the ring surrounds now, if any.
    QWidget* marked() const { return marked_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mark(QWidget* focused);
    void place();

    QPointer<QWidget> marked_;
};

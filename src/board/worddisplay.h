#pragma once

#include "game/boardview.h"

#include <QWidget>

// The word in play as a screen reader reads it: one piece of text over the
// letter fields, with the letters found so far and a spoken placeholder for
// each one still to guess ("H, blank, U, S"). It draws nothing itself; Tab
// reaches it, and the board's focus ring shows where it is.
class WordDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit WordDisplay(QWidget* parent = nullptr);

    // The fields dealt so far, read out in the current language.
    static QString spoken(const BoardView& view);

    const QString& text() const { return text_; }
    // Tells a screen reader when the text changes.
    void setText(const QString& text);

private:
    QString text_;
};

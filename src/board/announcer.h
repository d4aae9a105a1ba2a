#pragma once

#include "game/boardview.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>

// Tells a screen reader what happens in play as it happens: a guess right or
// wrong, the turn passing, a word dealt, won or lost, a game won.
//
// Qt 6.4 has no announcement of its own, and a screen reader speaks changes of
// name, value or text only for the control that has the focus. It speaks a
// notification, though, whenever one shows: this is one, drawing nothing,
// shown anew and named by the news each time the event loop has brought some.
// What one moment brings is told in one piece, after the moment's changes of
// focus, so that neither cuts the other short.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent = nullptr);

    // The players' names and how many play, as the board shows them.
    void follow(const BoardView& view);

    void wordDealt(int lettersToGuess);
    void hintGiven(const QString& letter);
    void guessed(const QString& letter, bool right);
    void turnPassed(int player);
    void wordWon(int player, const QString& word);
    void wordLost(const QString& word, bool solutionShown);
    void gameWon(int player);

private:
    void tell(const QString& sentence);
    void announce();
    QString name(int player) const;

    QStringList news_; // not yet told
    QTimer moment_;
    std::array<QString, BoardView::kPlayers> names_;
    int players_ = 1;
};

#pragma once

#include "game/boardview.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>

class Announcer;
class ClickableImage;
class FocusMarker;
class QLabel;
class WordDisplay;
class QPushButton;
class QToolButton;

// The game board: every element of the game window's inner area, placed by the
// layout pass from the window's size. What the elements show comes from the
// game as a BoardView; the board reports clicks as signals.
class Board : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kKeys = BoardView::kKeys; // alphabet keys 0 to 28
    static constexpr int kToolButtons = toolbar::kStripButtons;
    static constexpr int kFlags = 7;
    static constexpr int kPlayers = BoardView::kPlayers;
    static constexpr int kMarksPerPlayer = 8;

    explicit Board(QWidget* parent = nullptr);

    // The alphabet's drawing order and the letters' places on the line.
    void loadAlpha();

    // Applies the background and the score symbols of `motif`.
    void Motiv_Wahl(int motif, bool backgroundShown);

    // The layout pass; `wordLength` is the length of the word in play.
    void positionieren(int wordLength, int players);

    // Shows the game as `view` describes it.
    void show(const BoardView& view);

    // Names the controls for screen readers in the current language.
    void applyLanguage();

    // The controls as a screen reader lists them and Tab visits those that take
    // the focus: the players with their points, the picture, the word, Next
    // word, the alphabet, the toolbar, the flags, and what play announces. The
    // rest is decoration: the clothesline, the toolbar's strip, the letter
    // fields (the word reads them) and the used marks (a used key is
    // unavailable).
    QWidgetList readingOrder() const;

    int fieldPitch() const;

    // Width left for the letter fields: the inner width without the toolbar strip.
    int availableWidth() const;

    // A name as the player's label shows it: cut to the label's width in the
    // 12 point font, names shorter than ten characters never.
    QString shownName(int player) const;
    static QString fitName(const QString& name, const QFont& font, int width);

    ClickableImage* key(int index) const { return imgAlpha.at(index); }
    QLabel* usedMark(int index) const { return imgDisabled.at(index); }
    QLabel* field(int index) const { return Feld.value(index, nullptr); }
    int fieldCount() const { return static_cast<int>(shown_.fields.size()); }
    QLabel* picture() const { return B_Folge; }
    QLabel* playerLabel(int player) const { return Spieler.at(player); }
    QLabel* scoreMark(int index) const { return Punkt.at(index); }
    QToolButton* toolButton(int index) const { return PicBut.at(index); }
    QPushButton* nextWordButton() const { return nextWord_; }
    ClickableImage* flag(int index) const { return imgLang.at(index); }
    QLabel* clothesline() const { return imgLeine; }
    QLabel* toolbarStrip() const { return lblToolbar; }
    WordDisplay* word() const { return word_; }
    Announcer* announcer() const { return announcer_; }
    FocusMarker* focusMarker() const { return focusMarker_; }

signals:
    void keyClicked(int index);
    void toolButtonClicked(int index);
    void flagClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createToolbar();
    void createPlayers();
    void createAlphabet();
    void posAlpha();
    void placeToolbar(int width, int height);
    void placePlayers(int players);
    void placeClothesline(int width, int height);
    void placeFields(int width, int wordLength);
    void placeScoreMarks();

    void showKeys(const BoardView& view);
    void showFields(const BoardView& view);
    void showPicture(const BoardView& view);
    void showToolbar(const BoardView& view);
    void showPlayers(const BoardView& view);
    void growFieldPool(int length);
    void dealFields(int length);
    QPixmap fieldPicture(int look, QChar character) const;
    void setPlayerColours(int player, bool onTurn);
    void placeWord(int length);
    void nameControls(const BoardView& view, bool all);
    void namePlayers(const BoardView& view);

    QLabel* lblToolbar = nullptr;
    std::array<QToolButton*, kToolButtons> PicBut{};
    QPushButton* nextWord_ = nullptr; // PicBut 9
    std::array<ClickableImage*, kFlags> imgLang{};
    QLabel* B_Folge = nullptr;
    QLabel* lblNamen = nullptr;
    std::array<QLabel*, kPlayers> Spieler{};
    std::array<QLabel*, kPlayers * kMarksPerPlayer> Punkt{};
    QLabel* imgLeine = nullptr;
    std::array<ClickableImage*, kKeys> imgAlpha{};
    std::array<QLabel*, kKeys> imgDisabled{};
    // Feld 0 is the hidden template. The pool only grows: a field is never
    // deleted, so no code suspended in a wait can be left holding a dead one.
    QList<QLabel*> Feld;
    WordDisplay* word_ = nullptr;
    Announcer* announcer_ = nullptr;
    FocusMarker* focusMarker_ = nullptr;

    std::array<int, kKeys> AlphaOffsetX{};
    std::array<int, kKeys> AlphaOffsetY{};

    BoardView shown_; // what the board shows now
    bool shownOnce_ = false;
    struct FieldLook
    {
        int look = BoardView::kEmpty;
        QChar character; // for kOwnGlyph

        bool operator==(const FieldLook&) const = default;
    };
    QList<FieldLook> fieldLooks_; // what each field of the pool shows
    QPixmap background_;
    QColor backgroundColour_ = QColor(0, 0, 128);
};

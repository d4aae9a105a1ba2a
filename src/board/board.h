#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>

class ClickableImage;
class QLabel;
class QPushButton;
class QToolButton;

// The game board: every element of the game window's inner area, placed by the
// layout pass from the window's size. The game decides what the elements show.
class Board : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kKeys = 29; // alphabet keys 0 to 28
    static constexpr int kToolButtons = 5;
    static constexpr int kNextWordButton = 9;
    static constexpr int kFlags = 7;
    static constexpr int kPlayers = 4;
    static constexpr int kMarksPerPlayer = 8;

    explicit Board(QWidget* parent = nullptr);

    // The alphabet: keys 0 to 25 carry A to Z; 26 to 28 get the language's letters.
    void loadAlpha();

    // Keys 26 to 28 for the interface language: pictures, tags and visibility.
    void setLanguageLetters(int languageOffset);

    // Applies the picture set and background of `motif`, showing step `step`.
    void Motiv_Wahl(int motif, bool backgroundShown, int step);

    // The layout pass; `wordLength` is the length of the word in play.
    void positionieren(int wordLength, int players);

    // Shows a letter cell in letter field `index`, on the field's own ground.
    void setFieldLetter(int index, const QPixmap& letter);

    // Letter fields 1 to count for a new word, removing the previous ones.
    void createFields(int count);
    int fieldCount() const { return static_cast<int>(Feld.size()) - 1; }

    ClickableImage* key(int index) const { return imgAlpha.at(index); }
    QLabel* usedMark(int index) const { return imgDisabled.at(index); }
    QLabel* field(int index) const;
    QLabel* picture() const { return B_Folge; }
    QLabel* playerLabel(int player) const { return Spieler.at(player); }
    QLabel* scoreMark(int index) const { return Punkt.at(index); }
    QToolButton* toolButton(int index) const { return PicBut.at(index); }
    QPushButton* nextWordButton() const { return nextWord_; }
    ClickableImage* flag(int index) const { return imgLang.at(index); }
    QLabel* clothesline() const { return imgLeine; }
    QLabel* toolbarStrip() const { return lblToolbar; }

    // Width left for the letter fields: the inner width without the toolbar strip.
    int availableWidth() const;

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
    void placeToolbar(int width, int height);
    void placePlayers(int players);
    void placeClothesline(int width, int height);
    void placeFields(int width, int wordLength);
    void placeScoreMarks();

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
    QList<QLabel*> Feld; // Feld 0 is the hidden template

    QPixmap background_;
    QColor backgroundColour_ = QColor(0, 0, 128);
};

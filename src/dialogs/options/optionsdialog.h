#pragma once

#include "dialogs/options/passwordlock.h"

#include <QDialog>

#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class NumberArrows;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace Ui {
class OptionsDialog;
}

// What the options dialog hands back when it closes.
struct OptionsOutcome
{
    bool restartRequested = false; // a change asks for a new game
    // The game's word list from now on, when the vocabulary editor replaced it.
    std::optional<QStringList> wordList;
};

// Shows the options dialog modally. It changes the settings record in place and
// writes the settings file on OK. `fieldWidth` is the width of one letter field
// of the board, which bounds the entries of the vocabulary editor.
OptionsOutcome showOptionsDialog(int fieldWidth, QWidget* parent);

// The options dialog. Its controls write their settings the moment they are
// used; OK writes the section "Einstellungen" to the settings file. Closing it
// any other way keeps the changes for this run without writing them.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPlayers = 4;
    static constexpr int kNumbers = 3; // players, hints, minimum word length
    static constexpr int kMotifs = 5;

    explicit OptionsDialog(int fieldWidth, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    const OptionsOutcome& outcome() const { return outcome_; }

    NumberArrows* arrows(int index) const { return vsczahl.at(index); }
    QLabel* number(int index) const { return Zahl.at(index); }
    QLineEdit* nameBox(int player) const { return Spieler_Name.at(player); }
    QRadioButton* repeatButton(int index) const { return wiederh.at(index); }
    QCheckBox* showSolutionBox() const;
    QCheckBox* removeLettersBox() const;
    QCheckBox* backgroundBox() const;
    QListWidget* motifList() const;
    QListWidget* fileList() const;
    QPushButton* editButton() const;
    QPushButton* passwordButton() const;
    QPushButton* okButton() const;

protected:
    void changeEvent(QEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareControls();
    void connectControls();

    void Form_Load();
    void Form_Activate();
    void nameForScreenReaders();
    void cmdOK_Click();
    void EditButt_Click();
    void Password_Click();
    void vscZahl_Change(int index);

    void Motiv_Click(int row);
    void wortsch_Click(int row);
    void wiederh_Click(int index);
    void enableNameBoxes();
    void storeName(int player);
    void storeFocusedName();
    void fillFileList();
    int rowOf(const QString& fileName) const;
    void selectFileQuietly(int row);
    void requestRestart();

    int fieldWidth_;
    OptionsOutcome outcome_;
    PasswordLock lock_;

    // The controls as optionsdialog.ui lays them out: at places measured for
    // captions in an 8 point font, Tab running down the left column, then down
    // the right one to OK.
    std::unique_ptr<Ui::OptionsDialog> ui_;
    // The numbered ones once more, to be taken by their number.
    std::array<QLabel*, kNumbers> Zahl{};
    std::array<NumberArrows*, kNumbers> vsczahl{};
    std::array<QLineEdit*, kPlayers> Spieler_Name{};
    std::array<QRadioButton*, 2> wiederh{};
};

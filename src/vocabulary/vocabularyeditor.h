#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class QCollator;
class QListWidgetItem;
class QWidget;

namespace Ui {
class VocabularyEditor;
}

// What the editor hands back when it closes.
struct EditorOutcome
{
    // The game's word list from now on, when OK or Save replaced it.
    std::optional<QStringList> wordList;
    bool restartRequested = false; // the edits ask for a new game
};

// Shows the vocabulary editor modally for the file named by the Datei setting of
// the current language. `fieldWidth` is the width of one letter field of the
// board, which bounds how long an entry may be.
EditorOutcome showVocabularyEditor(int fieldWidth, QWidget* parent);

// The editor's changed mark. Add and Delete set it, Save and Cancel clear it; it
// outlives the dialog, so a later OK still asks about changes nobody saved.
bool& EditorDirty();

// How many characters an entry may have so that one row of letter fields holds
// it across the screen. A field width of 0 is a Division by zero error.
int maxEntryLength(int screenWidthPixels, int fieldWidth);

// The vocabulary editor: the entries of one file in a sorted list, an entry box
// to add new ones, and commands to delete, start a new file and save.
class VocabularyEditor : public QDialog
{
    Q_OBJECT

public:
    explicit VocabularyEditor(int fieldWidth, QWidget* parent = nullptr);
    ~VocabularyEditor() override;

    // The list's entries in list order.
    QStringList entries() const;

    const EditorOutcome& outcome() const { return outcome_; }

    // Cancel and Esc: the changes are dropped.
    void reject() override;

protected:
    // The Delete key in the list deletes the selected entries.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareControls();
    void connectControls();
    void Form_Load();
    void List1_Ini();
    void fillList(const QStringList& entries);
    void removeSelectedEntries();
    QListWidgetItem* addEntry(const QString& text);
    void Hinzuf_Click();
    void Loesch_Click();
    void cmdNeu_Click();
    void Speichern_Click();
    void OK_Click();
    bool mayReplaceUnreadFile();

    int fieldWidth_;
    EditorOutcome outcome_;
    std::unique_ptr<QCollator> collator_;
    // Entries of a file longer than a list: not shown, but saved with the rest.
    QStringList beyondLimit_;
    // Something stands at the file's name that could not be read, so the list
    // does not show what saving would replace.
    bool unreadFile_ = false;

    // The controls as vocabularyeditor.ui lays them out.
    std::unique_ptr<Ui::VocabularyEditor> ui_;
};

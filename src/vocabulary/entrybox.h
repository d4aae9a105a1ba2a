#pragma once

#include <QLineEdit>
#include <QString>

// Whether a typed character may enter an entry: its capital is a letter the board
// can show, an apostrophe or a hyphen; blanks and control characters pass too.
bool isEntryCharacter(QChar typed);

// The vocabulary editor's entry box: a typed character that no entry may hold
// never reaches it, and whatever arrives another way (pasted, dropped, composed)
// is cleared of such characters too.
class EntryBox final : public QLineEdit
{
public:
    explicit EntryBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void dropForeignCharacters();

    QString previous_;
};

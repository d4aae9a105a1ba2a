#pragma once

#include <QString>

class QWidget;

// The one key under which the password is scrambled, wherever that happens.
inline const QString kPasswordKey = QStringLiteral("5.83");

// Scrambles the text in place: every Windows-1252 code becomes the exclusive or of
// itself and the key's code at the same position, the key repeating. The same call
// restores the text. An empty key is reported and leaves the text as it is.
void Encrypt(QString& text, const QString& key);

// The value of "passw" is the scrambled password in which every code that stands
// for no visible character (controls, 127 and the five codes without a character
// of their own) is replaced by a printable code that scrambling never yields at that position, the
// whole enclosed in quotes when it begins or ends with a blank or a quote. It reads back at the
// password's length (hexadecimal would halve the longest password the file
// returns), and a value an older version stored as it stands reads the same way.
QString toStoredForm(const QString& password);
QString fromStoredForm(const QString& value);

// The password as the settings file gives it back: Windows-1252 characters only,
// and no more than the longest value the file returns.
QString readBack(const QString& password);

QString readStoredPassword();
void storePassword(const QString& password);

// The options dialog's guard in front of the vocabulary editor and its password
// button. It holds the current password in plain text.
class PasswordLock
{
public:
    // Reads the stored password into the field (the dialog's loading).
    void load();
    const QString& password() const { return password_; }

    // Asks for the password unless there is none; true when the editor may open.
    bool check(QWidget* parent);

    // Asks for the old password, then for the new one twice, and stores it at once.
    void change(QWidget* parent);

private:
    bool askOldPassword(QWidget* parent);
    QString askNewPassword(QWidget* parent);
    bool matches(const QString& typed) const;

    QString password_;
};

#pragma once

#include <QString>

class QWidget;

// Message and input boxes. The game asks all its questions through this
// interface, so that tests can answer them from a script.
class Dialogs
{
public:
    enum class Buttons
    {
        Ok,
        OkCancel,
        YesNo
    };
    enum class Icon
    {
        None,
        Question,
        Information
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Yes,
        No
    };

    virtual ~Dialogs() = default;

    virtual Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                              const QString& title) = 0;

    // The typed text; Cancel gives the empty text.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title) = 0;
};

class QtDialogs final : public Dialogs
{
public:
    Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
};

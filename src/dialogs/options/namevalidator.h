#pragma once

#include <QValidator>

// A player name as the settings file keeps it: characters that Windows-1252
// holds and no control characters. Whatever else arrives, typed, pasted or
// dropped, is left out, so that a name reads back after a restart as it was
// typed.
class NameValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

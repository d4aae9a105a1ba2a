#include "namevalidator.h"

#include "files/cp1252.h"

namespace {

bool isStorable(QChar c)
{
    return c.category() != QChar::Other_Control && cp1252::canEncode(QString(c));
}

} // namespace

QValidator::State NameValidator::validate(QString& input, int& position) const
{
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!isStorable(input[i]))
            continue;
        kept.append(input[i]);
        if (i < position)
            ++keptBeforeCursor;
    }
    input = kept;
    position = keptBeforeCursor;
    return Acceptable;
}

#include "entrybox.h"

#include "errors/errorscope.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

// The accented capitals the board's letter sheet holds.
constexpr std::array<char16_t, 23> kAccentedCapitals = {
    u'Ä', u'Ö', u'Ü', u'Å', u'Ñ', u'Ç', u'Õ', u'Ã', u'Á', u'À', u'Â', u'É',
    u'È', u'Ê', u'Í', u'Ì', u'Î', u'Ó', u'Ò', u'Ô', u'Ú', u'Ù', u'Û'};

// The part of `now` that an edit put in place of part of `before`: what lies
// between the longest common beginning and the longest common end.
struct Insertion
{
    qsizetype start;
    qsizetype length;
};

Insertion insertedPart(const QString& before, const QString& now)
{
    const qsizetype shorter = std::min(before.size(), now.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    return {prefix, now.size() - prefix - suffix};
}

// Control characters only make sense as keys; inside an entry they would break
// its line in the file.
QString entryCharactersOf(QStringView inserted)
{
    QString kept;
    for (const QChar c : inserted) {
        if (c >= u' ' && isEntryCharacter(c))
            kept.append(c);
    }
    return kept;
}

} // namespace

bool isEntryCharacter(QChar typed)
{
    const char16_t code = typed.unicode();
    if (code <= u' ')
        return true;
    // Outside Latin-1 a letter may turn into one of ours only as a capital (the
    // dotless i, the long s), and the file could not hold it.
    if (code > 0xFF)
        return false;
    const char16_t capital = typed.toUpper().unicode();
    return (capital >= u'A' && capital <= u'Z') || capital == u'\'' || capital == u'-' ||
           std::ranges::find(kAccentedCapitals, capital) != kAccentedCapitals.end();
}

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { dropForeignCharacters(); });
    connect(this, &QLineEdit::textChanged, this, [this] { previous_ = text(); });
}

void EntryBox::keyPressEvent(QKeyEvent* event)
{
    bool accepted = true;
    ErrorScope::run(modules::frmEditor, "Text1_KeyPress", [&] {
        const QString typed = event->text();
        // Keys such as Delete carry a character that is not typed text.
        accepted = typed.size() != 1 || !typed[0].isPrint() || isEntryCharacter(typed[0]);
    });
    if (accepted)
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

void EntryBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Selects from the caret to the end, the caret staying where it is, so
    // that typing replaces the text when the caret stands at its start.
    const int caret = cursorPosition();
    const int length = static_cast<int>(text().size());
    if (caret < length)
        setSelection(length, caret - length);
}

void EntryBox::dropForeignCharacters()
{
    const QString now = text();
    const Insertion inserted = insertedPart(previous_, now);
    const QString kept = entryCharactersOf(QStringView(now).mid(inserted.start, inserted.length));
    if (kept.size() == inserted.length)
        return;
    setText(now.left(inserted.start) + kept + now.mid(inserted.start + inserted.length));
    setCursorPosition(static_cast<int>(inserted.start + kept.size()));
}

#include "worddisplay.h"

#include "board/pictures.h"
#include "frame/languagetable.h"

#include <QAccessibleWidget>

#include <mutex>

namespace {

constexpr int kBlank = 411; // a letter still to guess
constexpr int kSpace = 412;
constexpr int kApostrophe = 413;
constexpr int kHyphen = 414;

// Read-only text: a screen reader speaks its name and then the word.
class WordText final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit WordText(WordDisplay* display) : QAccessibleWidget(display, QAccessible::EditableText)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return word();
        return QAccessibleWidget::text(kind);
    }

    QString text(int startOffset, int endOffset) const override
    {
        if (endOffset < 0 || endOffset > characterCount())
            endOffset = characterCount();
        return word().mid(startOffset, std::max(0, endOffset - startOffset));
    }
    int characterCount() const override { return static_cast<int>(word().size()); }

    // Nothing to select or edit, and the caret stays at the start.
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QString& word() const { return static_cast<const WordDisplay*>(widget())->text(); }
};

QAccessibleInterface* wordTextOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(WordDisplay::staticMetaObject.className()))
        return new WordText(static_cast<WordDisplay*>(object));
    return nullptr;
}

QString spokenField(int look, QChar character)
{
    switch (look) {
    case BoardView::kGap:
        return language::text(kSpace);
    case BoardView::kEmpty:
        return language::text(kBlank);
    case pictures::kApostropheCell:
        return language::text(kApostrophe);
    case pictures::kHyphenCell:
        return language::text(kHyphen);
    default:
        return character.isNull() ? QString() : QString(character);
    }
}

} // namespace

WordDisplay::WordDisplay(QWidget* parent) : QWidget(parent)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&wordTextOf); });
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

QString WordDisplay::spoken(const BoardView& view)
{
    QStringList fields;
    const qsizetype dealt = std::min<qsizetype>(view.fieldsDealt, view.fields.size());
    for (qsizetype i = 0; i < dealt; ++i) {
        const QChar character = i < view.word.size() ? view.word.at(i) : QChar();
        fields.append(spokenField(view.fields.at(i), character));
    }
    return fields.join(QStringLiteral(", "));
}

void WordDisplay::setText(const QString& text)
{
    if (text == text_)
        return;
    const QString before = std::exchange(text_, text);
    QAccessibleTextUpdateEvent event(this, 0, before, text_);
    QAccessible::updateAccessibility(&event);
}

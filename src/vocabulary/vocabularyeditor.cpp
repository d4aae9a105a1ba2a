#include "vocabularyeditor.h"
#include "ui_vocabularyeditor.h"

#include "desktop/dialogs.h"
#include "desktop/screenmetrics.h"
#include "desktop/services.h"
#include "errors/errorscope.h"
#include "files/regularfile.h"
#include "frame/interfacelanguage.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "vocabulary/vocabularyfile.h"
#include "widgets/focusring.h"

#include <QCollator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTitleMessage = 151;
constexpr int kSaveChangesMessage = 152;
constexpr int kAddMessage = 153;
constexpr int kDeleteMessage = 154;
constexpr int kSaveMessage = 155;
constexpr int kCancelMessage = 156;
constexpr int kNewFileMessage = 179;
constexpr int kOverwriteMessage = 180;
constexpr int kNewFileNameMessage = 181;
constexpr int kEntryBoxName = 401;
constexpr int kListName = 402;
constexpr int kUnreadFileMessage = 460;
constexpr int kReplaceUnreadFileMessage = 461;

const QString kFileExtension = QStringLiteral(".dat");

QString text(int number)
{
    return language::text(number);
}

QLocale interfaceLocale()
{
    const QLocale::Language spoken =
        interfacelanguage::localeLanguage(language::LanguageOffset() / 1000);
    return spoken == QLocale::AnyLanguage ? QLocale() : QLocale(spoken);
}

// A list entry that sorts by the collation of the interface language, with its
// sort key made once.
class EntryItem final : public QListWidgetItem
{
public:
    static constexpr int kType = QListWidgetItem::UserType + 1;

    EntryItem(const QString& text, const QCollator& collator)
        : QListWidgetItem(text, nullptr, kType), key_(collator.sortKey(text))
    {}

    bool operator<(const QListWidgetItem& other) const override
    {
        if (other.type() != kType)
            return QListWidgetItem::operator<(other);
        return key_.compare(static_cast<const EntryItem&>(other).key_) < 0;
    }

private:
    QCollatorSortKey key_;
};

// List rows a little taller than a line of the list's font, so that the first
// row stands clear of the border and accents clear of the row above.
class SpacedRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rheight() += option.fontMetrics.height() / 4;
        return size;
    }
};

} // namespace

bool& EditorDirty()
{
    static bool dirty = false;
    return dirty;
}

int maxEntryLength(int screenWidthPixels, int fieldWidth)
{
    if (fieldWidth == 0)
        throw RunTimeError(RunTimeError::DivisionByZero);
    return screenWidthPixels / fieldWidth;
}

EditorOutcome showVocabularyEditor(int fieldWidth, QWidget* parent)
{
    VocabularyEditor editor(fieldWidth, parent);
    editor.exec();
    return editor.outcome();
}

VocabularyEditor::VocabularyEditor(int fieldWidth, QWidget* parent)
    : QDialog(parent), fieldWidth_(fieldWidth),
      // The interface language's collation puts accented letters beside their
      // base letters (Swedish, as its readers expect, puts Å, Ä and Ö after Z).
      collator_(std::make_unique<QCollator>(interfaceLocale())),
      ui_(std::make_unique<Ui::VocabularyEditor>())
{
    setObjectName(modules::frmEditor);
    ui_->setupUi(this);
    prepareControls();
    connectControls();
    keepFocusVisible(this);
    Form_Load();
}

VocabularyEditor::~VocabularyEditor() = default;

void VocabularyEditor::prepareControls()
{
    // The entry box is as tall as its font needs, accents on capitals included;
    // the list below it gives up what the box takes beyond its height in the form.
    QLineEdit* entry = ui_->Text1;
    const int growth = std::max(0, entry->sizeHint().height() - entry->height());
    entry->resize(entry->width(), entry->height() + growth);
    ui_->List1->setGeometry(ui_->List1->geometry().adjusted(0, growth, 0, 0));
    ui_->List1->setItemDelegate(new SpacedRows(ui_->List1));
}

void VocabularyEditor::connectControls()
{
    connect(ui_->Hinzuf, &QPushButton::clicked, this, &VocabularyEditor::Hinzuf_Click);
    connect(ui_->Loesch, &QPushButton::clicked, this, &VocabularyEditor::Loesch_Click);
    connect(ui_->cmdNeu, &QPushButton::clicked, this, &VocabularyEditor::cmdNeu_Click);
    connect(ui_->Speichern, &QPushButton::clicked, this, &VocabularyEditor::Speichern_Click);
    connect(ui_->OK, &QPushButton::clicked, this, &VocabularyEditor::OK_Click);
    connect(ui_->Abbruch, &QPushButton::clicked, this, &VocabularyEditor::reject);

    connect(ui_->List1, &QListWidget::itemSelectionChanged, this, [this] {
        ErrorScope::run(modules::frmEditor, "List1_Click", [&] {
            if (!ui_->List1->selectedItems().isEmpty())
                ui_->Loesch->setEnabled(true);
        });
    });
    connect(ui_->List1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ErrorScope::run(modules::frmEditor, "List1_DblClick",
                        [&] { ui_->Text1->setText(item->text()); });
    });
    ui_->List1->installEventFilter(this);
}

bool VocabularyEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->List1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete) &&
        !ui_->List1->selectedItems().isEmpty()) {
        Loesch_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void VocabularyEditor::Form_Load()
{
    ErrorScope::run(modules::frmEditor, "Form_Load", [&](ErrorScope& scope) {
        const int screenWidth = screenmetrics::screenSizeInPixels().width();
        const int limit = scope.attempt([&] { return maxEntryLength(screenWidth, fieldWidth_); });
        // A limit of 0 means none, as the entry box has always taken it.
        if (limit > 0)
            ui_->Text1->setMaxLength(limit);

        const QString& datei = settings().Datei;
        setWindowTitle(datei.isEmpty() ? text(kTitleMessage) : datei);

        ui_->Hinzuf->setText(text(kAddMessage));
        ui_->Loesch->setText(text(kDeleteMessage));
        ui_->cmdNeu->setText(text(kNewFileMessage));
        ui_->Speichern->setText(text(kSaveMessage));
        ui_->Abbruch->setText(text(kCancelMessage));
        // Neither has a label on the screen.
        ui_->Text1->setAccessibleName(text(kEntryBoxName));
        ui_->List1->setAccessibleName(text(kListName));

        List1_Ini();
    });
}

void VocabularyEditor::List1_Ini()
{
    const vocabularyfile::EditEntries read = vocabularyfile::readForEditing();
    beyondLimit_ = read.beyondLimit;
    unreadFile_ = read.unreadable;
    fillList(read.entries);
}

void VocabularyEditor::fillList(const QStringList& entries)
{
    QListWidget* list = ui_->List1;
    list->clear();
    // Sorting once after filling is far quicker than sorting each entry in.
    list->setSortingEnabled(false);
    for (const QString& entry : entries)
        list->addItem(new EntryItem(entry, *collator_));
    list->setSortingEnabled(true);
    list->sortItems(Qt::AscendingOrder);
}

// Deleting the entries one by one takes time that grows with the square of
// their number; building the list again from the rest does not.
void VocabularyEditor::removeSelectedEntries()
{
    QListWidget* list = ui_->List1;
    std::vector<bool> selected(list->count(), false);
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        selected[index.row()] = true;
    QStringList kept;
    int firstRemoved = -1;
    for (int row = 0; row < list->count(); ++row) {
        if (!selected[row])
            kept.append(list->item(row)->text());
        else if (firstRemoved < 0)
            firstRemoved = row;
    }
    fillList(kept);
    if (firstRemoved >= 0 && list->count() > 0)
        list->scrollToItem(list->item(std::min(firstRemoved, list->count() - 1)));
}

QListWidgetItem* VocabularyEditor::addEntry(const QString& text)
{
    auto* item = new EntryItem(text, *collator_);
    ui_->List1->addItem(item);
    return item;
}

QStringList VocabularyEditor::entries() const
{
    const QListWidget* list = ui_->List1;
    QStringList texts;
    texts.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

void VocabularyEditor::Hinzuf_Click()
{
    ErrorScope::run(modules::frmEditor, "Hinzuf_Click", [&] {
        const QString entry = ui_->Text1->text();
        if (!entry.isEmpty()) {
            if (ui_->List1->count() >= vocabularyfile::kMaxEntries)
                throw RunTimeError(RunTimeError::Overflow);
            ui_->List1->scrollToItem(addEntry(entry));
            ui_->Text1->clear();
        }
        EditorDirty() = true;
        ui_->Text1->setFocus();
    });
}

void VocabularyEditor::Loesch_Click()
{
    ErrorScope::run(modules::frmEditor, "Loesch_Click", [&] {
        removeSelectedEntries();
        ui_->Loesch->setEnabled(false);
        EditorDirty() = true;
        ui_->List1->setFocus();
    });
}

void VocabularyEditor::cmdNeu_Click()
{
    ErrorScope::run(modules::frmEditor, "cmdNeu_Click", [&] {
        Dialogs& dialogs = services::dialogs();
        QString name = dialogs.inputBox(this, text(kNewFileNameMessage), text(kNewFileMessage));
        if (!name.endsWith(kFileExtension))
            name += kFileExtension;
        // A name that could reach outside the language folder counts as no name.
        if (!vocabularyfile::isPlainFileName(name))
            return;
        const QString path = vocabularyfile::resolvePath(language::LanguageOffset(), name);
        // A link at the name counts: saving replaces it.
        if (regularfile::existsAtName(path) &&
            dialogs.messageBox(this, text(kOverwriteMessage), Dialogs::Buttons::YesNo,
                               Dialogs::Icon::Question,
                               text(kNewFileMessage)) == Dialogs::Answer::No)
            return;
        if (name.size() > kFileExtension.size()) {
            settings().Datei = name;
            ui_->List1->clear();
            beyondLimit_.clear();
            unreadFile_ = false; // whatever stands there, replacing it was agreed
            ui_->Loesch->setEnabled(false);
        }
    });
}

void VocabularyEditor::Speichern_Click()
{
    ErrorScope::run(modules::frmEditor, "Speichern_Click", [&] {
        const QStringList list = entries();
        if (!mayReplaceUnreadFile())
            return;
        // The entries past the list's limit go back into the file unchanged.
        // A failed write has been reported; the changes are still unsaved.
        if (!vocabularyfile::write(list + beyondLimit_))
            return;
        unreadFile_ = false;
        outcome_.wordList = list;
        EditorDirty() = false;
        outcome_.restartRequested = true;
    });
}

// A file the editor could not read is not in its list: saving would lose it
// unless the user says so.
bool VocabularyEditor::mayReplaceUnreadFile()
{
    if (!unreadFile_)
        return true;
    return services::dialogs().messageBox(this,
                                          text(kUnreadFileMessage) + QStringLiteral("\r\n") +
                                              text(kReplaceUnreadFileMessage),
                                          Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                                          settings().Datei) == Dialogs::Answer::Yes;
}

void VocabularyEditor::OK_Click()
{
    ErrorScope::run(modules::frmEditor, "OK_Click", [&] {
        outcome_.wordList = entries();
        if (EditorDirty()) {
            const Dialogs::Answer answer = services::dialogs().messageBox(
                this, text(kSaveChangesMessage), Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                settings().Datei);
            if (answer == Dialogs::Answer::Yes)
                Speichern_Click();
            outcome_.restartRequested = true;
        }
    });
    accept();
}

void VocabularyEditor::reject()
{
    ErrorScope::run(modules::frmEditor, "Abbruch_Click", [&] {
        EditorDirty() = false;
        QDialog::reject();
    });
}

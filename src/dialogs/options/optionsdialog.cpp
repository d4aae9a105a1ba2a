#include "optionsdialog.h"
#include "ui_optionsdialog.h"

#include "dialogs/options/namevalidator.h"
#include "dialogs/options/numberarrows.h"
#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "vocabulary/vocabularyeditor.h"
#include "vocabulary/vocabularyfile.h"
#include "widgets/accessibility.h"
#include "widgets/focusring.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kTitle = 101;
constexpr int kShowSolution = 102;
constexpr int kWordsNotGuessed = 104;
constexpr int kAllWords = 105;
constexpr int kPictureLabel = 106;
constexpr int kVocabularyLabel = 107;
constexpr int kRepeatLabel = 108;
constexpr int kNamesLabel = 109;
constexpr int kHintsLabel = 110;
constexpr int kPlayersLabel = 111;
constexpr int kEditVocabulary = 113;
constexpr int kMinimumLengthLabel = 145;
constexpr int kChangePassword = 157;
constexpr int kBackground = 173;
constexpr int kRemoveLetters = 183;
constexpr int kFirstMotif = 201;
constexpr int kPlayerNameBox = 400;

// The arrows run opposite to the number they show, so that the upper arrow
// makes the number larger: number = top - value.
struct ArrowRange
{
    int top;
    int lowestValue;
    int highestValue;
};

constexpr std::array<ArrowRange, OptionsDialog::kNumbers> kArrowRanges{{
    {4, 0, 3},  // players 1 to 4
    {3, 0, 3},  // hints 0 to 3
    {11, 1, 10} // minimum word length 1 to 10
}};

qint16& numberSetting(int index)
{
    Settings& record = settings();
    switch (index) {
    case 0:
        return record.Anzahl;
    case 1:
        return record.Tipps;
    default:
        return record.minLen;
    }
}

qint16 clamped(qint16 value, int lowest, int highest)
{
    return static_cast<qint16>(std::clamp<int>(value, lowest, highest));
}

// A hand-edited settings file can hold values no control can show; each is taken
// to the nearest value the dialog offers. Older versions stored a ticked
// remove-letters box as -1.
void bringIntoDialogRange(Settings& record)
{
    for (int index = 0; index < OptionsDialog::kNumbers; ++index) {
        const ArrowRange& range = kArrowRanges.at(index);
        qint16& value = numberSetting(index);
        value = clamped(value, range.top - range.highestValue, range.top - range.lowestValue);
    }
    record.Motiv = clamped(record.Motiv, 0, OptionsDialog::kMotifs - 1);
    record.Wiederholung = clamped(record.Wiederholung, 0, 1);
    record.Anzeige = clamped(record.Anzeige, 0, 1);
    record.Remove = record.Remove == -1 ? qint16(1) : clamped(record.Remove, 0, 1);
    record.Bild = clamped(record.Bild, 0, 1);
}

} // namespace

OptionsOutcome showOptionsDialog(int fieldWidth, QWidget* parent)
{
    OptionsDialog dialog(fieldWidth, parent);
    dialog.exec();
    return dialog.outcome();
}

OptionsDialog::OptionsDialog(int fieldWidth, QWidget* parent)
    : QDialog(parent), fieldWidth_(fieldWidth), ui_(std::make_unique<Ui::OptionsDialog>())
{
    setObjectName(modules::frmOptions);
    ui_->setupUi(this);
    prepareControls();
    connectControls();
    keepFocusVisible(this);
    Form_Load();
    Form_Activate();
}

OptionsDialog::~OptionsDialog() = default;

QCheckBox* OptionsDialog::showSolutionBox() const
{
    return ui_->chkAnzeige;
}

QCheckBox* OptionsDialog::removeLettersBox() const
{
    return ui_->chkRemove;
}

QCheckBox* OptionsDialog::backgroundBox() const
{
    return ui_->chkHG;
}

QListWidget* OptionsDialog::motifList() const
{
    return ui_->Motiv;
}

QListWidget* OptionsDialog::fileList() const
{
    return ui_->wortsch;
}

QPushButton* OptionsDialog::editButton() const
{
    return ui_->EditButt;
}

QPushButton* OptionsDialog::passwordButton() const
{
    return ui_->Password;
}

QPushButton* OptionsDialog::okButton() const
{
    return ui_->cmdOK;
}

void OptionsDialog::prepareControls()
{
    Zahl = {ui_->Zahl0, ui_->Zahl1, ui_->Zahl2};
    vsczahl = {ui_->vsczahl0, ui_->vsczahl1, ui_->vsczahl2};
    Spieler_Name = {ui_->Spieler_Name0, ui_->Spieler_Name1, ui_->Spieler_Name2, ui_->Spieler_Name3};
    wiederh = {ui_->wiederh0, ui_->wiederh1};

    // The ranges come from the table that also turns the arrows' values into numbers.
    for (int index = 0; index < kNumbers; ++index) {
        const ArrowRange& range = kArrowRanges.at(index);
        vsczahl.at(index)->setRange(range.lowestValue, range.highestValue);
        vsczahl.at(index)->setTop(range.top);
    }
    for (QLineEdit* box : Spieler_Name) {
        box->installEventFilter(this);
        box->setValidator(new NameValidator(box));
    }
}

void OptionsDialog::connectControls()
{
    for (int index = 0; index < kNumbers; ++index) {
        connect(vsczahl.at(index), &NumberArrows::valueChanged, this,
                [this, index] { vscZahl_Change(index); });
    }
    for (QLineEdit* box : Spieler_Name)
        connect(box, &QLineEdit::textChanged, this, &OptionsDialog::requestRestart);
    for (int index = 0; index < 2; ++index) {
        connect(wiederh.at(index), &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                wiederh_Click(index);
        });
    }
    connect(ui_->chkAnzeige, &QCheckBox::toggled, this, [](bool ticked) {
        ErrorScope::run(modules::frmOptions, "chkAnzeige_Click",
                        [&] { settings().Anzeige = ticked ? 1 : 0; });
    });
    connect(ui_->chkRemove, &QCheckBox::toggled, this,
            [](bool ticked) { settings().Remove = ticked ? 1 : 0; });
    connect(ui_->chkHG, &QCheckBox::toggled, this,
            [](bool ticked) { settings().Bild = ticked ? 1 : 0; });

    connect(ui_->Motiv, &QListWidget::currentRowChanged, this, &OptionsDialog::Motiv_Click);
    connect(ui_->Motiv, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Motiv_Click(ui_->Motiv->row(item));
        cmdOK_Click();
    });
    // A file is chosen when it becomes selected (by a click or the arrow keys)
    // and when the one already selected is clicked; the list taking the focus
    // moves its current row without choosing anything.
    connect(ui_->wortsch, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = ui_->wortsch->selectedItems();
        if (!selected.isEmpty())
            wortsch_Click(ui_->wortsch->row(selected.first()));
    });
    connect(ui_->wortsch, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { wortsch_Click(ui_->wortsch->row(item)); });
    connect(ui_->wortsch, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        wortsch_Click(ui_->wortsch->row(item));
        cmdOK_Click();
    });

    connect(ui_->EditButt, &QPushButton::clicked, this, &OptionsDialog::EditButt_Click);
    connect(ui_->Password, &QPushButton::clicked, this, &OptionsDialog::Password_Click);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
}

void OptionsDialog::Form_Load()
{
    ErrorScope::run(modules::frmOptions, "Form_Load", [&](ErrorScope& scope) {
        Settings& record = settings();
        bringIntoDialogRange(record);

        for (int player = 0; player < kPlayers; ++player)
            Spieler_Name.at(player)->setText(record.names.at(player));
        enableNameBoxes();

        lock_.load();

        for (int motif = 0; motif < kMotifs; ++motif)
            ui_->Motiv->addItem(language::text(kFirstMotif + motif));
        ui_->Motiv->setCurrentRow(record.Motiv);

        record.Datei = settingsfile::GetIniString(
            settingsfile::kSettingsSection, settingsfile::vocabularyKey(language::LanguageOffset()),
            QString());
        fillFileList();
        // The file the game plays from, or none while it plays its built-in words.
        const int chosen =
            rowOf(vocabularyfile::fileInUse(language::LanguageOffset(), record.Datei));

        for (int index = 0; index < kNumbers; ++index) {
            vsczahl.at(index)->setNumber(numberSetting(index));
            // setNumber stays silent when the number does not change.
            Zahl.at(index)->setText(QString::number(numberSetting(index)));
        }

        ui_->chkAnzeige->setChecked(record.Anzeige == 1);
        ui_->chkRemove->setChecked(record.Remove == 1);
        wiederh.at(record.Wiederholung)->setChecked(true);
        ui_->chkHG->setChecked(record.Bild == 1);

        // With no file in use there is nothing to choose, and Datei stays.
        selectFileQuietly(chosen);
        if (chosen >= 0)
            wortsch_Click(chosen);

        outcome_.restartRequested = false;

        // Checked last, so that whatever the answer the dialog is filled and the
        // running game goes on.
        scope.attempt([] {
            if (!vocabularyfile::languageFolderExists(language::LanguageOffset()))
                throw RunTimeError(RunTimeError::PathNotFound);
        });
    });
}

void OptionsDialog::Form_Activate()
{
    ErrorScope::run(modules::frmOptions, "Form_Activate", [&] {
        setWindowTitle(language::text(kTitle));
        ui_->Label0->setText(language::text(kPlayersLabel));
        ui_->Label1->setText(language::text(kHintsLabel));
        ui_->Label2->setText(language::text(kNamesLabel));
        ui_->Label3->setText(language::text(kRepeatLabel));
        wiederh[0]->setText(language::text(kAllWords));
        wiederh[1]->setText(language::text(kWordsNotGuessed));
        ui_->chkAnzeige->setText(language::text(kShowSolution));
        ui_->chkRemove->setText(language::text(kRemoveLetters));
        ui_->lblHG->setText(language::text(kPictureLabel));
        ui_->chkHG->setText(language::text(kBackground));
        ui_->lblWortsch->setText(language::text(kVocabularyLabel));
        ui_->EditButt->setText(language::text(kEditVocabulary));
        ui_->Password->setText(language::text(kChangePassword));
        ui_->lblMinLen->setText(language::text(kMinimumLengthLabel));
        nameForScreenReaders();

        // The editor may have added a file; the chosen one stays chosen.
        fillFileList();
        selectFileQuietly(rowOf(settings().Datei));
    });
}

// The arrows and the buttons take their names from their labels and captions;
// the lists and the frames do not, and the name boxes share one label, which
// does not say whose name each box holds.
void OptionsDialog::nameForScreenReaders()
{
    using accessibility::withoutAccessKey;
    ui_->Frame1->setAccessibleName(withoutAccessKey(language::text(kPlayersLabel)));
    ui_->Frame2->setAccessibleName(language::text(kRepeatLabel));
    ui_->Frame3->setAccessibleName(withoutAccessKey(language::text(kPictureLabel)));
    ui_->Motiv->setAccessibleName(withoutAccessKey(language::text(kPictureLabel)));
    ui_->wortsch->setAccessibleName(withoutAccessKey(language::text(kVocabularyLabel)));
    for (int player = 0; player < kPlayers; ++player)
        Spieler_Name.at(player)->setAccessibleName(language::text(kPlayerNameBox).arg(player + 1));
}

void OptionsDialog::cmdOK_Click()
{
    ErrorScope::run(modules::frmOptions, "cmdOK_Click", [&] {
        storeFocusedName();
        const Settings& record = settings();
        const auto save = [](const QString& key, const QString& value) {
            settingsfile::SaveIni(settingsfile::kSettingsSection, key, value);
        };
        const auto saveNumber = [&](const QString& key, qint16 value) {
            save(key, settingsfile::numberText(value));
        };
        saveNumber(QStringLiteral("Anzahl"), record.Anzahl);
        saveNumber(QStringLiteral("Anzeige"), record.Anzeige);
        saveNumber(QStringLiteral("Wiederholung"), record.Wiederholung);
        saveNumber(QStringLiteral("Remove"), record.Remove);
        saveNumber(QStringLiteral("Tipps"), record.Tipps);
        saveNumber(QStringLiteral("minLen"), record.minLen);
        for (int player = 0; player < kPlayers; ++player)
            save(QStringLiteral("Spieler%1").arg(player + 1), record.names.at(player));
        save(settingsfile::vocabularyKey(language::LanguageOffset()), record.Datei);
        saveNumber(QStringLiteral("Motiv"), record.Motiv);
        saveNumber(QStringLiteral("Bild"), record.Bild);
        accept();
    });
}

void OptionsDialog::EditButt_Click()
{
    ErrorScope::run(modules::frmOptions, "EditButt_Click", [&] {
        if (!lock_.check(this))
            return;
        const EditorOutcome edited = showVocabularyEditor(fieldWidth_, this);
        if (edited.wordList)
            outcome_.wordList = edited.wordList;
        if (edited.restartRequested)
            requestRestart();
        fillFileList();
        selectFileQuietly(rowOf(settings().Datei));
        // The window manager may hand the focus to no window at all when the
        // editor and its last question close together.
        activateWindow();
        ui_->cmdOK->setFocus();
    });
}

void OptionsDialog::Password_Click()
{
    ErrorScope::run(modules::frmOptions, "Password_Click", [&] { lock_.change(this); });
}

void OptionsDialog::vscZahl_Change(int index)
{
    ErrorScope::run(modules::frmOptions, "vscZahl_Change", [&] {
        const qint16 shown = toInt16(vsczahl.at(index)->number());
        numberSetting(index) = shown;
        Zahl.at(index)->setText(QString::number(shown));
        if (index == 0)
            enableNameBoxes();
        requestRestart();
    });
}

void OptionsDialog::Motiv_Click(int row)
{
    if (row >= 0)
        settings().Motiv = static_cast<qint16>(row);
}

void OptionsDialog::wortsch_Click(int row)
{
    if (row < 0)
        return;
    settings().Datei = ui_->wortsch->item(row)->text();
    requestRestart();
}

void OptionsDialog::wiederh_Click(int index)
{
    settings().Wiederholung = static_cast<qint16>(index);
    requestRestart();
}

void OptionsDialog::enableNameBoxes()
{
    for (int player = 0; player < kPlayers; ++player)
        Spieler_Name.at(player)->setEnabled(player < settings().Anzahl);
}

void OptionsDialog::storeName(int player)
{
    settings().names.at(player) = Spieler_Name.at(player)->text();
}

// Enter, a double click or closing the window leave the name box that is being
// typed in without its losing the focus.
void OptionsDialog::storeFocusedName()
{
    for (int player = 0; player < kPlayers; ++player) {
        if (Spieler_Name.at(player) == focusWidget())
            storeName(player);
    }
}

void OptionsDialog::done(int result)
{
    storeFocusedName();
    QDialog::done(result);
}

void OptionsDialog::fillFileList()
{
    const QSignalBlocker quiet(ui_->wortsch);
    ui_->wortsch->clear();
    // A missing folder lists nothing; loading the dialog reports it.
    ui_->wortsch->addItems(vocabularyfile::fileNames(language::LanguageOffset()));
}

int OptionsDialog::rowOf(const QString& fileName) const
{
    if (fileName.isEmpty())
        return -1;
    for (int row = 0; row < ui_->wortsch->count(); ++row) {
        if (ui_->wortsch->item(row)->text() == fileName)
            return row;
    }
    return -1;
}

void OptionsDialog::selectFileQuietly(int row)
{
    const QSignalBlocker quiet(ui_->wortsch);
    ui_->wortsch->setCurrentRow(row);
}

void OptionsDialog::requestRestart()
{
    outcome_.restartRequested = true;
}

void OptionsDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    for (int player = 0; player < kPlayers; ++player) {
        QLineEdit* box = Spieler_Name.at(player);
        if (watched != box)
            continue;
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        } else if (event->type() == QEvent::FocusOut) {
            storeName(player);
        }
    }
    return QDialog::eventFilter(watched, event);
}

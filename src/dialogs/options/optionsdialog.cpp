#include "optionsdialog.h"

#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "platform/wrappingbuttons.h"
#include "vocabulary/vocabularyeditor.h"
#include "vocabulary/vocabularyfile.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kWidth = 386;
constexpr int kHeight = 401;

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

template <typename Widget>
Widget* placed(Widget* widget, const QString& name, int x, int y, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    return widget;
}

QScrollBar* upDownArrows(QWidget* parent, const QString& name, int x, int y, int index)
{
    auto* arrows = placed(new QScrollBar(Qt::Vertical, parent), name, x, y, 17, 23);
    const ArrowRange& range = kArrowRanges.at(index);
    arrows->setRange(range.lowestValue, range.highestValue);
    arrows->setSingleStep(1);
    arrows->setPageStep(1);
    arrows->setFocusPolicy(Qt::StrongFocus);
    return arrows;
}

} // namespace

OptionsOutcome showOptionsDialog(int fieldWidth, QWidget* parent)
{
    OptionsDialog dialog(fieldWidth, parent);
    dialog.exec();
    return dialog.outcome();
}

OptionsDialog::OptionsDialog(int fieldWidth, QWidget* parent)
    : QDialog(parent), fieldWidth_(fieldWidth)
{
    setObjectName(modules::frmOptions);
    setFixedSize(kWidth, kHeight);
    // The places below are measured for captions in an 8 point font.
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);
    createControls();
    orderTabStops();
    connectControls();
    Form_Load();
    Form_Activate();
}

void OptionsDialog::createControls()
{
    createPlayerFrame();

    Label[1] = placed(new QLabel(this), QStringLiteral("Label1"), 208, 16, 54, 17);
    Zahl[1] = placed(new QLabel(this), QStringLiteral("Zahl1"), 264, 14, 22, 17);
    vsczahl[1] = upDownArrows(this, QStringLiteral("vsczahl1"), 288, 16, 1);
    Label[1]->setBuddy(vsczahl[1]);

    createRepeatFrame();
    chkAnzeige =
        placed(new WrappingCheckBox(this), QStringLiteral("chkAnzeige"), 216, 144, 168, 32);
    chkRemove = placed(new WrappingCheckBox(this), QStringLiteral("chkRemove"), 216, 184, 168, 30);
    createPictureFrame();
    createVocabularyControls();

    Label1 = placed(new QLabel(this), QStringLiteral("Label1"), 16, 368, 132, 17);
    Zahl[2] = placed(new QLabel(this), QStringLiteral("Zahl2"), 150, 368, 24, 17);
    vsczahl[2] = upDownArrows(this, QStringLiteral("vsczahl2"), 176, 370, 2);
    Label1->setBuddy(vsczahl[2]);

    cmdOK = placed(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOK"), 288, 352,
                   81, 33);
    cmdOK->setDefault(true);
}

void OptionsDialog::createPlayerFrame()
{
    Frame1 = placed(new QGroupBox(this), QStringLiteral("Frame1"), 16, 8, 161, 193);
    Label[0] = placed(new QLabel(Frame1), QStringLiteral("Label0"), 8, 19, 78, 17);
    Zahl[0] = placed(new QLabel(Frame1), QStringLiteral("Zahl0"), 88, 17, 22, 17);
    vsczahl[0] = upDownArrows(Frame1, QStringLiteral("vsczahl0"), 112, 18, 0);
    Label[0]->setBuddy(vsczahl[0]);

    Label[2] = placed(new QLabel(Frame1), QStringLiteral("Label2"), 16, 43, 137, 17);
    for (int player = 0; player < kPlayers; ++player) {
        auto* box = placed(new QLineEdit(Frame1), QStringLiteral("Spieler_Name%1").arg(player), 18,
                           67 + 32 * player, 113, 19);
        box->setEnabled(false);
        box->installEventFilter(this);
        Spieler_Name.at(player) = box;
    }
    Label[2]->setBuddy(Spieler_Name[0]);
}

void OptionsDialog::createRepeatFrame()
{
    Frame2 = placed(new QGroupBox(this), QStringLiteral("Frame2"), 200, 40, 169, 97);
    Label[3] = placed(new QLabel(Frame2), QStringLiteral("Label3"), 8, 16, 153, 17);
    wiederh[0] =
        placed(new WrappingRadioButton(Frame2), QStringLiteral("wiederh0"), 16, 40, 145, 24);
    wiederh[1] =
        placed(new WrappingRadioButton(Frame2), QStringLiteral("wiederh1"), 15, 64, 150, 31);
}

void OptionsDialog::createPictureFrame()
{
    Frame3 = placed(new QGroupBox(this), QStringLiteral("Frame3"), 200, 216, 169, 121);
    lblHG = placed(new QLabel(Frame3), QStringLiteral("lblHG"), 16, 16, 137, 17);
    Motiv = placed(new QListWidget(Frame3), QStringLiteral("Motiv"), 16, 32, 137, 56);
    lblHG->setBuddy(Motiv);
    chkHG = placed(new WrappingCheckBox(Frame3), QStringLiteral("chkHG"), 16, 96, 145, 22);
}

void OptionsDialog::createVocabularyControls()
{
    Label2 = placed(new QLabel(this), QStringLiteral("Label2"), 16, 208, 161, 17);
    wortsch = placed(new QListWidget(this), QStringLiteral("wortsch"), 24, 227, 145, 58);
    Label2->setBuddy(wortsch);
    EditButt = placed(new QPushButton(this), QStringLiteral("EditButt"), 16, 296, 161, 25);
    Password = placed(new QPushButton(this), QStringLiteral("Password"), 16, 328, 161, 25);
}

// The left column and the right one are interleaved from top to bottom as the
// eye reads them: players and names, hints and the options beside them, then
// the vocabulary below, the minimum length and OK last.
void OptionsDialog::orderTabStops()
{
    const QList<QWidget*> order{vsczahl[0],
                                Spieler_Name[0],
                                Spieler_Name[1],
                                Spieler_Name[2],
                                Spieler_Name[3],
                                vsczahl[1],
                                wiederh[0],
                                wiederh[1],
                                chkAnzeige,
                                chkRemove,
                                Motiv,
                                chkHG,
                                wortsch,
                                EditButt,
                                Password,
                                vsczahl[2],
                                cmdOK};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void OptionsDialog::connectControls()
{
    for (int index = 0; index < kNumbers; ++index) {
        connect(vsczahl.at(index), &QScrollBar::valueChanged, this,
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
    connect(chkAnzeige, &QCheckBox::toggled, this, [](bool ticked) {
        ErrorScope::run(modules::frmOptions, "chkAnzeige_Click",
                        [&] { settings().Anzeige = ticked ? 1 : 0; });
    });
    connect(chkRemove, &QCheckBox::toggled, this,
            [](bool ticked) { settings().Remove = ticked ? 1 : 0; });
    connect(chkHG, &QCheckBox::toggled, this,
            [](bool ticked) { settings().Bild = ticked ? 1 : 0; });

    connect(Motiv, &QListWidget::currentRowChanged, this, &OptionsDialog::Motiv_Click);
    connect(Motiv, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Motiv_Click(Motiv->row(item));
        cmdOK_Click();
    });
    connect(wortsch, &QListWidget::currentRowChanged, this, &OptionsDialog::wortsch_Click);
    connect(wortsch, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        wortsch_Click(wortsch->row(item));
        cmdOK_Click();
    });

    connect(EditButt, &QPushButton::clicked, this, &OptionsDialog::EditButt_Click);
    connect(Password, &QPushButton::clicked, this, &OptionsDialog::Password_Click);
    connect(cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
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
            Motiv->addItem(language::text(kFirstMotif + motif));
        Motiv->setCurrentRow(record.Motiv);

        record.Datei = settingsfile::GetIniString(
            settingsfile::kSettingsSection, settingsfile::vocabularyKey(language::LanguageOffset()),
            QString());
        fillFileList();
        const int chosen = std::max(rowOf(record.Datei), 0);

        for (int index = 0; index < kNumbers; ++index) {
            vsczahl.at(index)->setValue(kArrowRanges.at(index).top - numberSetting(index));
            // setValue stays silent when the value does not change.
            Zahl.at(index)->setText(QString::number(numberSetting(index)));
        }

        chkAnzeige->setChecked(record.Anzeige == 1);
        chkRemove->setChecked(record.Remove == 1);
        wiederh.at(record.Wiederholung)->setChecked(true);
        chkHG->setChecked(record.Bild == 1);

        // With no file in the folder there is nothing to choose, and Datei stays.
        if (wortsch->count() > 0) {
            selectFileQuietly(chosen);
            wortsch_Click(chosen);
        }

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
        Label[0]->setText(language::text(kPlayersLabel));
        Label[1]->setText(language::text(kHintsLabel));
        Label[2]->setText(language::text(kNamesLabel));
        Label[3]->setText(language::text(kRepeatLabel));
        wiederh[0]->setText(language::text(kAllWords));
        wiederh[1]->setText(language::text(kWordsNotGuessed));
        chkAnzeige->setText(language::text(kShowSolution));
        chkRemove->setText(language::text(kRemoveLetters));
        lblHG->setText(language::text(kPictureLabel));
        chkHG->setText(language::text(kBackground));
        Label2->setText(language::text(kVocabularyLabel));
        EditButt->setText(language::text(kEditVocabulary));
        Password->setText(language::text(kChangePassword));
        Label1->setText(language::text(kMinimumLengthLabel));

        // The editor may have added a file; the chosen one stays chosen.
        fillFileList();
        selectFileQuietly(rowOf(settings().Datei));
    });
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
        cmdOK->setFocus();
    });
}

void OptionsDialog::Password_Click()
{
    ErrorScope::run(modules::frmOptions, "Password_Click", [&] { lock_.change(this); });
}

void OptionsDialog::vscZahl_Change(int index)
{
    ErrorScope::run(modules::frmOptions, "vscZahl_Change", [&] {
        const qint16 shown = toInt16(kArrowRanges.at(index).top - vsczahl.at(index)->value());
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
    settings().Datei = wortsch->item(row)->text();
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
    const QSignalBlocker quiet(wortsch);
    wortsch->clear();
    // A missing folder lists nothing; loading the dialog reports it.
    wortsch->addItems(vocabularyfile::fileNames(language::LanguageOffset()));
}

int OptionsDialog::rowOf(const QString& fileName) const
{
    if (fileName.isEmpty())
        return -1;
    for (int row = 0; row < wortsch->count(); ++row) {
        if (wortsch->item(row)->text() == fileName)
            return row;
    }
    return -1;
}

void OptionsDialog::selectFileQuietly(int row)
{
    const QSignalBlocker quiet(wortsch);
    wortsch->setCurrentRow(row);
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

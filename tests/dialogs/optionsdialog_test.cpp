#include "dialogs/options/optionsdialog.h"

#include "dialogs/options/numberarrows.h"
#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFocusFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr qint16 kEnglish = 1000;

class OptionsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::extractLanguageTable();
        savedOffset_ = language::LanguageOffset();
        language::LanguageOffset() = kEnglish;
        settings() = Settings{};
        for (int player = 0; player < 4; ++player)
            settings().names.at(player) = QStringLiteral("Name %1").arg(player + 1);
    }

    void TearDown() override
    {
        dialog.reset();
        language::LanguageOffset() = savedOffset_;
        settings() = Settings{};
    }

    void addVocabularies(const QStringList& names)
    {
        QDir(environment.programDir()).mkpath(QStringLiteral("english"));
        for (const QString& name : names)
            writeFile(environment.programDir() + "/english/" + name, "APPLE\r\n");
    }

    void open()
    {
        dialog = std::make_unique<OptionsDialog>(27);
        dialog->show();
        QCoreApplication::processEvents();
    }

    QString settingsText() const { return cp1252::decode(readFile(environment.settingsPath())); }

    bool restartRequested() { return dialog->outcome().restartRequested; }

    // The upper arrow makes the number larger, the lower one smaller.
    static void pressUpper(QScrollBar* arrows)
    {
        QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 2));
    }
    static void pressLower(QScrollBar* arrows)
    {
        QTest::mouseClick(arrows, Qt::LeftButton, {},
                          QPoint(arrows->width() / 2, arrows->height() - 3));
    }

    TestEnvironment environment;
    std::unique_ptr<OptionsDialog> dialog;

private:
    qint16 savedOffset_ = 0;
};

} // namespace

TEST_F(OptionsDialogTest, PlayerCountEnablesNameBoxesAndRestarts)
{
    settings().Anzahl = 2;
    open();
    EXPECT_EQ(dialog->number(0)->text(), "2");
    EXPECT_TRUE(dialog->nameBox(1)->isEnabled());
    EXPECT_FALSE(dialog->nameBox(2)->isEnabled());
    EXPECT_FALSE(dialog->nameBox(3)->isEnabled());
    EXPECT_FALSE(restartRequested());

    pressUpper(dialog->arrows(0));
    EXPECT_EQ(settings().Anzahl, 3);
    EXPECT_EQ(dialog->number(0)->text(), "3");
    EXPECT_TRUE(dialog->nameBox(2)->isEnabled());
    EXPECT_FALSE(dialog->nameBox(3)->isEnabled());
    EXPECT_TRUE(restartRequested());

    pressLower(dialog->arrows(0));
    pressLower(dialog->arrows(0));
    EXPECT_EQ(settings().Anzahl, 1);
    EXPECT_FALSE(dialog->nameBox(1)->isEnabled());
}

TEST_F(OptionsDialogTest, ArrowsStopAtTheEndsOfTheirRange)
{
    settings().minLen = 10;
    settings().Tipps = 0;
    open();
    QScrollBar* length = dialog->arrows(2);
    pressUpper(length);
    EXPECT_EQ(settings().minLen, 10);
    for (int press = 0; press < 12; ++press) {
        pressLower(length);
        EXPECT_EQ(dialog->number(2)->text(), QString::number(11 - length->value()));
    }
    EXPECT_EQ(settings().minLen, 1);
    EXPECT_EQ(length->value(), 10);

    pressLower(dialog->arrows(1));
    EXPECT_EQ(settings().Tipps, 0);
    for (int press = 0; press < 5; ++press)
        pressUpper(dialog->arrows(1));
    EXPECT_EQ(settings().Tipps, 3);
    EXPECT_EQ(dialog->number(1)->text(), "3");
}

TEST_F(OptionsDialogTest, OnlyChangesThatNeedANewGameRequestOne)
{
    addVocabularies({"frostel.dat"});
    open();
    EXPECT_FALSE(restartRequested());

    dialog->motifList()->setCurrentRow(3);
    dialog->backgroundBox()->click();
    dialog->removeLettersBox()->click();
    dialog->showSolutionBox()->click();
    EXPECT_FALSE(restartRequested());
    EXPECT_EQ(settings().Motiv, 3);
    EXPECT_EQ(settings().Bild, 0);
    EXPECT_EQ(settings().Remove, 0);
    EXPECT_EQ(settings().Anzeige, 0);

    dialog->okButton()->click();
    EXPECT_FALSE(restartRequested());
    EXPECT_TRUE(settingsText().contains("Motiv= 3\r\nBild= 0\r\n"));

    open();
    dialog->repeatButton(0)->click();
    EXPECT_EQ(settings().Wiederholung, 0);
    EXPECT_TRUE(restartRequested());
}

TEST_F(OptionsDialogTest, OkWritesTheSectionInItsOrderWithTheTypedName)
{
    addVocabularies({"frostel.dat"});
    settings().Anzahl = 2;
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QLineEdit* first = dialog->nameBox(0);
    first->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(first->selectedText(), "Name 1");
    QTest::keyClicks(first, "Red team");
    EXPECT_TRUE(restartRequested());
    EXPECT_EQ(settings().names[0], "Name 1") << "stored only when the box loses the focus";
    dialog->nameBox(1)->setFocus();
    EXPECT_EQ(settings().names[0], "Red team");
    QCoreApplication::processEvents();

    QTest::keyClicks(dialog->nameBox(1), "Blue");
    QTest::keyClick(dialog->nameBox(1), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settingsText().toStdString(),
              "[Einstellungen]\r\nAnzahl= 2\r\nAnzeige= 1\r\nWiederholung= 1\r\n"
              "Remove= 1\r\nTipps= 3\r\nminLen= 4\r\nSpieler1=Red team\r\n"
              "Spieler2=Blue\r\nSpieler3=Name 3\r\nSpieler4=Name 4\r\n"
              "Datei1000=frostel.dat\r\nMotiv= 1\r\nBild= 1\r\n");
}

// A name the settings file cannot hold would come back changed after a restart.
TEST_F(OptionsDialogTest, NameBoxesTakeOnlyWhatTheSettingsFileKeeps)
{
    addVocabularies({"frostel.dat"});
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QLineEdit* first = dialog->nameBox(0);
    first->setFocus();
    first->clear();
    for (const QChar letter : QString::fromUtf8("Łódź")) {
        // Typed on a Polish keyboard: QTest types Latin-1 only.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(first, &press);
    }
    EXPECT_EQ(first->text(), QString::fromUtf8("ód"));
    first->insert(QString::fromUtf8(" Zoë\t€\u6771x")); // as a paste brings it
    EXPECT_EQ(first->text(), QString::fromUtf8("ód Zoë€x"));
    EXPECT_EQ(first->cursorPosition(), first->text().size());
    first->setCursorPosition(2);
    first->insert(QString::fromUtf8("\u0141-"));
    EXPECT_EQ(first->text(), QString::fromUtf8("ód- Zoë€x"));
    EXPECT_EQ(first->cursorPosition(), 3);
    dialog->okButton()->click();
    EXPECT_EQ(settingsfile::readPlayerName(1), QString::fromUtf8("ód- Zoë€x"));
}

TEST_F(OptionsDialogTest, VocabularyListFollowsTheStoredName)
{
    addVocabularies({"gamma.dat", "Beta.dat", "alpha.dat", "notes.txt"});
    writeFile(environment.settingsPath(), "[Einstellungen]\r\nDatei1000=Beta.dat\r\n");
    settings().Datei = "stale from another language";
    open();
    QListWidget* files = dialog->fileList();
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(files->item(0)->text(), "alpha.dat");
    EXPECT_EQ(files->currentRow(), 1);
    EXPECT_EQ(settings().Datei, "Beta.dat");
    EXPECT_FALSE(restartRequested());
    dialog.reset();

    writeFile(environment.settingsPath(), "[Einstellungen]\r\nDatei1000=beta.dat\r\n");
    open();
    EXPECT_EQ(dialog->fileList()->currentRow(), -1) << "letter case counts: no file in use";
    EXPECT_TRUE(dialog->fileList()->selectedItems().isEmpty());
    dialog->okButton()->click();
    EXPECT_TRUE(settingsText().contains("Datei1000=beta.dat\r\n"));
}

// The list shows what the game plays from: the stored file, else the default
// file of the language, else nothing while the built-in words are played.
TEST_F(OptionsDialogTest, TheListShowsTheFileInUseAndAClickAlwaysChoosesOne)
{
    addVocabularies({"alpha.dat", "frostel.dat", "gamma.dat"});
    writeFile(environment.settingsPath(), "[Einstellungen]\r\nDatei1000=gone.dat\r\n");
    open();
    QListWidget* files = dialog->fileList();
    EXPECT_EQ(files->currentRow(), 1) << "the default file stands in for a missing one";
    EXPECT_EQ(settings().Datei, "frostel.dat");
    EXPECT_FALSE(restartRequested());

    const QRect inUse = files->visualItemRect(files->item(1));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, inUse.center());
    EXPECT_TRUE(restartRequested()) << "a click on the file in use chooses it too";
    dialog->okButton()->click();
    EXPECT_TRUE(settingsText().contains("Datei1000=frostel.dat\r\n"));
    dialog.reset();

    QFile::remove(environment.programDir() + "/english/frostel.dat");
    writeFile(environment.settingsPath(), "");
    settings().Datei.clear();
    open();
    files = dialog->fileList();
    EXPECT_EQ(files->currentRow(), -1) << "the built-in words are played";
    EXPECT_TRUE(files->selectedItems().isEmpty());
    files->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(files->selectedItems().isEmpty());
    EXPECT_EQ(settings().Datei, "") << "taking the focus chooses nothing";
    EXPECT_FALSE(restartRequested());
    QTest::keyClick(files, Qt::Key_Down);
    EXPECT_FALSE(files->selectedItems().isEmpty());
    EXPECT_EQ(settings().Datei, files->selectedItems().first()->text()) << "the keys choose";
    EXPECT_TRUE(restartRequested());
}

TEST_F(OptionsDialogTest, AnInstalledProgramListsTheShippedAndThePlayersFiles)
{
    addVocabularies({"frostel.dat", "shipped.dat"});
    const InstalledProgramFolder installed(environment);
    QDir().mkpath(environment.playerDir() + "/english");
    for (const char* name : {"frostel.dat", "Mine.dat"})
        writeFile(environment.playerDir() + "/english/" + name, "PEAR\r\n");
    open();
    QStringList names;
    for (int row = 0; row < dialog->fileList()->count(); ++row)
        names.append(dialog->fileList()->item(row)->text());
    EXPECT_EQ(names, QStringList({"frostel.dat", "Mine.dat", "shipped.dat"}));
    dialog.reset();
}

TEST_F(OptionsDialogTest, DoubleClicksActAsOk)
{
    addVocabularies({"a.dat", "b.dat"});
    open();
    QListWidget* motifs = dialog->motifList();
    const QRect third = motifs->visualItemRect(motifs->item(2));
    QTest::mouseClick(motifs->viewport(), Qt::LeftButton, {}, third.center());
    QTest::mouseDClick(motifs->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(settingsText().contains("Motiv= 2\r\n"));
    EXPECT_FALSE(restartRequested());

    open();
    QListWidget* files = dialog->fileList();
    const QRect second = files->visualItemRect(files->item(1));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(settingsText().contains("Datei1000=b.dat\r\n"));
    EXPECT_TRUE(restartRequested());
}

TEST_F(OptionsDialogTest, HandEditedValuesAreBroughtIntoRange)
{
    Settings& record = settings();
    record.Anzahl = 9;
    record.Tipps = -2;
    record.minLen = 0;
    record.Motiv = 7;
    record.Wiederholung = 5;
    record.Anzeige = 2;
    record.Remove = -1;
    record.Bild = -1;
    addVocabularies({"a.dat"});
    open();
    EXPECT_EQ(record.Anzahl, 4);
    EXPECT_EQ(record.Tipps, 0);
    EXPECT_EQ(record.minLen, 1);
    EXPECT_EQ(record.Motiv, 4);
    EXPECT_EQ(record.Wiederholung, 1);
    EXPECT_EQ(record.Anzeige, 1);
    EXPECT_EQ(record.Bild, 0);
    EXPECT_EQ(dialog->number(2)->text(), "1");
    EXPECT_EQ(dialog->motifList()->currentRow(), 4);
    EXPECT_TRUE(dialog->repeatButton(1)->isChecked());
    EXPECT_TRUE(dialog->removeLettersBox()->isChecked()) << "-1 is an old ticked box";
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
    dialog->okButton()->click();
    EXPECT_TRUE(settingsText().contains("Remove= 1\r\n"));
}

TEST_F(OptionsDialogTest, AMissingLanguageFolderIsReportedAndTheDialogStillFilled)
{
    writeFile(environment.settingsPath(), "[Einstellungen]\r\nDatei1000=kept.dat\r\n");
    settings().Tipps = 2;
    environment.reporter.choices = {ErrorChoice::Cancel};
    open(); // no language folder at all
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    EXPECT_EQ(environment.reporter.reports[0].module, "frmOptions");
    EXPECT_EQ(environment.reporter.reports[0].procedure, "Form_Load");
    EXPECT_EQ(environment.reporter.reports[0].number, 76);
    EXPECT_EQ(dialog->fileList()->count(), 0);
    EXPECT_EQ(dialog->number(1)->text(), "2") << "filled before the folder was looked at";
    EXPECT_FALSE(restartRequested()) << "the running game goes on";
    dialog->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(environment.reporter.reports.size(), 1) << "reported once, not at every activation";
    dialog.reset();

    // An empty folder is no failure; the stored name stays.
    addVocabularies({});
    open();
    EXPECT_EQ(dialog->fileList()->count(), 0);
    EXPECT_EQ(settings().Datei, "kept.dat");
    dialog->okButton()->click();
    EXPECT_TRUE(settingsText().contains("Datei1000=kept.dat\r\n"));
    EXPECT_EQ(environment.reporter.reports.size(), 1);
}

TEST_F(OptionsDialogTest, ClosingWithoutOkKeepsChangesUnwritten)
{
    open();
    pressLower(dialog->arrows(0));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings().Anzahl, 3);
    EXPECT_TRUE(restartRequested());
    EXPECT_FALSE(QFile::exists(environment.settingsPath()));
}

TEST_F(OptionsDialogTest, TextsAndAccessKeysComeFromTheCurrentLanguage)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "Options");
    EXPECT_EQ(dialog->passwordButton()->text(), "&Change Password");
    EXPECT_EQ(dialog->motifList()->item(0)->text(), "Apple tree");
    dialog.reset();

    language::LanguageOffset() = 0;
    open();
    EXPECT_EQ(dialog->windowTitle(), "Einstellungen");
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(dialog.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog->arrows(0));
    QTest::keyClick(dialog->arrows(0), Qt::Key_Down);
    QTest::keyClick(dialog->arrows(0), Qt::Key_Down);
    EXPECT_EQ(settings().Anzahl, 2);
    QTest::keyClick(dialog->arrows(0), Qt::Key_Up);
    EXPECT_EQ(settings().Anzahl, 3) << "the up key raises the number like the upper arrow";
    // An access key presses its check box and lets go a moment later, as a
    // click by the mouse would; the press is what shows it reached the box.
    QTest::keyClick(dialog.get(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog->showSolutionBox());
    EXPECT_TRUE(dialog->showSolutionBox()->isDown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->removeLettersBox());
}

TEST_F(OptionsDialogTest, TabRunsDownTheLeftColumnThenDownTheRightToOk)
{
    settings().Anzahl = 4;
    addVocabularies({"a.dat"});
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    // Tab enters the pair of repeat buttons once.
    const std::vector<std::string> order{
        "vsczahl0",      "Spieler_Name0", "Spieler_Name1", "Spieler_Name2",
        "Spieler_Name3", "wortsch",       "EditButt",      "Password",
        "vsczahl2",      "vsczahl1",      "wiederh0",      "chkAnzeige",
        "chkRemove",     "Motiv",         "chkHG",         "cmdOK"};
    EXPECT_EQ(tabStopsFrom(dialog->arrows(0)), order);
}

TEST_F(OptionsDialogTest, AccessKeysOfTheLabelsTakeTheFocusToTheirControls)
{
    language::LanguageOffset() = 0; // in German no two labels share their key
    QDir(environment.programDir()).mkpath(QStringLiteral("deutsch"));
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    const QList<std::pair<Qt::Key, QWidget*>> keys{{Qt::Key_T, dialog->arrows(0)},
                                                   {Qt::Key_I, dialog->arrows(1)},
                                                   {Qt::Key_B, dialog->motifList()},
                                                   {Qt::Key_S, dialog->fileList()}};
    for (const auto& [key, control] : keys) {
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), control) << control->objectName().toStdString();
    }
}

// Every control and frame as a screen reader meets it: named in the current
// language, the labelled ones by their labels.
TEST_F(OptionsDialogTest, ScreenReadersHearEveryControlByNameInTheCurrentLanguage)
{
    settings().Anzahl = 4;
    addVocabularies({"a.dat"});
    open();
    for (QWidget* part : dialog->findChildren<QWidget*>()) {
        if (part->focusPolicy() & Qt::TabFocus || qobject_cast<QGroupBox*>(part)) {
            EXPECT_FALSE(accessibleName(part).isEmpty()) << part->objectName().toStdString();
        }
    }
    EXPECT_EQ(accessibleName(dialog->arrows(0)), "Players:");
    EXPECT_EQ(accessibleName(dialog->arrows(2)), "Minimum word length:");
    EXPECT_EQ(accessibleName(dialog->nameBox(0)), "Name of player 1");
    EXPECT_EQ(accessibleName(dialog->nameBox(3)), "Name of player 4");
    EXPECT_EQ(accessibleName(dialog->motifList()), "Picture:");
    EXPECT_EQ(accessibleName(dialog->fileList()), "Vocabulary:");
    EXPECT_EQ(accessibleName(dialog->repeatButton(1)), "words not guessed");
    EXPECT_EQ(accessibleName(dialog.get()), "Options");
    dialog.reset();

    language::LanguageOffset() = 0;
    QDir(environment.programDir()).mkpath(QStringLiteral("deutsch"));
    open();
    EXPECT_EQ(accessibleName(dialog->arrows(0)), "Teilnehmer:");
    EXPECT_EQ(accessibleName(dialog->nameBox(1)), "Name von Spieler 2");
    EXPECT_EQ(accessibleName(dialog->fileList()), "Wortschatz:");
    EXPECT_EQ(accessibleName(dialog->findChild<QGroupBox*>("Frame2")), "Wiederholungen");
    EXPECT_EQ(accessibleName(dialog.get()), "Einstellungen");
}

// The arrows' own values run opposite to the numbers; a screen reader reads and
// sets the number.
TEST_F(OptionsDialogTest, TheArrowsAreSpinButtonsHoldingTheNumbersTheyShow)
{
    settings().Anzahl = 2;
    settings().minLen = 4;
    open();
    QAccessibleInterface* players = QAccessible::queryAccessibleInterface(dialog->arrows(0));
    EXPECT_EQ(players->role(), QAccessible::SpinBox);
    QAccessibleValueInterface* value = players->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 2);
    EXPECT_EQ(value->minimumValue().toInt(), 1);
    EXPECT_EQ(value->maximumValue().toInt(), 4);
    EXPECT_EQ(players->text(QAccessible::Value), "2");

    value->setCurrentValue(3);
    EXPECT_EQ(settings().Anzahl, 3);
    EXPECT_EQ(dialog->number(0)->text(), "3");
    EXPECT_TRUE(dialog->nameBox(2)->isEnabled());
    players->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(settings().Anzahl, 4);
    players->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(settings().Anzahl, 3);
    EXPECT_TRUE(restartRequested());

    QAccessibleValueInterface* length =
        QAccessible::queryAccessibleInterface(dialog->arrows(2))->valueInterface();
    EXPECT_EQ(length->currentValue().toInt(), 4);
    EXPECT_EQ(length->minimumValue().toInt(), 1);
    EXPECT_EQ(length->maximumValue().toInt(), 10);
}

TEST_F(OptionsDialogTest, TheFocusOnTheArrowsAndTheListsShowsAsARing)
{
    addVocabularies({"a.dat"});
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    const auto* ring = dialog->findChild<QFocusFrame*>();
    ASSERT_NE(ring, nullptr);
    for (QWidget* control : std::initializer_list<QWidget*>{
             dialog->arrows(0), dialog->arrows(2), dialog->motifList(), dialog->fileList()}) {
        control->setFocus();
        EXPECT_EQ(ring->widget(), control) << control->objectName().toStdString();
        EXPECT_TRUE(ring->isVisible()) << control->objectName().toStdString();
    }
    dialog->okButton()->setFocus();
    EXPECT_FALSE(ring->isVisible()) << "the button shows its focus itself";
}

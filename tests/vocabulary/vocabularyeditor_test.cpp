#include "vocabulary/vocabularyeditor.h"

#include "desktop/screenmetrics.h"
#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/testsupport.h"
#include "vocabulary/vocabularyfile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// English: folder "english", default file "frostel.dat".
constexpr qint16 kEnglish = 1000;
constexpr int kFieldWidth = 27;

// Types like a keyboard: one key press per character. QTest names keys for ASCII
// only, so other characters go by their code, which is their key's number.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
            continue;
        }
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

class VocabularyEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::extractLanguageTable();
        language::LanguageOffset() = kEnglish;
        settings().Datei = QStringLiteral("words.dat");
        EditorDirty() = false;
        QDir(environment.programDir()).mkdir(language::text(166));
        writeWords("PEAR\r\nAPPLE\r\nPLUM\r\n");
    }

    void TearDown() override
    {
        language::LanguageOffset() = savedOffset_;
        settings() = savedSettings_;
        EditorDirty() = false;
    }

    // The game's word list as the editor leaves it: the one it handed over, or
    // the one the game had before.
    QStringList wordList() const
    {
        return editor_->outcome().wordList.value_or(QStringList{QStringLiteral("BEFORE")});
    }
    bool restartRequested() const { return editor_->outcome().restartRequested; }
    QString folder() const { return environment.programDir() + u'/' + language::text(166); }
    QString pathOf(const QString& name) const { return folder() + u'/' + name; }
    void writeWords(const QByteArray& bytes) { writeFile(pathOf("words.dat"), bytes); }

    VocabularyEditor& open()
    {
        editor_ = std::make_unique<VocabularyEditor>(kFieldWidth);
        editor_->show();
        return *editor_;
    }

    QLineEdit* entryBox() { return editor_->findChild<QLineEdit*>("Text1"); }
    QListWidget* list() { return editor_->findChild<QListWidget*>("List1"); }
    QPushButton* button(const char* name) { return editor_->findChild<QPushButton*>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    void add(const QString& entry)
    {
        type(entryBox(), entry);
        click("Hinzuf");
    }

    void clickEntry(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QListWidgetItem* item = list()->item(row);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers,
                          list()->visualItemRect(item).center());
    }

    QStringList questionTexts() const
    {
        QStringList texts;
        for (const auto& question : environment.dialogs.questions)
            texts.append(question.text);
        return texts;
    }

    QStringList entries() const { return editor_->entries(); }

    TestEnvironment environment;
    std::unique_ptr<VocabularyEditor> editor_;

private:
    qint16 savedOffset_ = language::LanguageOffset();
    Settings savedSettings_ = settings();
};

using EditorTyping = VocabularyEditorTest;
using EditorList = VocabularyEditorTest;
using EditorNewFile = VocabularyEditorTest;
using EditorSaving = VocabularyEditorTest;
using EditorClosing = VocabularyEditorTest;

} // namespace

TEST_F(EditorTyping, DropsEveryCharacterTheBoardCannotShow)
{
    open();
    type(entryBox(), QStringLiteral("Straße"));
    EXPECT_EQ(entryBox()->text(), "Strae");

    entryBox()->clear();
    type(entryBox(), QStringLiteral("R2-D2, \"Noël\" l'île"));
    EXPECT_EQ(entryBox()->text(), "R-D Nol l'île");

    entryBox()->clear();
    type(entryBox(), QStringLiteral("ÄÖÜÅÑÇÕÃÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ"));
    EXPECT_EQ(entryBox()->text(), "ÄÖÜÅÑÇÕÃÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ");

    // Editing keys keep working.
    QTest::keyClick(entryBox(), Qt::Key_Backspace);
    QTest::keyClick(entryBox(), Qt::Key_Home);
    QTest::keyClick(entryBox(), Qt::Key_Delete);
    EXPECT_EQ(entryBox()->text(), "ÖÜÅÑÇÕÃÁÀÂÉÈÊÍÌÎÓÒÔÚÙ");
}

TEST_F(EditorTyping, PastedTextLosesTheSameCharacters)
{
    open();
    type(entryBox(), QStringLiteral("ab"));
    QTest::keyClick(entryBox(), Qt::Key_Left);
    QApplication::clipboard()->setText(QStringLiteral("Groß 12,\r\nçà"));
    QTest::keyClick(entryBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(entryBox()->text(), "aGro çàb");
    EXPECT_EQ(entryBox()->cursorPosition(), 7);
}

TEST_F(EditorTyping, LowerCaseAccentsStayLowerCaseInTheListTheFileAndTheGame)
{
    open();
    type(entryBox(), QStringLiteral("crème brûlée"));
    EXPECT_EQ(entryBox()->text(), "crème brûlée");
    QTest::keyClick(entryBox(), Qt::Key_Return); // Add is the default button
    EXPECT_TRUE(entryBox()->text().isEmpty());
    EXPECT_TRUE(list()->findItems("crème brûlée", Qt::MatchExactly).size() == 1);

    click("Speichern");
    EXPECT_TRUE(readFile(pathOf("words.dat")).contains(cp1252::encode("crème brûlée\r\n")));
    EXPECT_TRUE(wordList().contains("crème brûlée"));
}

TEST_F(EditorTyping, TheEntryLengthFitsOneRowOfFieldsAcrossTheScreen)
{
    EXPECT_EQ(maxEntryLength(1024, 27), 37);
    EXPECT_EQ(maxEntryLength(800, 27), 29);
    EXPECT_EQ(maxEntryLength(20, 27), 0);

    open();
    const int limit = maxEntryLength(screenmetrics::screenSizeInPixels().width(), kFieldWidth);
    EXPECT_EQ(entryBox()->maxLength(), limit);
    type(entryBox(), QString(limit + 5, u'A'));
    EXPECT_EQ(entryBox()->text().size(), limit);
}

TEST_F(EditorTyping, AFieldWidthOfZeroIsReportedAndLeavesTheLengthOpen)
{
    environment.reporter.choices = {ErrorChoice::Ignore};
    VocabularyEditor editor(0);
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    EXPECT_EQ(environment.reporter.reports[0].module, "frmEditor");
    EXPECT_EQ(environment.reporter.reports[0].procedure, "Form_Load");
    EXPECT_EQ(environment.reporter.reports[0].number, 11);
    EXPECT_EQ(editor.findChild<QLineEdit*>("Text1")->maxLength(), 32767);
    EXPECT_EQ(editor.entries().size(), 3); // the rest of the loading went on
}

TEST_F(EditorList, KeepsItsEntriesSortedWithAccentsBesideTheirLetters)
{
    language::LanguageOffset() = 0;
    settings().Datei = "obst.dat";
    QDir(environment.programDir()).mkdir(language::text(166));
    writeFile(pathOf("obst.dat"),
              cp1252::encode("Zitrone\r\nÄpfel\r\nBirne\r\nApfel\r\nOrange\r\n"));
    open();
    EXPECT_EQ(entries(), QStringList({"Apfel", "Äpfel", "Birne", "Orange", "Zitrone"}));
    add("Ölbaum");
    add("apfel");
    EXPECT_EQ(entries(),
              QStringList({"apfel", "Apfel", "Äpfel", "Birne", "Ölbaum", "Orange", "Zitrone"}));
}

TEST_F(EditorList, AddingAnEmptyBoxAddsNothingButMarksAChange)
{
    open();
    EXPECT_FALSE(EditorDirty());
    click("Hinzuf");
    EXPECT_EQ(list()->count(), 3);
    EXPECT_TRUE(EditorDirty());

    add("  two  blanks ");
    EXPECT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->item(0)->text(), "  two  blanks "); // as typed, blanks and all
}

TEST_F(EditorList, DeletesEverySelectedEntryAtOnce)
{
    writeWords("E1\r\nE2\r\nE3\r\nE4\r\nE5\r\n");
    open();
    EXPECT_FALSE(button("Loesch")->isEnabled());
    clickEntry(0);
    EXPECT_TRUE(button("Loesch")->isEnabled());
    clickEntry(2, Qt::ControlModifier);
    clickEntry(4, Qt::ControlModifier);
    ASSERT_EQ(list()->selectedItems().size(), 3);

    click("Loesch");
    EXPECT_EQ(entries(), QStringList({"E2", "E4"}));
    EXPECT_FALSE(button("Loesch")->isEnabled());
    EXPECT_TRUE(EditorDirty());

    // The Delete key in the list does the same.
    clickEntry(1);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(entries(), QStringList({"E2"}));
}

TEST_F(EditorList, DoubleClickingAnEntryCopiesItIntoTheEntryBox)
{
    open();
    const QPoint plum = list()->visualItemRect(list()->item(2)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, plum);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, plum);
    EXPECT_EQ(entryBox()->text(), "PLUM");
    EXPECT_EQ(list()->count(), 3);
    EXPECT_FALSE(EditorDirty());
}

TEST_F(EditorNewFile, AppendsDatUnlessTheNameEndsInItExactly)
{
    open();
    environment.dialogs.inputs = {"Lista.DAT"};
    click("cmdNeu");
    ASSERT_EQ(environment.dialogs.questions.size(), 1);
    EXPECT_EQ(environment.dialogs.questions[0].text, language::text(181));
    EXPECT_EQ(environment.dialogs.questions[0].title, language::text(179));
    EXPECT_EQ(settings().Datei, "Lista.DAT.dat");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(QFileInfo::exists(pathOf("Lista.DAT.dat"))); // made only by Save
    EXPECT_EQ(editor_->windowTitle(), "words.dat");
    EXPECT_FALSE(EditorDirty());

    environment.dialogs.inputs = {"fruit.dat"};
    click("cmdNeu");
    EXPECT_EQ(settings().Datei, "fruit.dat");

    add("kiwi");
    environment.dialogs.inputs = {""}; // an empty or cancelled name is a bare ".dat"
    click("cmdNeu");
    EXPECT_EQ(settings().Datei, "fruit.dat");
    EXPECT_EQ(entries(), QStringList({"kiwi"}));
}

TEST_F(EditorNewFile, AnExistingNameIsOverwrittenOnlyAfterYes)
{
    writeFile(pathOf("old.dat"), "OLD ONE\r\nOLD TWO\r\n");
    open();
    environment.dialogs.inputs = {"old"};
    environment.dialogs.answers = {Dialogs::Answer::No};
    click("cmdNeu");
    EXPECT_EQ(settings().Datei, "words.dat");
    EXPECT_EQ(list()->count(), 3);

    environment.dialogs.inputs = {"old"};
    environment.dialogs.answers = {Dialogs::Answer::Yes};
    click("cmdNeu");
    ASSERT_EQ(environment.dialogs.questions.size(), 4);
    const auto& overwrite = environment.dialogs.questions[3];
    EXPECT_EQ(overwrite.text, language::text(180));
    EXPECT_EQ(overwrite.title, language::text(179));
    EXPECT_EQ(overwrite.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(overwrite.icon, Dialogs::Icon::Question);
    EXPECT_EQ(settings().Datei, "old.dat");
    EXPECT_EQ(list()->count(), 0);

    add("new");
    click("Speichern");
    EXPECT_EQ(readFile(pathOf("old.dat")), "new\r\n");
    EXPECT_EQ(readFile(pathOf("words.dat")), "PEAR\r\nAPPLE\r\nPLUM\r\n");
}

TEST_F(EditorNewFile, ANameReachingOutsideTheLanguageFolderIsRefused)
{
    writeFile(environment.programDir() + "/evil.dat", "KEEP\r\n");
    open();
    for (const char* name : {"../evil", "a/b", "a\\b", "..\\evil.dat"}) {
        environment.dialogs.inputs = {name};
        click("cmdNeu");
        EXPECT_EQ(settings().Datei, "words.dat") << name;
        EXPECT_EQ(list()->count(), 3) << name;
    }
    EXPECT_EQ(environment.dialogs.questions.size(), 4); // only the four input boxes

    click("Speichern");
    EXPECT_EQ(readFile(environment.programDir() + "/evil.dat"), "KEEP\r\n");
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList({"words.dat"}));
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(EditorSaving, WritesEachEntryWithCrLfAndHandsTheListToTheGame)
{
    open();
    add("fig");
    click("Speichern");
    EXPECT_EQ(readFile(pathOf("words.dat")), "APPLE\r\nfig\r\nPEAR\r\nPLUM\r\n");
    EXPECT_EQ(wordList(), QStringList({"APPLE", "fig", "PEAR", "PLUM"}));
    EXPECT_FALSE(EditorDirty());
    EXPECT_TRUE(restartRequested());
    EXPECT_TRUE(editor_->isVisible());

    clickEntry(0);
    clickEntry(3, Qt::ShiftModifier);
    click("Loesch");
    click("Speichern");
    EXPECT_EQ(readFile(pathOf("words.dat")), "");
    EXPECT_TRUE(wordList().isEmpty());
}

TEST_F(EditorSaving, KeepsEveryByteAndTheBlanksAtTheEndsOfAnEntry)
{
    // The five codes without a character, and a quoted entry holding a comma.
    writeWords("a\x81\x8D\x8F\x90\x9Dz\r\n\"apple, pear\"\r\n");
    open();
    add(" fig ");
    click("Speichern");
    EXPECT_EQ(readFile(pathOf("words.dat")),
              "\" fig \"\r\n\"apple, pear\"\r\na\x81\x8D\x8F\x90\x9Dz\r\n");
    open();
    EXPECT_EQ(entries(),
              QStringList({" fig ", "apple, pear", cp1252::decode("a\x81\x8D\x8F\x90\x9Dz")}));
}

TEST_F(EditorSaving, AFileLongerThanAListKeepsTheEntriesItCouldNotShow)
{
    QByteArray bytes;
    for (int i = 0; i < 32767 + 2; ++i)
        bytes += "w" + QByteArray::number(100000 + i) + "\r\n";
    writeWords(bytes);
    environment.reporter.choices = {ErrorChoice::Ignore};
    open();
    ASSERT_EQ(list()->count(), 32767);
    ASSERT_EQ(environment.reporter.reports.size(), 1) << "the opening says the list is full";
    EXPECT_EQ(environment.reporter.reports[0].number, 6);
    clickEntry(0);
    click("Loesch");
    click("Speichern");
    const QByteArray saved = readFile(pathOf("words.dat"));
    EXPECT_FALSE(saved.contains("w100000\r\n")) << "the deleted entry";
    EXPECT_TRUE(saved.endsWith("w132767\r\nw132768\r\n")) << "the two no list could hold";
    EXPECT_EQ(saved.count("\r\n"), 32767 + 1);
    EXPECT_EQ(wordList().size(), 32766);
}

TEST_F(EditorSaving, AFailedSaveIsReportedAndKeepsTheChangesUnsaved)
{
    open();
    add("fig");
    QDir(folder()).removeRecursively();
    click("Speichern");
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    EXPECT_EQ(environment.reporter.reports[0].module, "frmEditor");
    EXPECT_EQ(environment.reporter.reports[0].procedure, "Speichern_Click");
    EXPECT_TRUE(EditorDirty());
    EXPECT_FALSE(restartRequested());
    EXPECT_EQ(wordList(), QStringList({"BEFORE"}));
    EXPECT_FALSE(QFileInfo::exists(folder()));
}

// A file the editor could not read is not in its list; saving asks before it
// replaces it, and a missing file is simply written.
TEST_F(EditorSaving, AFileItCouldNotReadIsReplacedOnlyAfterYes)
{
    writeFile(pathOf("other.dat"), "KEEP\r\n");
    QFile::remove(pathOf("words.dat"));
    ASSERT_TRUE(QFile::link(pathOf("other.dat"), pathOf("words.dat")));
    QFile large(pathOf("large.dat"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(vocabularyfile::kLargestFile + 1)); // a hole, no disk room
    large.close();
    const QString expected = language::text(460) + "\r\n" + language::text(461);

    for (const QString& name : {QStringLiteral("words.dat"), QStringLiteral("large.dat")}) {
        settings().Datei = name;
        environment.reporter.choices = {ErrorChoice::Ignore};
        environment.reporter.reports.clear();
        environment.dialogs.questions.clear();
        open();
        ASSERT_EQ(environment.reporter.reports.size(), 1) << "the read is reported";
        EXPECT_EQ(list()->count(), 0);
        add("fig");
        environment.dialogs.answers = {Dialogs::Answer::No};
        click("Speichern");
        ASSERT_EQ(questionTexts(), QStringList({expected})) << name.toStdString();
        EXPECT_EQ(environment.dialogs.questions[0].title, name);
        EXPECT_TRUE(EditorDirty()) << "still unsaved";
        EXPECT_FALSE(restartRequested());
        EXPECT_EQ(wordList(), QStringList({"BEFORE"}));
        EXPECT_TRUE(name == "words.dat" ? QFileInfo(pathOf(name)).isSymLink()
                                        : QFileInfo(pathOf(name)).size() > (16 << 20));

        environment.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No};
        click("OK"); // Yes to saving, then No to replacing the file
        EXPECT_EQ(questionTexts().size(), 3);
        EXPECT_EQ(questionTexts().last(), expected);
        EXPECT_TRUE(QFileInfo(pathOf(name)).isSymLink() || QFileInfo(pathOf(name)).size() > 100);

        environment.reporter.choices = {ErrorChoice::Ignore};
        open();
        add("fig");
        environment.dialogs.answers = {Dialogs::Answer::Yes};
        click("Speichern");
        EXPECT_FALSE(QFileInfo(pathOf(name)).isSymLink());
        EXPECT_EQ(readFile(pathOf(name)), "fig\r\n");
        EXPECT_FALSE(EditorDirty());
        click("Speichern");
        EXPECT_EQ(questionTexts().size(), 4) << "asked once: the file is the editor's now";
    }
    EXPECT_EQ(readFile(pathOf("other.dat")), "KEEP\r\n") << "nothing written through the link";

    settings().Datei = QStringLiteral("new.dat");
    environment.reporter.choices = {ErrorChoice::Ignore};
    environment.dialogs.questions.clear();
    open();
    add("fig");
    click("Speichern");
    EXPECT_TRUE(questionTexts().isEmpty()) << "a missing file replaces nothing";
    EXPECT_EQ(readFile(pathOf("new.dat")), "fig\r\n");
}

TEST_F(EditorClosing, OkHandsTheListOverAndAsksAboutUnsavedChanges)
{
    open();
    click("OK");
    EXPECT_TRUE(environment.dialogs.questions.isEmpty());
    EXPECT_EQ(wordList(), QStringList({"APPLE", "PEAR", "PLUM"}));
    EXPECT_FALSE(restartRequested());
    EXPECT_FALSE(editor_->isVisible());

    open();
    click("Hinzuf");
    environment.dialogs.answers = {Dialogs::Answer::Yes};
    click("OK");
    ASSERT_EQ(environment.dialogs.questions.size(), 1);
    const auto& question = environment.dialogs.questions[0];
    EXPECT_EQ(question.text, language::text(152));
    EXPECT_EQ(question.title, "words.dat");
    EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(question.icon, Dialogs::Icon::Question);
    EXPECT_EQ(readFile(pathOf("words.dat")), "APPLE\r\nPEAR\r\nPLUM\r\n");
    EXPECT_FALSE(EditorDirty());
    EXPECT_TRUE(restartRequested());
}

TEST_F(EditorClosing, TheChangedMarkSurvivesAnOkWithoutSaving)
{
    open();
    add("fig");
    environment.dialogs.answers = {Dialogs::Answer::No};
    click("OK");
    EXPECT_TRUE(EditorDirty());
    EXPECT_TRUE(restartRequested());
    EXPECT_EQ(wordList(), QStringList({"APPLE", "fig", "PEAR", "PLUM"}));
    EXPECT_EQ(readFile(pathOf("words.dat")), "PEAR\r\nAPPLE\r\nPLUM\r\n");

    open();
    EXPECT_TRUE(EditorDirty());
    click("OK");
    EXPECT_EQ(questionTexts(), QStringList({language::text(152), language::text(152)}));
    EXPECT_TRUE(restartRequested());
}

TEST_F(EditorClosing, CancelAndEscapeDropTheChanges)
{
    open();
    add("fig");
    environment.dialogs.inputs = {"other"};
    click("cmdNeu");
    click("Abbruch");
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_FALSE(EditorDirty());
    EXPECT_EQ(wordList(), QStringList({"BEFORE"}));
    EXPECT_FALSE(restartRequested());
    EXPECT_EQ(settings().Datei, "other.dat"); // a new name stays chosen
    EXPECT_FALSE(QFileInfo::exists(pathOf("other.dat")));

    settings().Datei = "words.dat";
    open();
    click("Hinzuf");
    QTest::keyClick(entryBox(), Qt::Key_Escape);
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_FALSE(EditorDirty());
    EXPECT_EQ(wordList(), QStringList({"BEFORE"}));
}

TEST_F(EditorClosing, CaptionsComeFromTheLanguageButOkIsTheSameInEach)
{
    for (qint16 offset = 0; offset <= 6000; offset += 1000) {
        language::LanguageOffset() = offset;
        settings().Datei.clear();
        open();
        EXPECT_EQ(button("OK")->text(), "&OK") << offset;
        EXPECT_EQ(button("Hinzuf")->text(), language::text(153)) << offset;
        EXPECT_EQ(button("Abbruch")->text(), language::text(156)) << offset;
        EXPECT_EQ(editor_->windowTitle(), language::text(151)) << offset;
        EXPECT_EQ(settings().Datei, language::text(146)) << offset;
    }
    language::LanguageOffset() = 0;
    settings().Datei = "words.dat";
    open();
    EXPECT_EQ(button("Loesch")->text(), "&Löschen");
    EXPECT_EQ(button("cmdNeu")->text(), "&Neue Datei");
    EXPECT_EQ(button("Speichern")->text(), "&Speichern");
    EXPECT_EQ(editor_->windowTitle(), "words.dat");
}

TEST_F(VocabularyEditorTest, EntryBoxAndListRowsTakeTheRoomTheirFontNeeds)
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSize(20);
    QApplication::setFont(large);
    open();
    const QFontMetrics metrics(large);
    EXPECT_GE(entryBox()->height(), metrics.height()) << "accents above capitals stay inside";
    EXPECT_GT(list()->y(), entryBox()->geometry().bottom()) << "the list gives way";
    const QRect firstRow = list()->visualItemRect(list()->item(0));
    EXPECT_GE(firstRow.height(), metrics.height() + metrics.height() / 4);
    QApplication::setFont(normal);
}

TEST_F(VocabularyEditorTest, TabWalksTheEntryBoxAddTheListThenTheCommandsDownwards)
{
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor_.get()));
    using Order = std::vector<std::string>;
    EXPECT_EQ(tabStopsFrom(entryBox()),
              Order({"Text1", "Hinzuf", "List1", "cmdNeu", "Speichern", "OK", "Abbruch"}))
        << "Delete waits for a selected entry";
    clickEntry(0);
    EXPECT_EQ(tabStopsFrom(entryBox()), Order({"Text1", "Hinzuf", "List1", "Loesch", "cmdNeu",
                                               "Speichern", "OK", "Abbruch"}));
}

// Neither the entry box nor the list has a label on the screen.
TEST_F(VocabularyEditorTest, ScreenReadersHearTheEntryBoxAndTheListByName)
{
    open();
    EXPECT_EQ(accessibleName(entryBox()), "New word or sentence");
    EXPECT_EQ(accessibleName(list()), "Words and sentences");
    editor_.reset();
    language::LanguageOffset() = 6000;
    QDir(environment.programDir()).mkdir(language::text(166));
    open();
    EXPECT_EQ(accessibleName(entryBox()), "Nouveau mot ou nouvelle phrase");
    EXPECT_EQ(accessibleName(list()), "Mots et phrases");
}

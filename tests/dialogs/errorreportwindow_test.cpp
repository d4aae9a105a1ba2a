#include "dialogs/errorreport/errorreportwindow.h"

#include "errors/errorscope.h"
#include "files/programdir.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sys/stat.h>

namespace {

const QString crlf = QStringLiteral("\r\n");

// Reports failures through the real window. While the window is shown, the
// next queued action runs (look at it, press protocol buttons, press a continue
// button); an action must end by closing the window one way or another.
class ErrorReportWindowTest : public ::testing::Test
{
protected:
    ErrorReportWindowTest()
    {
        answering.setInterval(1);
        QObject::connect(&answering, &QTimer::timeout, [this] { actOnShownWindow(); });
        answering.start();
    }

    ErrorChoice report(int number = RunTimeError::FileNotFound, int line = 0)
    {
        return reporter.OnError(
            QStringLiteral("frmMain"), QStringLiteral("Such_Wort"),
            RunTimeError(number, RunTimeError::standardDescription(number), line));
    }

    void whenShown(std::function<void()> action) { actions.push_back(std::move(action)); }
    void pressContinue(int index)
    {
        whenShown([this, index] { continueButton(index)->click(); });
    }

    template <typename Widget>
    Widget* child(const QString& name) const
    {
        Widget* widget = reporter.window()->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QPushButton* protocolButton(int i) const
    {
        return child<QPushButton>(QStringLiteral("cmdProtocol%1").arg(i));
    }
    QPushButton* continueButton(int i) const
    {
        return child<QPushButton>(QStringLiteral("cmdContinue%1").arg(i));
    }
    QString labelText(const QString& name) const { return child<QLabel>(name)->text(); }
    QString logPath() const { return env.programDir() + QStringLiteral("/frostel.EPT"); }
    QString savedPath() const { return env.programDir() + QStringLiteral("/frostel.ERR"); }

    TestEnvironment env;
    QDateTime now{QDate(2024, 3, 7), QTime(9, 5, 4)};
    WindowErrorReporter reporter{{QStringLiteral("support@kestrelsoft.example"),
                                  QStringLiteral("https://www.kestrelsoft.example/")},
                                 [this] { return now; }};

private:
    void actOnShownWindow()
    {
        ErrorReportWindow* window = reporter.window();
        if (!window || !window->isVisible())
            return;
        if (actions.empty()) {
            ADD_FAILURE() << "the report window is shown and nothing answers it";
            window->close();
            return;
        }
        const auto action = std::move(actions.front());
        actions.pop_front();
        action();
    }

    QTimer answering;
    std::deque<std::function<void()>> actions;
};

QString protocolTime(const QString& protocol)
{
    return protocol.split(crlf).value(11).section(u'\t', 1);
}

} // namespace

TEST_F(ErrorReportWindowTest, StacksItsFiveFramesAndCentresOnTheScreen)
{
    pressContinue(0);
    report();
    ErrorReportWindow* window = reporter.window();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fehler / Error! "));
    EXPECT_EQ(window->size(), QSize(481, 65 + 113 + 41 + 57 + 57));
    const QStringList frames = {"framComment", "framFehler", "framProgInfo", "framProtocol",
                                "framContinue"};
    const QList<int> tops = {0, 65, 178, 219, 276};
    for (qsizetype i = 0; i < frames.size(); ++i)
        EXPECT_EQ(child<QGroupBox>(frames[i])->pos(), QPoint(0, tops[i]))
            << frames[i].toStdString();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->frameGeometry().center(), screen.center());

    EXPECT_EQ(labelText("lblComment"),
              QStringLiteral("There is a problem. Please contact the author if this problem "
                             "appears again.\r\nEs liegt ein Problem vor, mit dem Sie sich an den "
                             "technischen Support wenden sollten, falls es wiederholt auftritt."));
}

TEST_F(ErrorReportWindowTest, ShowsTheFailureAndWhereItHappened)
{
    whenShown([this] {
        EXPECT_EQ(labelText("lblError0"), QStringLiteral("53 (File not found)"));
        EXPECT_EQ(labelText("lblError1"), QStringLiteral("frmMain"));
        EXPECT_EQ(labelText("lblError2"), QStringLiteral("Such_Wort"));
        EXPECT_EQ(labelText("lblError3"), QStringLiteral("17"));
        EXPECT_EQ(labelText("lblErrTitel2"), QStringLiteral("Prozedur / procedure:"));
        EXPECT_EQ(labelText("lblProgInfo"), QStringLiteral("frostel  V6.1.601"));
        continueButton(1)->click();
    });
    report(RunTimeError::FileNotFound, 17);
}

TEST_F(ErrorReportWindowTest, ReturnsTheContinueButtonPressedAndCancelWhenClosed)
{
    whenShown([this] { reporter.window()->close(); });
    EXPECT_EQ(report(), ErrorChoice::Cancel) << "closed before any button was pressed";
    ErrorReportWindow* first = reporter.window();

    for (int index : {1, 2, 3, 0}) {
        pressContinue(index);
        EXPECT_EQ(report(), static_cast<ErrorChoice>(index));
        EXPECT_FALSE(reporter.window()->isVisible());
    }
    // After a Retry, closing must not retry again: that report would come straight back.
    whenShown([this] { reporter.window()->close(); });
    EXPECT_EQ(report(), ErrorChoice::Cancel);
    pressContinue(0);
    report();
    whenShown([this] { QTest::keyClick(reporter.window(), Qt::Key_Escape); });
    EXPECT_EQ(report(), ErrorChoice::Cancel);
    EXPECT_EQ(reporter.window(), first); // one window serves every report
}

TEST_F(ErrorReportWindowTest, LogsEveryReportBeforeShowingItEvenWhenRetried)
{
    errors::installReporter(&reporter);
    int failuresLeft = 2;
    whenShown([this] {
        // Already logged and sounded while the window is up.
        EXPECT_EQ(readFile(logPath()).count("F E H L E R"), 1);
        EXPECT_EQ(env.desktop.beeps, 1);
        continueButton(0)->click();
    });
    pressContinue(0);
    ErrorScope::run(modules::frmMain, "Such_Wort", [&](ErrorScope& scope) {
        scope.attempt([&] {
            if (failuresLeft-- > 0)
                throw RunTimeError(RunTimeError::Overflow);
        });
    });

    const QByteArray log = readFile(logPath());
    EXPECT_EQ(log.count("F E H L E R"), 2);
    EXPECT_EQ(env.desktop.beeps, 2);
    EXPECT_TRUE(log.endsWith(QString(70, u'-').toLatin1() + "\r\n\r\n"));
    EXPECT_TRUE(log.contains("6 (Overflow)"));
}

TEST_F(ErrorReportWindowTest, WorksOutTheProgramInfoOnlyAtTheFirstReport)
{
    pressContinue(0);
    report();
    programdir::setForTesting(env.programDir(), QStringLiteral("renamed"));
    pressContinue(0);
    report();
    EXPECT_EQ(labelText("lblProgInfo"), QStringLiteral("frostel  V6.1.601"));
}

TEST_F(ErrorReportWindowTest, KeepsAProgramInfoSetBeforeTheFirstReport)
{
    reporter.SetProgInfo(QStringLiteral("Frostel Deluxe"));
    pressContinue(0);
    report();
    EXPECT_EQ(labelText("lblProgInfo"), QStringLiteral("Frostel Deluxe"));
}

TEST_F(ErrorReportWindowTest, RestoresTheMousePointerBeforeShowing)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    whenShown([this] {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        continueButton(0)->click();
    });
    report();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

TEST_F(ErrorReportWindowTest, SavesTheProtocolWithTheTimeOfTheButtonPress)
{
    whenShown([this] {
        now = now.addSecs(3600);
        protocolButton(1)->click();
        EXPECT_TRUE(reporter.window()->isVisible()); // only a continue button closes it
        continueButton(1)->click();
    });
    report();

    const QByteArray saved = readFile(savedPath());
    EXPECT_EQ(protocolTime(QString::fromLatin1(saved)), QStringLiteral("03-07-2024 / 10:05:04"));
    EXPECT_EQ(protocolTime(QString::fromLatin1(readFile(logPath()))),
              QStringLiteral("03-07-2024 / 09:05:04"));
    EXPECT_TRUE(saved.endsWith("\r\n\r\n"));
    ASSERT_EQ(env.dialogs.questions.size(), 1); // no file to overwrite: no question
    const auto& told = env.dialogs.questions.first();
    EXPECT_EQ(told.text, QStringLiteral("Das Fehlerprotokoll wurde in die Datei '%1' geschrieben!"
                                        "\r\nError protocoll was written to file '%1'!")
                             .arg(savedPath()));
    EXPECT_EQ(told.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(told.title, QStringLiteral("Frostel"));
}

TEST_F(ErrorReportWindowTest, AsksBeforeReplacingASavedProtocol)
{
    writeFile(savedPath(), "old");
    env.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes, Dialogs::Answer::Ok};
    whenShown([this] {
        protocolButton(1)->click();
        EXPECT_EQ(readFile(savedPath()), QByteArray("old"));
        EXPECT_EQ(env.dialogs.questions.size(), 1);
        protocolButton(1)->click();
        continueButton(0)->click();
    });
    report();

    EXPECT_TRUE(readFile(savedPath()).contains("Such_Wort"));
    ASSERT_EQ(env.dialogs.questions.size(), 3);
    const auto& question = env.dialogs.questions[0];
    EXPECT_EQ(question.text, QStringLiteral("Vorhandene Datei '%1' überschreiben?\r\n"
                                            "Overwrite file '%1' ?")
                                 .arg(savedPath()));
    EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(env.dialogs.questions[2].text.startsWith(QStringLiteral("Das Fehlerprotokoll")));
}

TEST_F(ErrorReportWindowTest, ClaimsNoSuccessWhenTheProtocolCannotBeWritten)
{
    ASSERT_TRUE(QDir(env.programDir()).mkdir(QStringLiteral("frostel.ERR")));
    whenShown([this] {
        protocolButton(1)->click();
        continueButton(0)->click();
    });
    report();
    ASSERT_EQ(env.dialogs.questions.size(), 1); // the overwrite question only
    EXPECT_TRUE(env.dialogs.questions[0].text.startsWith(QStringLiteral("Vorhandene Datei")));
}

TEST_F(ErrorReportWindowTest, AProtocolSaveOnAFullDiskKeepsTheOldFileAndClaimsNothing)
{
    const QByteArray old = "an old protocol that must stay whole\r\n";
    writeFile(savedPath(), old);
    whenShown([this] {
        const FileSizeLimit full(100); // the protocol is longer than this
        protocolButton(1)->click();
        continueButton(0)->click();
    });
    report();
    EXPECT_EQ(readFile(savedPath()), old);
    ASSERT_EQ(env.dialogs.questions.size(), 1); // the overwrite question only
    EXPECT_TRUE(env.dialogs.questions[0].text.startsWith(QStringLiteral("Vorhandene Datei")));
    EXPECT_EQ(QDir(env.programDir()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"frostel.EPT", "frostel.ERR"}));
}

TEST_F(ErrorReportWindowTest, AFifoAtTheLogNeitherBlocksTheReportNorIsWrittenInto)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(logPath()).constData(), 0644), 0);
    pressContinue(1);
    EXPECT_EQ(report(), ErrorChoice::Ignore);
    EXPECT_FALSE(QFileInfo(logPath()).isFile());
}

TEST_F(ErrorReportWindowTest, MailExplainsThenCopiesTheProtocolAndOpensTheSupportAddress)
{
    QString protocol;
    whenShown([&] {
        protocol = reporter.window()->BuildProtocol();
        protocolButton(2)->click();
        continueButton(0)->click();
    });
    report();

    ASSERT_EQ(env.dialogs.questions.size(), 1);
    const QStringList advice = env.dialogs.questions[0].text.split(crlf);
    ASSERT_EQ(advice.size(), 12);
    EXPECT_EQ(advice[0], QStringLiteral("Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die "
                                        "Fehlerbeschreibung sowie das Fehlerprotokoll"));
    EXPECT_EQ(advice[5], QStringLiteral("einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü "
                                        "'Bearbeiten' ausführen."));
    EXPECT_TRUE(advice[6].isEmpty() && advice[7].isEmpty() && advice[9].isEmpty());
    EXPECT_EQ(advice[11],
              QStringLiteral("use the menu or toolbar command of your email program. "));
    EXPECT_EQ(env.desktop.clipboard, protocol);
    EXPECT_EQ(env.desktop.opened,
              QStringList{QStringLiteral("mailto:support@kestrelsoft.example")});
}

TEST_F(ErrorReportWindowTest, WwwCopiesTheProtocolAndOpensTheHomePageSilently)
{
    whenShown([this] {
        protocolButton(3)->click();
        continueButton(0)->click();
    });
    report();
    EXPECT_TRUE(env.desktop.clipboard.contains(QStringLiteral("\tSuch_Wort\r\n")));
    EXPECT_EQ(env.desktop.opened, QStringList{QStringLiteral("https://www.kestrelsoft.example/")});
    EXPECT_TRUE(env.dialogs.questions.isEmpty());
}

TEST_F(ErrorReportWindowTest, PrintsTheProtocolAsOneJobEndingInABlankLine)
{
    whenShown([this] {
        protocolButton(0)->click();
        continueButton(0)->click();
    });
    report();
    ASSERT_EQ(env.desktop.printed.size(), 1);
    const QStringList& lines = env.desktop.printed.first();
    EXPECT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[9], QString(10, u' ') + QStringLiteral("Prozedur / procedure:\tSuch_Wort "));
    EXPECT_EQ(lines.last(), QStringLiteral(" "));
}

// In its fixed German and English pairs, as the window shows them.
TEST_F(ErrorReportWindowTest, ScreenReadersHearEveryFrameAndButtonByName)
{
    whenShown([this] {
        for (QWidget* part : reporter.window()->findChildren<QWidget*>()) {
            if (qobject_cast<QGroupBox*>(part) || qobject_cast<QPushButton*>(part)) {
                EXPECT_FALSE(accessibleName(part).isEmpty()) << part->objectName().toStdString();
            }
        }
        EXPECT_EQ(accessibleName(child<QGroupBox>("framComment")), "Hinweis / Note");
        EXPECT_EQ(accessibleName(continueButton(0)), "Wiederholen Retry");
        continueButton(2)->click();
    });
    report();
}

#include "errorreportwindow.h"

#include "desktop/desktop.h"
#include "desktop/dialogs.h"
#include "desktop/services.h"
#include "errors/errorprotocol.h"
#include "files/programdir.h"
#include "files/regularfile.h"
#include "files/systeminfo.h"
#include "widgets/focusring.h"
#include "widgets/wrappingbuttons.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

const QString lineBreak = QStringLiteral("\r\n");
const QString messageTitle = QStringLiteral("Frostel");

// Design geometry in pixels at 96 dots per inch, relative to the frame.
constexpr int frameWidth = 481;
constexpr int buttonWidth = 89;
constexpr int buttonHeight = 33;
constexpr int buttonTop = 16;
constexpr std::array<int, 4> buttonLefts = {16, 136, 256, 376};
constexpr std::array<int, 4> rowTops = {16, 64, 80, 96};

constexpr std::array<const char*, 4> protocolCaptions = {"&Drucken/Print", "&Speichern/Save",
                                                         "&EMail", "&WWW"};
// The runs of blanks put the two words on two lines of the button.
constexpr std::array<const char*, 4> continueCaptions = {
    "Wieder&holen Retry", "&Ignorieren   Ignore", "&Abbrechen Cancel", "&Beenden       End"};
constexpr std::array<const char*, 4> rowTitles = {
    "Fehler-Nr / error :", "Modul:", "Prozedur / procedure:", "Zeile / Line:"};

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, int height)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->resize(frameWidth, height);
    return frame;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

QString numbered(const QString& prefix, std::size_t index)
{
    return prefix + QString::number(index);
}

QString emailAdvice()
{
    return QStringList{
        QStringLiteral("Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die "
                       "Fehlerbeschreibung sowie das Fehlerprotokoll"),
        QStringLiteral("wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert."),
        QString(),
        QStringLiteral("Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem "
                       "Sie in Ihrem Email-Programm"),
        QStringLiteral("die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können "
                       "Sie den Inhalt in die EMail"),
        QStringLiteral("einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' "
                       "ausführen."),
        QString(),
        QString(),
        QStringLiteral("Your email application will be started. The error description will be "
                       "copied to the clipboard."),
        QString(),
        QStringLiteral("Please insert the contents of the clipboard into the message body by "
                       "using Ctrl + V or "),
        QStringLiteral("use the menu or toolbar command of your email program. ")}
        .join(lineBreak);
}

} // namespace

ErrorReportWindow::ErrorReportWindow(MakerAddresses maker, Now now)
    : maker_(std::move(maker)), now_(std::move(now))
{
    setObjectName(QStringLiteral("frmError"));
    setWindowTitle(QStringLiteral("Fehler / Error! "));
    // The design sizes hold the texts at the classic dialog font size.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    createFrames();
    keepFocusVisible(this);
}

void ErrorReportWindow::createFrames()
{
    framComment = makeFrame(this, QStringLiteral("framComment"), QString(), 65);
    // The frame shows no caption; a screen reader names it all the same.
    framComment->setAccessibleName(QStringLiteral("Hinweis / Note"));
    lblComment = makeLabel(framComment, QStringLiteral("lblComment"), QRect(8, 16, 457, 41));
    lblComment->setWordWrap(true);

    framFehler = makeFrame(this, QStringLiteral("framFehler"),
                           QStringLiteral("Fehlerbeschreibung / error description:"), 113);
    createErrorRows();

    framProgInfo =
        makeFrame(this, QStringLiteral("framProgInfo"), QStringLiteral("Programm-Info:"), 41);
    lblProgInfo = makeLabel(framProgInfo, QStringLiteral("lblProgInfo"), QRect(2, 16, 474, 13));

    framProtocol = makeFrame(this, QStringLiteral("framProtocol"),
                             QStringLiteral("Fehlerprotokoll ... / error protocoll..."), 57);
    cmdProtocol = createButtonRow(framProtocol, QStringLiteral("cmdProtocol"), protocolCaptions);

    framContinue = makeFrame(this, QStringLiteral("framContinue"),
                             QStringLiteral("Weiterer Programmablauf... / Continue..."), 57);
    cmdContinue = createButtonRow(framContinue, QStringLiteral("cmdContinue"), continueCaptions);

    for (std::size_t i = 0; i < 4; ++i) {
        const int index = static_cast<int>(i);
        connect(cmdProtocol[i], &QPushButton::clicked, this,
                [this, index] { cmdProtocol_Click(index); });
        connect(cmdContinue[i], &QPushButton::clicked, this,
                [this, index] { cmdContinue_Click(index); });
    }
}

void ErrorReportWindow::createErrorRows()
{
    for (std::size_t row = 0; row < 4; ++row) {
        lblErrTitel[row] = makeLabel(framFehler, numbered(QStringLiteral("lblErrTitel"), row),
                                     QRect(8, rowTops[row], 120, 17));
        lblErrTitel[row]->setText(QString::fromUtf8(rowTitles[row]));
        lblError[row] = makeLabel(framFehler, numbered(QStringLiteral("lblError"), row),
                                  QRect(128, rowTops[row], 0, 17));
    }
    // A long description wraps inside the first row's room.
    lblError[0]->resize(347, 45);
    lblError[0]->setWordWrap(true);
    lblError[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

std::array<QPushButton*, 4>
ErrorReportWindow::createButtonRow(QGroupBox* frame, const QString& namePrefix,
                                   const std::array<const char*, 4>& captions)
{
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new WrappingPushButton(QString::fromUtf8(captions[i]), frame);
        buttons[i]->setObjectName(numbered(namePrefix, i));
        buttons[i]->setAutoDefault(false);
        buttons[i]->setGeometry(buttonLefts[i], buttonTop, buttonWidth, buttonHeight);
    }
    return buttons;
}

ErrorChoice ErrorReportWindow::OnError(const QString& AktModul, const QString& AktProc,
                                       const RunTimeError& error)
{
    fillErrorRows(AktModul, AktProc, error);
    if (lblProgInfo->text().isEmpty())
        SetProgInfo(errorprotocol::programInfo(programdir::baseName()));
    restoreMousePointer();
    ArrangeFrames();
    errorprotocol::appendToLog(errorprotocol::logFilePath(), BuildProtocol());
    services::desktop().beep();
    exec();
    return static_cast<ErrorChoice>(choice_);
}

void ErrorReportWindow::fillErrorRows(const QString& AktModul, const QString& AktProc,
                                      const RunTimeError& error)
{
    lblError[0]->setText(QString::number(error.number()) + QStringLiteral(" (") +
                         error.description() + u')');
    lblError[1]->setText(AktModul);
    lblError[2]->setText(AktProc);
    lblError[3]->setText(QString::number(error.line()));
    for (std::size_t row = 1; row < lblError.size(); ++row)
        lblError[row]->adjustSize();
}

void ErrorReportWindow::SetProgInfo(const QString& Text)
{
    lblProgInfo->setText(Text);
}

void ErrorReportWindow::restoreMousePointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void ErrorReportWindow::ArrangeFrames()
{
    framComment->setVisible(true);
    framComment->move(0, 0);
    int top = framComment->height();
    lblComment->setText(
        QStringLiteral(
            "There is a problem. Please contact the author if this problem appears again.") +
        lineBreak +
        QStringLiteral("Es liegt ein Problem vor, mit dem Sie sich an den technischen Support "
                       "wenden sollten, falls es wiederholt auftritt."));
    for (QGroupBox* frame : {framFehler, framProgInfo, framProtocol}) {
        frame->setVisible(true);
        frame->move(0, top);
        top += frame->height();
    }
    for (QPushButton* button : cmdProtocol)
        button->setVisible(true);
    framContinue->move(0, top);
    top += framContinue->height();
    for (QPushButton* button : cmdContinue)
        button->setVisible(true);
    // resize() sets the client area; the frame around it is the system's.
    resize(framFehler->width(), top);
    centreOnScreen();
}

void ErrorReportWindow::centreOnScreen()
{
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return;
    // The platform knows the frame around the window only once it exists.
    create();
    const QRect area = shownOn->geometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

QString ErrorReportWindow::BuildProtocol() const
{
    errorprotocol::WindowTexts texts;
    texts.errorFrameCaption = framFehler->title();
    texts.progInfoFrameCaption = framProgInfo->title();
    texts.progInfo = lblProgInfo->text();
    for (std::size_t row = 0; row < 4; ++row) {
        texts.rowTitles[row] = lblErrTitel[row]->text();
        texts.rowValues[row] = lblError[row]->text();
    }
    return errorprotocol::build(texts, now_(), platform::systemVersion());
}

void ErrorReportWindow::cmdProtocol_Click(int index)
{
    // Built afresh, so it carries the time of the button press.
    const QString protocol = BuildProtocol();
    switch (index) {
    case 0:
        printProtocol(protocol);
        break;
    case 1:
        saveProtocol(protocol);
        break;
    case 2:
        mailProtocol(protocol);
        break;
    case 3:
        openHomePage(protocol);
        break;
    }
}

void ErrorReportWindow::cmdContinue_Click(int index)
{
    choice_ = static_cast<qint16>(index);
    hide();
}

// Closing the window is a way out, not another Retry: the same report would come
// straight back and log yet another protocol.
void ErrorReportWindow::reject()
{
    choice_ = static_cast<qint16>(ErrorChoice::Cancel);
    QDialog::reject();
}

void ErrorReportWindow::printProtocol(const QString& protocol)
{
    services::desktop().printLines(errorprotocol::printerLines(protocol));
}

void ErrorReportWindow::saveProtocol(const QString& protocol)
{
    const QString path = errorprotocol::protocolFilePath();
    Dialogs& dialogs = services::dialogs();
    // Anything at the name is replaced, a link that leads nowhere included.
    if (regularfile::existsAtName(path)) {
        const QString question = QStringLiteral("Vorhandene Datei '%1' überschreiben?").arg(path) +
                                 lineBreak + QStringLiteral("Overwrite file '%1' ?").arg(path);
        if (dialogs.messageBox(this, question, Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                               messageTitle) != Dialogs::Answer::Yes)
            return;
    }
    if (!errorprotocol::writeProtocolFile(path, protocol))
        return;
    const QString done =
        QStringLiteral("Das Fehlerprotokoll wurde in die Datei '%1' geschrieben!").arg(path) +
        lineBreak + QStringLiteral("Error protocoll was written to file '%1'!").arg(path);
    dialogs.messageBox(this, done, Dialogs::Buttons::Ok, Dialogs::Icon::None, messageTitle);
}

void ErrorReportWindow::mailProtocol(const QString& protocol)
{
    services::dialogs().messageBox(this, emailAdvice(), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                   messageTitle);
    services::desktop().setClipboardText(protocol);
    services::desktop().openUrl(QStringLiteral("mailto:") + maker_.supportMail.trimmed());
}

void ErrorReportWindow::openHomePage(const QString& protocol)
{
    services::desktop().setClipboardText(protocol);
    services::desktop().openUrl(maker_.homePage);
}

WindowErrorReporter::WindowErrorReporter(MakerAddresses maker, ErrorReportWindow::Now now)
    : maker_(std::move(maker)), now_(std::move(now))
{}

WindowErrorReporter::~WindowErrorReporter() = default;

ErrorChoice WindowErrorReporter::OnError(const QString& module, const QString& procedure,
                                         const RunTimeError& error)
{
    return ensureWindow().OnError(module, procedure, error);
}

void WindowErrorReporter::SetProgInfo(const QString& text)
{
    ensureWindow().SetProgInfo(text);
}

ErrorReportWindow& WindowErrorReporter::ensureWindow()
{
    if (!window_)
        window_ = std::make_unique<ErrorReportWindow>(maker_, now_);
    return *window_;
}

#pragma once

#include "errors/errorreporter.h"

#include <QDateTime>
#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

// Where a protocol can be sent: the maker's support address and home page.
struct MakerAddresses
{
    QString supportMail;
    QString homePage;
};

// The modal window that reports a run-time failure: what failed and where, the
// program's version, four ways to pass on a protocol of the error and four ways
// to go on. Its texts are fixed German/English pairs in every interface language.
// It has no error handling of its own: a protocol that cannot be written,
// printed or handed on is skipped without a word.
class ErrorReportWindow : public QDialog
{
    Q_OBJECT

public:
    using Now = std::function<QDateTime()>;

    // `now` gives the date and time stamped on each protocol.
    explicit ErrorReportWindow(MakerAddresses maker, Now now = &QDateTime::currentDateTime);

    // Fills, arranges, logs and shows the window; returns the continue button
    // pressed, or Cancel when the window was closed another way.
    ErrorChoice OnError(const QString& AktModul, const QString& AktProc, const RunTimeError& error);

    void SetProgInfo(const QString& Text);
    void ArrangeFrames();
    QString BuildProtocol() const;

protected:
    // The close box and Esc.
    void reject() override;

private:
    void createFrames();
    void createErrorRows();
    std::array<QPushButton*, 4> createButtonRow(QGroupBox* frame, const QString& namePrefix,
                                                const std::array<const char*, 4>& captions);
    void fillErrorRows(const QString& AktModul, const QString& AktProc, const RunTimeError& error);
    void restoreMousePointer();
    void centreOnScreen();

    void cmdProtocol_Click(int index);
    void cmdContinue_Click(int index);
    void printProtocol(const QString& protocol);
    void saveProtocol(const QString& protocol);
    void mailProtocol(const QString& protocol);
    void openHomePage(const QString& protocol);

    MakerAddresses maker_;
    Now now_;
    qint16 choice_ = 0;

    QGroupBox* framComment;
    QLabel* lblComment;
    QGroupBox* framFehler;
    std::array<QLabel*, 4> lblErrTitel;
    std::array<QLabel*, 4> lblError;
    QGroupBox* framProgInfo;
    QLabel* lblProgInfo;
    QGroupBox* framProtocol;
    std::array<QPushButton*, 4> cmdProtocol;
    QGroupBox* framContinue;
    std::array<QPushButton*, 4> cmdContinue;
};

// The program's reporter: one window, created at the first report and kept
// hidden between reports, so its texts stay as last filled. Create it after
// the application object.
class WindowErrorReporter final : public ErrorReporter
{
public:
    explicit WindowErrorReporter(MakerAddresses maker,
                                 ErrorReportWindow::Now now = &QDateTime::currentDateTime);
    ~WindowErrorReporter() override;

    ErrorChoice OnError(const QString& module, const QString& procedure,
                        const RunTimeError& error) override;
    void SetProgInfo(const QString& text);

    ErrorReportWindow* window() const { return window_.get(); }

private:
    ErrorReportWindow& ensureWindow();

    MakerAddresses maker_;
    ErrorReportWindow::Now now_;
    std::unique_ptr<ErrorReportWindow> window_;
};

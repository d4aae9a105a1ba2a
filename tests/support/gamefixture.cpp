#include "gamefixture.h"

#include "board/board.h"
#include "board/pictures.h"
#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "game/game.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

GameFixture::GameFixture(const QStringList& vocabulary, const QByteArray& extraSettings)
{
    QDir(environment.programDir()).mkdir(QStringLiteral("deutsch"));
    QByteArray file;
    for (const QString& entry : vocabulary)
        file += cp1252::encode(entry) + "\r\n";
    writeFile(environment.programDir() + QStringLiteral("/deutsch/eisbold.dat"), file);
    writeFile(environment.settingsPath(),
              // The first of two equal keys counts, so the test's own settings come first.
              "[Window]\r\nStatus= 0\r\n[Einstellungen]\r\n" + extraSettings +
                  "Sound= 0\r\nMusic= 0\r\nAnzahl= 2\r\n[Optionen]\r\nSprache= 0\r\n");
    language::extractLanguageTable();
    language::LanguageOffset() = 0;
    window_ = std::make_unique<GameWindow>();
    window_->Form_Load();
    window_->showAsStored();
    QCoreApplication::processEvents();
}

GameFixture::~GameFixture()
{
    window_->game().stop();
    QDir::setCurrent(QStringLiteral(FROSTEL_BUILD_DIR));
}

Board& GameFixture::board()
{
    return window_->board();
}

Game& GameFixture::game()
{
    return window_->game();
}

void GameFixture::settle()
{
    // More steps than any test's game takes: a game that never comes to rest fails.
    for (int step = 0; step < 100000; ++step) {
        QCoreApplication::processEvents();
        if (pressNext_ && window_->isVisible() && board().nextWordButton()->isEnabled())
            QTest::keyClick(window_.get(), Qt::Key_Return);
        else if (!environment.clock.fireNext())
            return;
    }
    throw std::runtime_error("the game never comes to rest");
}

void GameFixture::start()
{
    game().PicBut_click(toolbar::Start);
    settle();
}

void GameFixture::switchLanguage(int index)
{
    game().imgLang_Click(index);
    settle();
}

void GameFixture::type(const QString& letters)
{
    for (const QChar letter : letters) {
        const int key = letter.toUpper().unicode(); // Qt's key codes follow Latin-1
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(window_.get(), &press);
        QCoreApplication::sendEvent(window_.get(), &release);
        settle();
    }
}

bool GameFixture::fieldShows(int index, const QPixmap& letter)
{
    QPixmap expected = board().field(0)->pixmap();
    const QSize margins = pictures::boardSize(expected) - pictures::boardSize(letter);
    QPainter painter(&expected);
    painter.drawPixmap(margins.width() / 2, margins.height() / 2, letter);
    painter.end();
    return board().field(index)->pixmap().toImage() == expected.toImage();
}

bool GameFixture::fieldIsEmpty(int index)
{
    return board().field(index)->pixmap().toImage() == board().field(0)->pixmap().toImage();
}

int GameFixture::visibleMarks(int player)
{
    int count = 0;
    for (int j = 0; j < Board::kMarksPerPlayer; ++j)
        count += board().scoreMark(player * Board::kMarksPerPlayer + j)->isHidden() ? 0 : 1;
    return count;
}

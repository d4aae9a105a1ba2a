#include "announcer.h"

#include "frame/languagetable.h"

#include <QAccessibleWidget>

#include <mutex>

namespace {

constexpr int kLetterFound = 440;
constexpr int kLetterMissing = 441;
constexpr int kYourTurn = 442;
constexpr int kWordFound = 443;
constexpr int kWordLostWithSolution = 444;
constexpr int kWordLost = 445;
constexpr int kGameWon = 446;
constexpr int kHint = 447;
constexpr int kNewWord = 448;

QAccessibleInterface* notificationOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
    return nullptr;
}

bool endsASentence(const QString& text)
{
    return text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?');
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&notificationOf); });
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Just outside the board: shown anew, it has nothing of the board to repaint.
    setGeometry(-1, -1, 1, 1);
    hide(); // until there is news
    moment_.setSingleShot(true);
    moment_.setInterval(0);
    connect(&moment_, &QTimer::timeout, this, &Announcer::announce);
}

void Announcer::follow(const BoardView& view)
{
    names_ = view.names;
    players_ = view.players;
}

QString Announcer::name(int player) const
{
    return player >= 0 && player < BoardView::kPlayers ? names_.at(player) : QString();
}

void Announcer::wordDealt(int lettersToGuess)
{
    tell(language::filled(kNewWord, lettersToGuess));
}

void Announcer::hintGiven(const QString& letter)
{
    tell(language::filled(kHint, letter));
}

void Announcer::guessed(const QString& letter, bool right)
{
    tell(language::filled(right ? kLetterFound : kLetterMissing, letter));
}

void Announcer::turnPassed(int player)
{
    // With one player the turn never passes to anyone else.
    if (players_ > 1)
        tell(language::filled(kYourTurn, name(player)));
}

void Announcer::wordWon(int player, const QString& word)
{
    tell(language::filled(kWordFound, name(player), word));
}

void Announcer::wordLost(const QString& word, bool solutionShown)
{
    tell(solutionShown ? language::filled(kWordLostWithSolution, word) : language::text(kWordLost));
}

void Announcer::gameWon(int player)
{
    tell(language::filled(kGameWon, name(player)));
}

void Announcer::tell(const QString& sentence)
{
    // What happens while the window is out of sight, as it loads, is no news.
    if (!window()->isVisible())
        return;
    news_.append(sentence);
    moment_.start();
}

void Announcer::announce()
{
    QString told;
    for (const QString& sentence : std::as_const(news_)) {
        if (!told.isEmpty())
            told += endsASentence(told) ? QStringLiteral(" ") : QStringLiteral(". ");
        told += sentence;
    }
    news_.clear();
    setAccessibleName(told);
    // Shown anew, the notification is spoken anew.
    hide();
    show();
}

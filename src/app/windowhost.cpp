#include "windowhost.h"

#include "board/board.h"
#include "desktop/dialogs.h"
#include "desktop/services.h"
#include "errors/runtimeerror.h"
#include "frame/languagetable.h"
#include "sound/sound.h"

#include <QApplication>

namespace {

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

} // namespace

bool WindowHost::askNewGame()
{
    return services::dialogs().messageBox(&window_, language::text(149), Buttons::YesNo,
                                          Icon::Question, QStringLiteral("Start")) == Answer::Yes;
}

bool WindowHost::askEndGame()
{
    return services::dialogs().messageBox(&window_, language::text(143), Buttons::YesNo,
                                          Icon::Question, language::text(144)) == Answer::Yes;
}

bool WindowHost::askLanguageSwitch(int index)
{
    // The warning in the language now and in the language chosen.
    const QString question = language::text(172) + QStringLiteral("\r\n\r\n") +
                             language::GetLang(toInt16(index * 1000 + 172));
    return services::dialogs().messageBox(&window_, question, Buttons::OkCancel, Icon::Question,
                                          language::text(100)) == Answer::Ok;
}

void WindowHost::announceWinner(int player)
{
    services::dialogs().messageBox(&window_, board_.shownName(player) + u'\r' + language::text(140),
                                   Buttons::Ok, Icon::Information, language::text(141));
}

bool WindowHost::askOnceAgain()
{
    return services::dialogs().messageBox(&window_, language::text(142), Buttons::YesNo,
                                          Icon::Question, QString()) == Answer::Yes;
}

void WindowHost::reportEmptyVocabulary()
{
    // While the game window loads it is not shown yet, and a box over it would
    // stand where that hidden window happens to be; without it the box stands in
    // the middle of the screen, over the splash.
    services::dialogs().messageBox(window_.isVisible() ? &window_ : nullptr,
                                   language::text(177) + QStringLiteral("\r\n") +
                                       language::text(178),
                                   Buttons::Ok, Icon::None, QStringLiteral("Frostel"));
}

void WindowHost::playSound(int id)
{
    PlayWAV(id);
}

void WindowHost::restartMusic()
{
    stopMusic();
    MakeMusic();
}

void WindowHost::showBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool WindowHost::gameShown() const
{
    return window_.isVisible();
}

bool WindowHost::wordFits(int length) const
{
    return length * board_.fieldPitch() <= board_.availableWidth();
}

#include "desktop/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Seen
{
    QString title;
    int width = 0;
};

// Looks at the box that the call opens, then closes it.
Seen whileShown(const std::function<void()>& open)
{
    Seen seen;
    QTimer look;
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen = {box->windowHandle()->title(), box->width()};
        box->reject();
    });
    look.start();
    open();
    return seen;
}

// A title in a bold font and, beside it, room for three buttons of the title bar.
int titleBarWidth(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 3 * metrics.height();
}

} // namespace

TEST(QtDialogs, AnEmptyTitleShowsNothingRatherThanTheProgramsName)
{
    QtDialogs dialogs;
    const Seen question = whileShown([&] {
        dialogs.messageBox(nullptr, "Once again?", Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                           QString());
    });
    EXPECT_TRUE(question.title.trimmed().isEmpty()) << qPrintable(question.title);
    EXPECT_FALSE(question.title.isEmpty()) << "an empty title is filled with the program's name";
}

TEST(QtDialogs, ABoxIsAtLeastAsWideAsItsTitle)
{
    QtDialogs dialogs;
    const QString title = QStringLiteral("Protection par mot de passe");
    const Seen input =
        whileShown([&] { dialogs.inputBox(nullptr, "Entrez le mot de passe", title); });
    EXPECT_EQ(input.title, title);
    EXPECT_GE(input.width, titleBarWidth(title));

    const Seen box = whileShown([&] {
        dialogs.messageBox(nullptr, "Faux !", Dialogs::Buttons::Ok, Dialogs::Icon::None, title);
    });
    EXPECT_GE(box.width, titleBarWidth(title));
}

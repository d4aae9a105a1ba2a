#include "desktop/dialogs.h"

#include "frame/languagetable.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Seen
{
    QString title;
    int width = 0;
    QString name;         // the box's, as a screen reader hears it
    QStringList pictures; // the names of the pictures it shows
    QString entry;        // the name of its entry line
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
        seen = {box->windowHandle()->title(), box->width(), accessibleName(box), {}, {}};
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                seen.pictures.append(accessibleName(label));
        }
        if (auto* entry = box->findChild<QLineEdit*>())
            seen.entry = accessibleName(entry);
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

// The box as a screen reader meets it: named by its title, or by the program's
// when it has none, its icon named by what it asks, its entry by the prompt.
TEST(QtDialogs, ScreenReadersHearTheBoxTheIconAndTheEntryByName)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    language::LanguageOffset() = 0;
    QtDialogs dialogs;
    const Seen untitled = whileShown([&] {
        dialogs.messageBox(nullptr, "Noch 'ne Runde?", Dialogs::Buttons::YesNo,
                           Dialogs::Icon::Question, QString());
    });
    EXPECT_EQ(untitled.name, "Eisbold");
    EXPECT_EQ(untitled.pictures, QStringList({"Frage"}));

    language::LanguageOffset() = 1000;
    const Seen information = whileShown([&] {
        dialogs.messageBox(nullptr, "won!", Dialogs::Buttons::Ok, Dialogs::Icon::Information,
                           "Yippieh!");
    });
    EXPECT_EQ(information.name, "Yippieh!");
    EXPECT_EQ(information.pictures, QStringList({"Information"}));

    const Seen input = whileShown(
        [&] { dialogs.inputBox(nullptr, "Please enter password", "Password protection"); });
    EXPECT_EQ(input.name, "Password protection");
    EXPECT_EQ(input.entry, "Please enter password");
    language::LanguageOffset() = 0;
}

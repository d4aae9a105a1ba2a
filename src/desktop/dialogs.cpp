#include "dialogs.h"

#include "frame/languagetable.h"
#include "widgets/focusring.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

constexpr int kProgramTitle = 100;
constexpr int kQuestionIcon = 403;
constexpr int kInformationIcon = 404;

// The window manager draws the title in its own font, commonly a bold one, and
// puts its buttons beside it; a box narrower than that cuts its title off.
int titleBarWidth(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

// A window with an empty title is given the program's name by the platform; a
// blank shows nothing.
QString shownTitle(const QString& title)
{
    return title.isEmpty() ? QStringLiteral(" ") : title;
}

// A screen reader names a box by its title; one without is the program's.
void nameForScreenReaders(QMessageBox& box, const QString& title, Dialogs::Icon icon)
{
    if (title.isEmpty())
        box.setAccessibleName(language::text(kProgramTitle));
    if (icon == Dialogs::Icon::None)
        return;
    // The box shows its icon in a label of its own.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            label->setAccessibleName(
                language::text(icon == Dialogs::Icon::Question ? kQuestionIcon : kInformationIcon));
    }
}

} // namespace

Dialogs::Answer QtDialogs::messageBox(QWidget* parent, const QString& text, Buttons buttons,
                                      Icon icon, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(shownTitle(title));
    // Texts break their lines the Windows way (CR LF, or a lone CR).
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    box.setIcon(icon == Icon::Question      ? QMessageBox::Question
                : icon == Icon::Information ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
    box.setStandardButtons(buttons == Buttons::Ok ? QMessageBox::StandardButtons(QMessageBox::Ok)
                           : buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                          : QMessageBox::Yes | QMessageBox::No);
    nameForScreenReaders(box, title, icon);
    keepFocusVisible(&box);
    // The message box sizes itself to its layout, so the room for the title goes in there.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(title), 0, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtDialogs::inputBox(QWidget* parent, const QString& prompt, const QString& title)
{
    QInputDialog box(parent);
    box.setWindowTitle(shownTitle(title));
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    // The input box takes its width from its entry line.
    if (auto* entry = box.findChild<QLineEdit*>())
        entry->setMinimumWidth(titleBarWidth(title));
    keepFocusVisible(&box);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

#include "widgets/accessibility.h"

#include "support/testsupport.h"

#include <QDialog>
#include <QFocusFrame>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <mutex>

TEST(Accessibility, ACaptionIsReadWithoutItsAccessKeyMark)
{
    using accessibility::withoutAccessKey;
    EXPECT_EQ(withoutAccessKey("&Players:"), "Players:");
    EXPECT_EQ(withoutAccessKey("Wort&schatz:"), "Wortschatz:");
    EXPECT_EQ(withoutAccessKey("Repeat"), "Repeat");
    EXPECT_EQ(withoutAccessKey("Salt && &Pepper"), "Salt & Pepper");
    EXPECT_EQ(withoutAccessKey("Dangling&"), "Dangling");
    EXPECT_EQ(withoutAccessKey(QString()), QString());
}

namespace {

const QString kDecorated = QStringLiteral("decorated window");

// Answers for the test's window alone, known by its name.
QAccessibleInterface* decoratedWindow(const QString&, QObject* object)
{
    if (object->objectName() == kDecorated)
        return accessibility::withoutDecoration(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

TEST(Accessibility, DecorationIsLeftOutOfTheTreeAndTheRestKeepsItsOrder)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&decoratedWindow); });
    QDialog window;
    window.setObjectName(kDecorated);
    auto* before = new QLabel(QStringLiteral("Before"), &window);
    auto* picture = new QLabel(&window);
    accessibility::setDecorative(picture);
    auto* after = new QPushButton(QStringLiteral("After"), &window);
    new QFocusFrame(&window); // Qt leaves focus frames out too

    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(tree->role(), QAccessible::Dialog);
    ASSERT_EQ(tree->childCount(), 2);
    EXPECT_EQ(tree->child(0)->object(), before);
    EXPECT_EQ(tree->child(1)->object(), after);
    EXPECT_EQ(tree->child(2), nullptr);
    EXPECT_EQ(tree->indexOfChild(tree->child(1)), 1);
    EXPECT_EQ(tree->indexOfChild(QAccessible::queryAccessibleInterface(picture)), -1);
    EXPECT_FALSE(accessibility::isDecorative(after));
}

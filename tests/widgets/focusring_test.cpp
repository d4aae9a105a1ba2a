#include "widgets/focusring.h"

#include <QCheckBox>
#include <QDialog>
#include <QFocusFrame>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A window with the three kinds of control: one the style marks itself, two it
// does not.
struct Window
{
    Window()
    {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(box);
        layout->addWidget(arrows);
        layout->addWidget(list);
        arrows->setFocusPolicy(Qt::StrongFocus);
        list->addItem(QStringLiteral("one"));
    }

    void show()
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QDialog dialog;
    QCheckBox* box = new QCheckBox(QStringLiteral("Box"));
    QScrollBar* arrows = new QScrollBar(Qt::Vertical);
    QListWidget* list = new QListWidget;
};

QImage shot(QWidget& window)
{
    return window.grab().toImage();
}

} // namespace

TEST(FocusRing, SurroundsTheControlsOnWhichTheStyleShowsNoFocus)
{
    Window window;
    keepFocusVisible(&window.dialog);
    window.show();
    const auto* ring = window.dialog.findChild<QFocusFrame*>();
    ASSERT_NE(ring, nullptr);

    window.arrows->setFocus();
    EXPECT_EQ(ring->widget(), window.arrows);
    EXPECT_TRUE(ring->isVisible());
    // Drawn just outside the control, in the colour of the selection.
    const QImage image = shot(window.dialog);
    const QPoint outside = window.arrows->geometry().topLeft() + QPoint(-1, 5);
    EXPECT_EQ(image.pixelColor(outside), window.dialog.palette().color(QPalette::Highlight));

    window.list->setFocus();
    EXPECT_EQ(ring->widget(), window.list);
    window.box->setFocus();
    EXPECT_FALSE(ring->isVisible());

    // A control of another window leaves the ring where it was.
    Window other;
    keepFocusVisible(&other.dialog);
    window.arrows->setFocus();
    other.show();
    other.list->setFocus();
    EXPECT_EQ(ring->widget(), window.arrows);
}

// The style draws the focus of a check box only once a key has moved it.
TEST(FocusRing, TheStyleMarksTheFocusedCheckBoxBeforeAnyKey)
{
    Window plain;
    plain.show();
    plain.box->setFocus();
    const QImage unmarked = plain.box->grab().toImage();

    Window kept;
    keepFocusVisible(&kept.dialog);
    kept.show();
    kept.box->setFocus();
    EXPECT_NE(kept.box->grab().toImage(), unmarked);
    kept.list->setFocus();
    EXPECT_EQ(kept.box->grab().toImage(), unmarked);
}

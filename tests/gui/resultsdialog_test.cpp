// The Game Results dialog: who stands where on the podium after a three- and
// a two-player game.

#include "dialogs/picturebox.h"
#include "dialogs/resultsdialog.h"
#include "resources/artwork.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

class ResultsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < PictureCount; ++i)
            pictures[i] = art::playerPicture(i);
        for (int p = 0; p < PlayerCount; ++p)
            icons[p] = art::playerIcon(p);
        state.slots[0].name = "Human";
        state.slots[0].picture = 3;
        state.slots[1].name = "Silicon";
        state.slots[1].picture = 5;
        state.slots[2].name = "Positron";
        state.slots[2].picture = 0;
        state.gameOver = 1;
    }

    std::unique_ptr<ResultsDialog> open()
    {
        auto dialog = std::make_unique<ResultsDialog>(state, pictures, icons, nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    template <class T>
    static T* child(const QWidget& dialog, const QString& name)
    {
        T* widget = dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // What one place shows: number, name, icon, picture and whether its
    // controls are enabled.
    struct Shown {
        QString number;
        QString name;
        qint64 icon = 0;
        const QPixmap* picture = nullptr;
        bool enabled = false;
        QPoint at;
    };
    static Shown shown(const QWidget& dialog, const char* place)
    {
        const QString key = QLatin1String(place);
        Shown s;
        auto* number = child<QLabel>(dialog, key + "Number");
        auto* name = child<QLabel>(dialog, key + "Name");
        auto* icon = child<QLabel>(dialog, key + "Icon");
        auto* picture = child<PictureBox>(dialog, key + "Picture");
        if (!number || !name || !icon || !picture)
            return s;
        s.number = number->text();
        s.name = name->text();
        s.icon = icon->pixmap().cacheKey();
        s.picture = picture->picture();
        s.enabled = number->isEnabled() && name->isEnabled() && icon->isEnabled() && picture->isEnabled();
        s.at = picture->mapTo(&dialog, QPoint(0, 0));
        return s;
    }

    GameState state = initialGameState();
    QPixmap pictures[PictureCount];
    QPixmap icons[PlayerCount];
};

TEST_F(ResultsDialogTest, ThreePlayersStandInFinishingOrder)
{
    state.finishOrder[0] = 1;
    state.finishOrder[1] = 2;
    state.finishOrder[2] = 0;
    state.finishCount = 3;
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Game Results"));
    EXPECT_EQ(child<QLabel>(*dialog, "firstHeading")->text(), QStringLiteral("First Place"));
    EXPECT_EQ(child<QLabel>(*dialog, "secondHeading")->text(), QStringLiteral("Second Place"));
    EXPECT_EQ(child<QLabel>(*dialog, "thirdHeading")->text(), QStringLiteral("Third Place"));

    const Shown first = shown(*dialog, "first");
    EXPECT_EQ(first.number, QStringLiteral("Player #2:"));
    EXPECT_EQ(first.name, QStringLiteral("Silicon"));
    EXPECT_EQ(first.icon, icons[1].cacheKey());
    EXPECT_EQ(first.picture, &pictures[5]);
    EXPECT_TRUE(first.enabled);

    const Shown second = shown(*dialog, "second");
    EXPECT_EQ(second.number, QStringLiteral("Player #3:"));
    EXPECT_EQ(second.name, QStringLiteral("Positron"));
    EXPECT_EQ(second.icon, icons[2].cacheKey());
    EXPECT_EQ(second.picture, &pictures[0]) << "a computer player shows the Computer picture";

    const Shown third = shown(*dialog, "third");
    EXPECT_EQ(third.number, QStringLiteral("Player #1:"));
    EXPECT_EQ(third.name, QStringLiteral("Human"));
    EXPECT_EQ(third.icon, icons[0].cacheKey());
    EXPECT_EQ(third.picture, &pictures[3]);
    EXPECT_TRUE(third.enabled);

    // Second on the left, first in the middle and highest, third on the
    // right and lowest.
    EXPECT_LT(second.at.x(), first.at.x());
    EXPECT_LT(first.at.x(), third.at.x());
    EXPECT_LT(first.at.y(), second.at.y());
    EXPECT_LT(second.at.y(), third.at.y());

    dialog->grab().save(QStringLiteral(SCREENSHOT_DIR "/results-three.png"));
    child<QPushButton>(*dialog, "okButton")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

// Four and six players: the podium holds the first three, the others are
// listed below it in their order; a three-player game lists nobody.
TEST_F(ResultsDialogTest, PlacesAfterTheThirdAreListedBelowThePodium)
{
    for (int players : {4, 6}) {
        SCOPED_TRACE(players);
        const int seats4[] = {4, 0, 3, 1};
        const int seats6[] = {5, 2, 4, 0, 3, 1};
        const int* order = players == 4 ? seats4 : seats6;
        state = initialGameState();
        for (int p = 0; p < PlayerCount; ++p)
            state.slots[p].active = players == 6 || p % 3 != 2 ? 1 : 0;
        state.gameOver = 1;
        for (int place = 0; place < players; ++place)
            state.finishOrder[place] = static_cast<uint16_t>(order[place]);
        state.finishCount = static_cast<uint16_t>(players);
        auto dialog = open();
        EXPECT_EQ(shown(*dialog, "first").name, QString::fromLatin1(initialGameState().slots[order[0]].name.c_str()));
        EXPECT_EQ(shown(*dialog, "third").number, QStringLiteral("Player #%1:").arg(order[2] + 1));
        const QWidget* podium = child<QLabel>(*dialog, "thirdHeading")->parentWidget();
        int lastY = podium->mapTo(dialog.get(), QPoint(0, podium->height())).y();
        for (int place = 3; place < players; ++place) {
            auto* name = child<QLabel>(*dialog, QStringLiteral("place%1Name").arg(place + 1));
            auto* placeLabel = child<QLabel>(*dialog, QStringLiteral("place%1").arg(place + 1));
            ASSERT_TRUE(name && placeLabel);
            EXPECT_EQ(name->text(), QString::fromLatin1(initialGameState().slots[order[place]].name.c_str()));
            EXPECT_EQ(placeLabel->text(), QStringLiteral("%1th").arg(place + 1));
            const int y = name->mapTo(dialog.get(), QPoint(0, 0)).y();
            EXPECT_GE(y, lastY) << "below the podium and the place before";
            EXPECT_TRUE(dialog->rect().contains(QRect(name->mapTo(dialog.get(), QPoint(0, 0)), name->size())));
            lastY = y + name->height();
        }
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("place%1Name").arg(players + 1)), nullptr);
        dialog->grab().save(QStringLiteral(SCREENSHOT_DIR "/results-%1.png").arg(players));
    }
    state.finishCount = 3;
    EXPECT_EQ(open()->findChild<QWidget*>("otherPlaces"), nullptr);
}

TEST_F(ResultsDialogTest, TwoPlayerGameLeavesTheThirdPlaceEmptyAndGreyed)
{
    state.slots[1].active = 0;
    state.finishOrder[0] = 2;
    state.finishOrder[1] = 0;
    state.finishOrder[2] = 1; // left over, not a place
    state.finishCount = 2;
    auto dialog = open();

    const Shown first = shown(*dialog, "first");
    EXPECT_EQ(first.number, QStringLiteral("Player #3:"));
    EXPECT_EQ(first.name, QStringLiteral("Positron"));
    EXPECT_EQ(first.picture, &pictures[0]);
    const Shown second = shown(*dialog, "second");
    EXPECT_EQ(second.number, QStringLiteral("Player #1:"));
    EXPECT_EQ(second.icon, icons[0].cacheKey());
    EXPECT_TRUE(second.enabled);

    const Shown third = shown(*dialog, "third");
    EXPECT_FALSE(third.enabled);
    EXPECT_EQ(third.number, QStringLiteral("Player #?:"));
    EXPECT_TRUE(third.name.isEmpty());
    EXPECT_EQ(third.icon, 0) << "no icon";
    EXPECT_EQ(third.picture, nullptr);
    EXPECT_TRUE(child<QLabel>(*dialog, "thirdHeading")->isVisible());

    dialog->grab().save(QStringLiteral(SCREENSHOT_DIR "/results-two.png"));
}

// A name is shown as typed, and every step's place number stands out from
// its metal (or from the grey of the empty third step): the darkest figure
// pixels on a step differ from the step's own colour by a wide margin.
TEST_F(ResultsDialogTest, NamesArePlainTextAndPlaceNumbersAreLegible)
{
    state.slots[1].active = 0;
    state.slots[2].name = "<u>Bob";
    state.finishOrder[0] = 2;
    state.finishOrder[1] = 0;
    state.finishCount = 2;
    auto dialog = open();
    auto* name = child<QLabel>(*dialog, "firstName");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_EQ(name->text(), QStringLiteral("<u>Bob"));

    QWidget* podium = child<QWidget>(*dialog, "podium");
    ASSERT_NE(podium, nullptr);
    const QImage image = podium->grab().toImage();
    for (const char* place : {"first", "second", "third"}) {
        const QRect column = child<QWidget>(*dialog, QLatin1String(place) + "Column")->geometry();
        // The step under the column, from its top to the podium's bottom.
        const QRect step(column.left(), column.bottom() + 4, column.width(), image.height() - column.bottom() - 6);
        const QColor ground = image.pixelColor(step.left() + 4, step.center().y());
        int darkest = 255;
        for (int y = step.top(); y <= step.bottom(); ++y)
            for (int x = step.left(); x <= step.right(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        EXPECT_GT(qGray(ground.rgb()) - darkest, 110) << place << ": the number is hard to read";
    }
}

} // namespace

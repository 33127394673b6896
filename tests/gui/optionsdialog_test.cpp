// The Change Options dialog: the enabling of the player controls, the
// wallpaper arrows, what OK and Cancel write back, and the preview's tiling.

#include "dialogs/optionsdialog.h"
#include "resources/artwork.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int w = 0; w < art::WallpaperCount; ++w)
            wallpapers[w] = art::wallpaper(w);
        for (int p = 0; p < PlayerCount; ++p)
            icons[p] = art::playerIcon(p);
        state.animationSpeed = 0;
        state.soundEnabled = 1;
        state.slots[0].autoReposition = 1;
        state.slots[0].preferredView = 3;
        state.slots[1].autoReposition = 0;
        state.slots[1].preferredView = 4;
        state.slots[2].active = 0;
        state.slots[2].autoReposition = 1;
        state.slots[2].preferredView = 2;
    }

    void open(int wallpaper = 0)
    {
        dialog = std::make_unique<OptionsDialog>(state, wallpaper, wallpapers, icons, nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <class T>
    T* child(const char* name) const
    {
        T* widget = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QCheckBox* reposition(int player) const
    {
        return child<QCheckBox>(("repositionCheck" + std::to_string(player)).c_str());
    }
    QComboBox* viewList(int player) const { return child<QComboBox>(("viewList" + std::to_string(player)).c_str()); }

    // Every change the dialog allows, made through its controls.
    void changeEverything()
    {
        child<QRadioButton>("flickeryRadio")->click();
        child<QCheckBox>("soundCheck")->click();
        reposition(1)->click();
        reposition(2)->click();
        viewList(2)->setCurrentIndex(5);
        child<QPushButton>("wallpaperDownButton")->click();
    }

    GameState state = initialGameState();
    QPixmap wallpapers[art::WallpaperCount];
    QPixmap icons[PlayerCount];
    std::unique_ptr<OptionsDialog> dialog;
};

// At a table of four the four players' groups show, two columns of them,
// and OK writes a fourth seat's view; the classic table shows only its three.
TEST_F(OptionsDialogTest, ABiggerTableShowsAGroupForEachPlayerTakingPart)
{
    open();
    EXPECT_EQ(dialog->findChild<QGroupBox*>("playerGroup4"), nullptr);
    EXPECT_NE(dialog->findChild<QGroupBox*>("playerGroup3"), nullptr) << "the classic three, taking part or not";

    for (int p = 0; p < PlayerCount; ++p)
        state.slots[p].active = p % 3 != 2 ? 1 : 0;
    open();
    for (int p : {1, 2, 4, 5})
        EXPECT_NE(dialog->findChild<QGroupBox*>(QStringLiteral("playerGroup%1").arg(p)), nullptr) << p;
    for (int p : {3, 6})
        EXPECT_EQ(dialog->findChild<QGroupBox*>(QStringLiteral("playerGroup%1").arg(p)), nullptr) << p;
    const QWidget* first = child<QGroupBox>("playerGroup1");
    const QWidget* fifth = child<QGroupBox>("playerGroup5");
    EXPECT_GT(fifth->x(), first->x() + first->width() / 2) << "the second column";
    reposition(5)->click();
    viewList(5)->setCurrentIndex(1);
    child<QPushButton>("okButton")->click();
    EXPECT_EQ(state.slots[4].autoReposition, 1);
    EXPECT_EQ(state.slots[4].preferredView, 1);
}

TEST_F(OptionsDialogTest, ShowsTheOptionsAndEnablesThePlayerControlsByTheRule)
{
    state.animationSpeed = 1;
    state.soundEnabled = 0;
    open(1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Change Options"));
    EXPECT_TRUE(child<QRadioButton>("flickeryRadio")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("smoothRadio")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("soundCheck")->isChecked());
    EXPECT_EQ(reposition(1)->text(), QStringLiteral("Automatic board re-position"));
    EXPECT_EQ(viewList(1)->count(), 6);
    EXPECT_EQ(viewList(1)->itemText(5), QStringLiteral("Upper-Right"));

    EXPECT_TRUE(reposition(1)->isChecked());
    EXPECT_TRUE(reposition(1)->isEnabled());
    EXPECT_TRUE(viewList(1)->isEnabled());
    EXPECT_EQ(viewList(1)->currentIndex(), 3);
    EXPECT_TRUE(reposition(2)->isEnabled());
    EXPECT_FALSE(viewList(2)->isEnabled()) << "player 2 does not re-position";
    EXPECT_EQ(viewList(2)->currentIndex(), 4);
    EXPECT_FALSE(reposition(3)->isEnabled()) << "player 3 is out of the game";
    EXPECT_FALSE(viewList(3)->isEnabled());

    // The check box drives its list at once.
    reposition(1)->click();
    EXPECT_FALSE(viewList(1)->isEnabled());
    reposition(1)->click();
    EXPECT_TRUE(viewList(1)->isEnabled());
    reposition(2)->click();
    EXPECT_TRUE(viewList(2)->isEnabled());

    dialog->grab().save(QStringLiteral(SCREENSHOT_DIR "/options.png"));
}

TEST_F(OptionsDialogTest, WallpaperArrowsWrapAroundAndHandTheFocusToOk)
{
    open(0);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    auto* up = child<QPushButton>("wallpaperUpButton");
    auto* down = child<QPushButton>("wallpaperDownButton");
    EXPECT_EQ(up->text(), QStringLiteral("/\\"));
    EXPECT_EQ(down->text(), QStringLiteral("\\/"));

    up->setFocus();
    up->click();
    EXPECT_EQ(dialog->wallpaperIndex(), 2);
    EXPECT_TRUE(child<QPushButton>("okButton")->hasFocus());
    up->click();
    EXPECT_EQ(dialog->wallpaperIndex(), 1);
    down->click();
    down->click();
    EXPECT_EQ(dialog->wallpaperIndex(), 0);
    down->click();
    EXPECT_EQ(dialog->wallpaperIndex(), 1);

    open(7);
    EXPECT_EQ(dialog->wallpaperIndex(), 0) << "an unknown wallpaper shows the first";
}

TEST_F(OptionsDialogTest, CancelKeepsTheWallpaperChoiceButWritesNoOption)
{
    const GameState before = state;
    open(2);
    changeEverything();
    child<QPushButton>("cancelButton")->click();

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(dialog->wallpaperIndex(), 0);
    EXPECT_EQ(state.animationSpeed, before.animationSpeed);
    EXPECT_EQ(state.soundEnabled, before.soundEnabled);
    for (int p = 0; p < DesignSeatCount; ++p) {
        EXPECT_EQ(state.slots[p].autoReposition, before.slots[p].autoReposition) << p;
        EXPECT_EQ(state.slots[p].preferredView, before.slots[p].preferredView) << p;
    }
}

TEST_F(OptionsDialogTest, OkWritesEveryOption)
{
    open(1);
    changeEverything();
    child<QPushButton>("okButton")->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->wallpaperIndex(), 2);
    EXPECT_EQ(state.animationSpeed, 1);
    EXPECT_EQ(state.soundEnabled, 0);
    EXPECT_EQ(state.slots[0].autoReposition, 0);
    EXPECT_EQ(state.slots[0].preferredView, 3);
    EXPECT_EQ(state.slots[1].autoReposition, 1);
    EXPECT_EQ(state.slots[1].preferredView, 5);
    EXPECT_EQ(state.slots[2].autoReposition, 1) << "an absent player's options stay as they were";
    EXPECT_EQ(state.slots[2].preferredView, 2);
}

// A tile marked red at its top-left and green at its bottom-right pixel.
QPixmap markedTile(int size, qreal ratio)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    const int dot = static_cast<int>(ratio);
    painter.fillRect(0, 0, dot, dot, Qt::red);
    painter.fillRect(size - dot, size - dot, dot, dot, Qt::green);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

QList<QPoint> pixelsOf(const QImage& image, QColor colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                found.append(QPoint(x, y));
    return found;
}

TEST_F(OptionsDialogTest, PreviewTilesFromItsTopLeftWithTheTilesOwnSize)
{
    // 16 x 16 tiles, drawn at one or two device pixels per pixel.
    for (qreal ratio : {1.0, 2.0}) {
        const QPixmap tile = markedTile(static_cast<int>(16 * ratio), ratio);
        const QPixmap tiles[3] = {tile, tile, tile};
        OptionsDialog options(state, 0, tiles, icons, nullptr);
        auto* preview = options.findChild<QWidget*>(QStringLiteral("wallpaperPreview"));
        ASSERT_NE(preview, nullptr);
        preview->setFixedSize(117, 81);
        const QImage shot = preview->grab().toImage();
        ASSERT_EQ(shot.size(), QSize(117, 81));

        // 8 columns by 6 rows start in the area; the last column shows 5
        // pixels and the last row 1, so their far corners are cut off.
        QList<QPoint> starts, ends;
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 8; ++column) {
                starts.append(QPoint(16 * column, 16 * row));
                if (column < 7 && row < 5)
                    ends.append(QPoint(16 * column + 15, 16 * row + 15));
            }
        EXPECT_EQ(pixelsOf(shot, Qt::red), starts) << "ratio " << ratio;
        EXPECT_EQ(pixelsOf(shot, Qt::green), ends) << "ratio " << ratio;
    }
}

} // namespace

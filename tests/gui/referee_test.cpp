// The referee: its text-changed rule, how long texts are shortened, its
// outline and face, where the pupils look, and what the window draws.

#include "referee/refereegeometry.h"
#include "referee/refereetext.h"
#include "referee/refereewindow.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

TEST(RefereeTextTest, FlagFollowsRealChangesOnly)
{
    RefereeText text;
    EXPECT_FALSE(text.changed());

    text.setLine(0, QStringLiteral("abc"));
    EXPECT_TRUE(text.takeChanged());
    EXPECT_FALSE(text.changed());

    text.setLine(0, QStringLiteral("abc"));
    EXPECT_FALSE(text.changed()) << "the same text again is no change";

    text.setLine(0, QStringLiteral("ab"));
    EXPECT_TRUE(text.changed()) << "a shorter text is a change";
    EXPECT_EQ(text.line(0), QStringLiteral("ab"));
}

TEST(RefereeTextTest, LineNumbersOutsideTheFourAreIgnored)
{
    RefereeText text;
    text.setLine(-1, QStringLiteral("x"));
    text.setLine(4, QStringLiteral("x"));
    EXPECT_FALSE(text.changed());
    for (int i = 0; i < RefereeLineCount; ++i)
        EXPECT_TRUE(text.line(i).isEmpty());
}

TEST(RefereeTextTest, EmptyingALineIsAChange)
{
    RefereeText text;
    text.setLine(3, QString());
    EXPECT_FALSE(text.changed()) << "an empty line set to empty";
    text.setLine(3, QStringLiteral("x"));
    text.takeChanged();
    text.setLine(3, QString());
    EXPECT_TRUE(text.changed());
}

TEST(FitRefereeLineTest, ShortTextsStayAsTheyAre)
{
    const QString full(31, QLatin1Char('n'));
    EXPECT_EQ(fitRefereeLine(full), full);
    EXPECT_EQ(fitRefereeLine(QStringLiteral("100% sure")), QStringLiteral("100% sure"));
    EXPECT_EQ(fitRefereeLine(QString()), QString());
}

TEST(FitRefereeLineTest, LongTextsKeepThirtyCharactersAndAnEllipsis)
{
    const QString name = QStringLiteral("Bartholomew Maximilian von Habsburg-Lorraine");
    const QString fitted = fitRefereeLine(name);
    EXPECT_EQ(fitted.size(), RefereeLineLength);
    EXPECT_EQ(fitted.left(30), name.left(30));
    EXPECT_EQ(fitted.back(), QChar(0x2026));
    EXPECT_EQ(fitRefereeLine(QString(32, QLatin1Char('x'))).size(), RefereeLineLength);
}

TEST(FitRefereeLineTest, NeverSplitsACharacterOfTwoUnits)
{
    // 29 letters, then a character outside the basic plane (two units).
    const QString text = QString(29, QLatin1Char('a')) + QString::fromUcs4(U"\U0001F600") + QStringLiteral("tail");
    const QString fitted = fitRefereeLine(text);
    EXPECT_LE(fitted.size(), RefereeLineLength);
    EXPECT_FALSE(fitted.at(fitted.size() - 2).isHighSurrogate());
    EXPECT_EQ(fitted, QString(29, QLatin1Char('a')) + QChar(0x2026));
}

TEST(FitRefereeLineTest, ControlCharactersBecomeBlanks)
{
    EXPECT_EQ(fitRefereeLine(QStringLiteral("Ann\nBob\t!")), QStringLiteral("Ann Bob !"));
}

TEST(RefereeGeometryTest, OutlineScalesWithTheScreen)
{
    const RefereeOutline o = refereeOutline(1600, 1000);
    EXPECT_EQ(o.width, 296);
    EXPECT_EQ(o.height, 300);
    EXPECT_EQ(o.ellipse, QRect(QPoint(5, 150), QPoint(290, 294)));
    EXPECT_EQ(o.roundedRect, QRect(QPoint(5, 2), QPoint(290, 164)));
    EXPECT_EQ(o.cornerWidth, 74);
    EXPECT_EQ(o.cornerHeight, 75);
}

TEST(RefereeGeometryTest, PupilRestsThreePixelsInsideTheRimTowardThePointer)
{
    const RefereeFace f = refereeFace(296, 279);
    const QPoint c = f.eyeCentre[0];
    const int reachX = f.eyeHalfWidth - f.pupilHalfWidth - 3;
    const int reachY = f.eyeHalfHeight - f.pupilHalfHeight - 3;

    const QPoint left = pupilCentre(f, 0, QPoint(-500, 0));
    EXPECT_EQ(left, QPoint(c.x() - reachX, c.y()));
    EXPECT_EQ(left.x() - f.pupilHalfWidth, c.x() - f.eyeHalfWidth + 3) << "edge 3 pixels inside the rim";

    const QPoint right = pupilCentre(f, 0, QPoint(500, 0));
    EXPECT_EQ(right.x() + f.pupilHalfWidth, c.x() + f.eyeHalfWidth - 3);

    // Straight up and down the angle is a hair off a right angle, and the
    // cut toward zero may then lose one pixel.
    const QPoint above = pupilCentre(f, 0, QPoint(0, -1));
    EXPECT_NEAR(above.x(), c.x(), 1);
    EXPECT_EQ(above.y(), c.y() - reachY) << "pointer straight above";
    const QPoint onCentre = pupilCentre(f, 0, QPoint(0, 0));
    EXPECT_EQ(onCentre.x(), c.x());
    EXPECT_NEAR(onCentre.y(), c.y() + reachY, 1) << "pointer on the centre: straight below";
}

TEST(RefereeGeometryTest, PupilKeepsItsFullOffsetHoweverNearThePointer)
{
    const RefereeFace f = refereeFace(296, 279);
    EXPECT_EQ(pupilCentre(f, 1, QPoint(-1, 0)), pupilCentre(f, 1, QPoint(-900, 0)));
    const QPoint diagonal = pupilCentre(f, 1, QPoint(100, 100));
    const QPoint c = f.eyeCentre[1];
    EXPECT_GT(diagonal.x(), c.x());
    EXPECT_GT(diagonal.y(), c.y());
}

class RefereeWindowTest : public ::testing::Test {
protected:
    QWidget owner;
    RefereeWindow referee{&owner};

    QPoint clientToGlobal(QPoint p) { return referee.mapToGlobal(p + referee.clientRect().topLeft()); }
    QImage picture() { return referee.grab().toImage(); }
};

TEST_F(RefereeWindowTest, IsAHiddenToolWindowOwnedByTheMainWindow)
{
    EXPECT_FALSE(referee.isVisible());
    EXPECT_EQ(referee.parentWidget(), &owner);
    EXPECT_TRUE(referee.isWindow());
    EXPECT_EQ(referee.windowType(), Qt::Tool);
    EXPECT_EQ(referee.windowTitle(), QStringLiteral("   The Referee"));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(referee.width(), int(screen.width() * 0.185));
    EXPECT_EQ(referee.height(), int(screen.height() * 0.3));
}

TEST_F(RefereeWindowTest, ShapeIsTheHeadAndTheCaptionLiesInsideIt)
{
    const QRegion shape = referee.shape();
    const int w = referee.width(), h = referee.height();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, h - 1)));
    EXPECT_FALSE(shape.contains(QPoint(6, h - 7))) << "the lower corners are cut away by the ellipse";
    EXPECT_TRUE(shape.contains(QPoint(w / 2, h - 7)));
    EXPECT_TRUE(shape.contains(QPoint(6, h / 3)));
    EXPECT_TRUE(shape.contains(QPoint(w / 2, 3))) << "the caption bar's middle is inside the shape";
    EXPECT_GT(referee.clientRect().top(), 2);
    EXPECT_EQ(referee.clientRect().bottom(), h - 1);
}

TEST_F(RefereeWindowTest, ShowTextDrawsOnlyAfterAChange)
{
    EXPECT_FALSE(referee.showText());
    referee.setLine(0, QStringLiteral("WELCOME"));
    EXPECT_TRUE(referee.showText());
    EXPECT_FALSE(referee.showText());
    referee.setLine(0, QStringLiteral("WELCOME"));
    EXPECT_FALSE(referee.showText());
    referee.setLine(7, QStringLiteral("ignored"));
    EXPECT_FALSE(referee.showText());
    EXPECT_EQ(referee.line(0), QStringLiteral("WELCOME"));
    EXPECT_TRUE(referee.line(7).isEmpty());
}

TEST_F(RefereeWindowTest, EyesRedrawOnlyWhenThePointerMovedOrWhenForced)
{
    QCursor::setPos(clientToGlobal(referee.face().eyeCentre[0] + QPoint(-400, 0)));
    EXPECT_TRUE(referee.updateEyes(true));
    EXPECT_FALSE(referee.updateEyes(false)) << "pointer still: the timer draws nothing";
    EXPECT_TRUE(referee.updateEyes(true));
    QCursor::setPos(QCursor::pos() + QPoint(0, 1));
    EXPECT_TRUE(referee.updateEyes(false));
}

TEST_F(RefereeWindowTest, PupilsLookAtThePointerAndAreDrawnBlackInWhiteEyes)
{
    const RefereeFace& f = referee.face();
    const QPoint leftEye = f.eyeCentre[0];
    const int reach = f.eyeHalfWidth - f.pupilHalfWidth - 3;
    QCursor::setPos(clientToGlobal(leftEye + QPoint(-300, 0)));
    referee.updateEyes(true);
    EXPECT_EQ(referee.pupil(0), QPoint(leftEye.x() - reach, leftEye.y()));

    const QImage image = picture();
    const QPoint offset = referee.clientRect().topLeft();
    EXPECT_EQ(QColor(image.pixel(referee.pupil(0) + offset)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(leftEye + offset + QPoint(f.eyeHalfWidth - 6, 0))), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(offset + QPoint(3, referee.clientRect().height() / 2))), QColor(128, 64, 0));

    QCursor::setPos(clientToGlobal(leftEye + QPoint(300, 0)));
    referee.updateEyes(false);
    EXPECT_EQ(referee.pupil(0).x(), leftEye.x() + reach);
    EXPECT_NEAR(referee.pupil(0).y(), leftEye.y(), 1);
}

TEST_F(RefereeWindowTest, AnEmptyLineKeepsItsSlot)
{
    const RefereeFace& f = referee.face();
    const int top = referee.clientRect().top() + f.textTop;
    const QRect secondLine(0, top + f.linePitch, referee.width(), f.linePitch);

    referee.setLine(1, QStringLiteral("Move"));
    const QImage withoutFirst = picture().copy(secondLine);
    referee.setLine(0, QStringLiteral("Move"));
    const QImage full = picture();
    EXPECT_EQ(full.copy(secondLine), withoutFirst);
    EXPECT_NE(full.copy(secondLine.translated(0, -f.linePitch)), withoutFirst.copy())
        << "the first line now shows text";
}

TEST_F(RefereeWindowTest, ALongTextStaysInsideTheHead)
{
    referee.setLine(2, QString(40, QLatin1Char('W')));
    const QImage image = picture();
    const RefereeFace& f = referee.face();
    const int top = referee.clientRect().top() + f.textTop + 2 * f.linePitch;
    const QRegion shape = referee.shape();
    for (int y = top; y < top + f.linePitch; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)) == QColor(Qt::white)) {
                ASSERT_TRUE(shape.contains(QPoint(x, y))) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(referee.line(2).size(), RefereeLineLength);
}

TEST_F(RefereeWindowTest, CanBeDraggedByItsCaptionOnly)
{
    referee.move(200, 100);
    const QPoint onCaption(referee.width() / 2, referee.clientRect().top() / 2);
    auto drag = [this](QPoint from, QPoint by) {
        const QPoint global = referee.mapToGlobal(from);
        QMouseEvent press(QEvent::MouseButtonPress, from, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&referee, &press);
        QMouseEvent move(QEvent::MouseMove, from + by, global + by, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&referee, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, from + by, global + by, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&referee, &release);
    };
    drag(onCaption, QPoint(30, 20));
    EXPECT_EQ(referee.pos(), QPoint(230, 120));
    drag(referee.face().eyeCentre[0] + referee.clientRect().topLeft(), QPoint(30, 20));
    EXPECT_EQ(referee.pos(), QPoint(230, 120)) << "the face does not move the window";
}

} // namespace

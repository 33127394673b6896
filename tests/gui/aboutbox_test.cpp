// The About box's text files (the 30,719-byte cut, the zero byte, missing
// files) and the playing rules window.

#include "dialogs/aboutbox.h"
#include "dialogs/ruleswindow.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

class AboutFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString shown(const AboutBox& box, const char* name)
    {
        auto* edit = box.findChild<QPlainTextEdit*>(QLatin1String(name));
        return edit ? edit->toPlainText() : QStringLiteral("<no such box>");
    }
};

TEST_F(AboutFilesTest, TextIsCutAfter30719Bytes)
{
    const QByteArray exact(30719, 'a');
    EXPECT_EQ(readAboutText(write(QStringLiteral("exact.txt"), exact)), exact);

    const QByteArray longer = exact + 'b';
    EXPECT_EQ(readAboutText(write(QStringLiteral("longer.txt"), longer)), exact);

    const QByteArray huge(200000, 'c');
    EXPECT_EQ(readAboutText(write(QStringLiteral("huge.txt"), huge)).size(), 30719);
}

TEST_F(AboutFilesTest, TextEndsAtAZeroByte)
{
    QByteArray bytes("first part");
    bytes.append('\0');
    bytes.append("hidden part");
    EXPECT_EQ(readAboutText(write(QStringLiteral("zero.txt"), bytes)), QByteArray("first part"));

    QByteArray leading(1, '\0');
    leading.append("all hidden");
    EXPECT_TRUE(readAboutText(write(QStringLiteral("leading.txt"), leading)).isEmpty());
}

TEST_F(AboutFilesTest, MissingOrEmptyFilesGiveNoText)
{
    EXPECT_TRUE(readAboutText(dir.filePath(QStringLiteral("absent.txt"))).isEmpty());
    EXPECT_TRUE(readAboutText(write(QStringLiteral("empty.txt"), QByteArray())).isEmpty());
    EXPECT_TRUE(readAboutText(dir.path()).isEmpty()) << "a folder is no text file";
}

TEST_F(AboutFilesTest, BoxShowsBothFilesOfItsFolder)
{
    write(QStringLiteral("README.TXT"), "Tavolux read me\r\nsecond line\n");
    QByteArray license("Licence text");
    license.append('\0');
    license.append("after the zero");
    write(QStringLiteral("LICENSE.TXT"), license);

    AboutBox box(dir.path(), nullptr);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Tavolux"));
    EXPECT_TRUE(shown(box, "readmeText").startsWith(QStringLiteral("Tavolux read me")));
    EXPECT_TRUE(shown(box, "readmeText").contains(QStringLiteral("second line")));
    EXPECT_EQ(shown(box, "licenseText"), QStringLiteral("Licence text"));
    auto* title = box.findChild<QLabel*>(QStringLiteral("titleText"));
    ASSERT_NE(title, nullptr);
    const QString bits = sizeof(void*) == 8 ? QStringLiteral("64") : QStringLiteral("32");
    EXPECT_EQ(title->text(), QStringLiteral("Tavolux (%1-bit)\nVersion 1.32").arg(bits));
    EXPECT_TRUE(box.findChild<QPlainTextEdit*>(QStringLiteral("readmeText"))->isReadOnly());
}

TEST_F(AboutFilesTest, BoxWithoutFilesOpensEmpty)
{
    AboutBox box(dir.path(), nullptr);
    EXPECT_TRUE(shown(box, "readmeText").isEmpty());
    EXPECT_TRUE(shown(box, "licenseText").isEmpty());
}

TEST_F(AboutFilesTest, FilesAreReadAnewEachTime)
{
    write(QStringLiteral("README.TXT"), "old");
    {
        AboutBox first(dir.path(), nullptr);
        EXPECT_EQ(shown(first, "readmeText"), QStringLiteral("old"));
    }
    write(QStringLiteral("README.TXT"), "new");
    AboutBox second(dir.path(), nullptr);
    EXPECT_EQ(shown(second, "readmeText"), QStringLiteral("new"));
}

TEST(RulesWindowTest, ShowsTheShippedRulesInOneWindow)
{
    QWidget owner;
    RulesWindow* first = RulesWindow::showFor(&owner);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());
    const QString text = first->browser()->toPlainText();
    for (const char* topic : {"Jumps", "Where a piece may stop", "Winning and places", "Playing with the mouse",
                            "Playing with the keyboard"})
        EXPECT_TRUE(text.contains(QLatin1String(topic))) << topic;

    first->close();
    EXPECT_EQ(RulesWindow::showFor(&owner), first) << "asking again reuses the window";
    EXPECT_TRUE(first->isVisible());
}

} // namespace

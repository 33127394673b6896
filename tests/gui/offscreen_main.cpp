// Entry point of the widget tests: one QApplication for the whole run, on
// the offscreen platform unless the environment chooses another. The run
// gets folders of its own for settings, data, cache and home, whatever the
// environment names, so that no test sees or touches what an earlier run or
// the player left behind. The texts are the English ones whatever language
// the person running the tests prefers, unless a test names the language it
// expects in TAVOLUX_TEST_LANGUAGE (and sets LANG and LANGUAGE to match).

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TAVOLUX_TEST_LANGUAGE"))
        qputenv("LANGUAGE", "en");
    QTemporaryDir own;
    if (!own.isValid())
        return 2;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "HOME"}) {
        const QString folder = own.filePath(QString::fromLatin1(variable).toLower());
        QDir().mkpath(folder);
        qputenv(variable, folder.toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

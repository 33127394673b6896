#pragma once
// The About box: the program's name and version, its icon, and the two text
// files that come with the program, read from the program's folder anew each
// time the box opens. A missing file leaves its box empty.

#include <QDialog>
#include <QIcon>

class QLabel;
class QVBoxLayout;

namespace tavolux {

// Most bytes of one text file the box shows.
constexpr qint64 AboutTextLimit = 30719;

// The first 30,719 bytes of a file, ended early at a zero byte; empty when
// the file cannot be read.
QByteArray readAboutText(const QString& path);

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // Reads README.TXT and LICENSE.TXT from `folder`.
    AboutBox(const QString& folder, QWidget* parent);

    void setIcon(const QIcon& icon);

private:
    void addTextFile(QVBoxLayout* layout, const QString& fileName, const QString& title,
                     const QString& objectName);

    QString folder_;
    QLabel* iconFrame_ = nullptr;
};

} // namespace tavolux

#include "dialogs/aboutbox.h"

#include "dialogs/accessibletexts.h"

#include "dialogs/dialogframe.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tavolux {

namespace {

// Dialog units of the box's font: a quarter of the average character width
// across, an eighth of the character height down.
struct DialogUnits {
    double x;
    double y;
    int width(int units) const { return static_cast<int>(units * x); }
    int height(int units) const { return static_cast<int>(units * y); }
};

DialogUnits dialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    return {metrics.averageCharWidth() / 4.0, metrics.height() / 8.0};
}

// Columns of text a box shows without wrapping: the width of the texts
// that come with the program.
constexpr int TextColumns = 64;

QFont boxFont()
{
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFrame* etchedLine()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QByteArray readAboutText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(AboutTextLimit);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

AboutBox::AboutBox(const QString& folder, QWidget* parent) : QDialog(parent), folder_(folder)
{
    setWindowTitle(tr("About Tavolux"));
    useDialogFrame(this);
    setFont(boxFont());
    const DialogUnits du = dialogUnits(font());

    iconFrame_ = new QLabel;
    iconFrame_->setObjectName(QStringLiteral("iconFrame"));
    iconFrame_->setFixedSize(du.width(44), du.height(44));
    iconFrame_->setScaledContents(true);

    auto* titleGroup = new QGroupBox;
    // The title line names the build's word size.
    auto* title = new QLabel(sizeof(void*) == 8 ? tr("Tavolux (64-bit)\nVersion 1.32")
                                                : tr("Tavolux (32-bit)\nVersion 1.32"));
    title->setObjectName(QStringLiteral("titleText"));
    auto* titleLayout = new QVBoxLayout(titleGroup);
    titleLayout->addWidget(title);

    auto* top = new QHBoxLayout;
    top->addWidget(iconFrame_);
    top->addWidget(titleGroup, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(etchedLine());
    addTextFile(layout, QStringLiteral("README.TXT"), tr("README.TXT"), QStringLiteral("readmeText"));
    addTextFile(layout, QStringLiteral("LICENSE.TXT"), tr("LICENSE.TXT"), QStringLiteral("licenseText"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    resize(du.width(225), du.height(234));
    AccessibleTexts::describeDialog(this);
}

void AboutBox::addTextFile(QVBoxLayout* layout, const QString& fileName, const QString& title,
                           const QString& objectName)
{
    auto* label = new QLabel(title);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);

    auto* edit = new QPlainTextEdit;
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setAccessibleName(title);
    edit->setAccessibleDescription(tr("A text that comes with the program"));
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QString(TextColumns, QLatin1Char('0')))
                          + edit->verticalScrollBar()->sizeHint().width() + 2 * edit->frameWidth() + 8);
    edit->setPlainText(QString::fromUtf8(readAboutText(QDir(folder_).filePath(fileName))));
    layout->addWidget(edit, 1);
}

void AboutBox::setIcon(const QIcon& icon)
{
    iconFrame_->setPixmap(icon.pixmap(iconFrame_->size(), devicePixelRatioF()));
}

} // namespace tavolux

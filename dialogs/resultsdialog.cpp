#include "dialogs/resultsdialog.h"

#include "dialogs/accessibletexts.h"
#include "dialogs/dialogframe.h"
#include "dialogs/dialogunits.h"
#include "dialogs/picturebox.h"
#include "lang/gametexts.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace tavolux {

namespace {

enum Place { FirstPlace, SecondPlace, ThirdPlace, PlaceCount };

// A place nobody took: the third of a two-player game.
constexpr int NoPlayer = PlayerCount;

// Left to right on the podium: second, first, third.
constexpr Place ColumnOrder[PlaceCount] = {SecondPlace, FirstPlace, ThirdPlace};

// How far each place stands below the winner, in dialog units.
constexpr int Lowering[PlaceCount] = {0, 8, 16};
constexpr int ColumnWidth = 80;  // the picture's width
constexpr int ColumnGap = 8;     // between two columns
constexpr int LowestStep = 14;   // height of the third place's step
constexpr int StepGap = 3;       // between a column's name and its step

constexpr int IconSize = 32;     // pixels, the player icons' size

const char* const PlaceKeys[PlaceCount] = {"first", "second", "third"};

// Gold, silver and bronze.
const QColor StepColours[PlaceCount] = {QColor(0xe6, 0xc2, 0x4f), QColor(0xc4, 0xca, 0xd2), QColor(0xcf, 0x93, 0x5c)};

// The place number on a step: near black on metal, dark grey on the grey of
// a place nobody took.
QColor placeNumberColour(bool taken)
{
    return taken ? QColor(0x2b, 0x1d, 0x0e) : QColor(0x4a, 0x4a, 0x4a);
}

// The controls of one place, under their column.
struct PlaceControls {
    QWidget* column = nullptr;
    PictureBox* picture = nullptr;
    QLabel* icon = nullptr;
    QLabel* number = nullptr;
    QLabel* name = nullptr;
};

QString placeName(Place place, const char* control)
{
    return QLatin1String(PlaceKeys[place]) + QLatin1String(control);
}

QLabel* namedLabel(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText); // names are never read as markup
    return label;
}

// One column: the heading centred over the picture, then the icon under the
// picture's left edge with the number and the name beside it.
PlaceControls buildColumn(Place place, const QString& heading, const QString& unknownNumber, QWidget* parent)
{
    PlaceControls c;
    c.column = new QWidget(parent);
    c.column->setObjectName(placeName(place, "Column"));

    auto* title = namedLabel(heading, placeName(place, "Heading"), c.column);
    title->setAlignment(Qt::AlignHCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    c.picture = new PictureBox(c.column);
    c.picture->setObjectName(placeName(place, "Picture"));

    c.icon = namedLabel(QString(), placeName(place, "Icon"), c.column);
    c.icon->setFixedSize(IconSize, IconSize);

    const int columnWidth = dialogUnits(parent, ColumnWidth, 0).width();
    const int textGap = dialogUnits(parent, 4, 0).width();
    c.number = namedLabel(unknownNumber, placeName(place, "Number"), c.column);
    c.name = namedLabel(QString(), placeName(place, "Name"), c.column);
    for (QLabel* label : {c.number, c.name})
        label->setFixedWidth(columnWidth - IconSize - textGap);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(c.number);
    texts->addWidget(c.name);
    texts->addStretch();
    auto* player = new QHBoxLayout;
    player->setSpacing(textGap);
    player->addWidget(c.icon, 0, Qt::AlignTop);
    player->addLayout(texts);

    auto* layout = new QVBoxLayout(c.column);
    layout->setContentsMargins(0, dialogUnits(parent, 0, Lowering[place]).height(), 0, 0);
    layout->setSpacing(dialogUnits(parent, 0, 1).height());
    layout->addWidget(title);
    layout->addWidget(c.picture);
    layout->addLayout(player);
    c.column->setFixedWidth(columnWidth);
    return c;
}

// The three columns side by side, each standing on a step in the metal of
// its place; the step of a place nobody took is grey.
class Podium : public QWidget {
public:
    explicit Podium(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("podium")); }

    void setColumn(Place place, QWidget* column, bool taken)
    {
        columns_[place] = column;
        taken_[place] = taken;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int half = dialogUnits(this, ColumnGap, 0).width() / 2;
        const int gap = dialogUnits(this, 0, StepGap).height();
        for (int place = 0; place < PlaceCount; ++place) {
            const QRect c = columns_[place]->geometry();
            const int top = c.bottom() + gap;
            drawStep(painter, QRect(c.left() - half, top, c.width() + 2 * half, height() - top),
                     static_cast<Place>(place));
        }
    }

private:
    void drawStep(QPainter& painter, const QRect& step, Place place)
    {
        const QColor base = taken_[place] ? StepColours[place] : palette().color(QPalette::Disabled, QPalette::Button);
        QLinearGradient shade(step.topLeft(), step.bottomLeft());
        shade.setColorAt(0, base.lighter(112));
        shade.setColorAt(1, base.darker(112));
        painter.fillRect(step, shade);
        painter.fillRect(QRect(step.left(), step.top(), step.width(), 3), base.lighter(135));
        painter.setPen(QPen(base.darker(150), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(step).adjusted(0.5, 0.5, -0.5, -0.5));

        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(dialogUnits(this, 0, LowestStep).height() * 2 / 3);
        painter.setFont(font);
        // Engraved: a light line under dark figures, legible on every metal
        // and on the grey of an empty place.
        const QRect figure = step.adjusted(0, 2, 0, 0);
        const QString number = QString::number(place + 1);
        painter.setPen(base.lighter(140));
        painter.drawText(figure.translated(0, 1), Qt::AlignCenter, number);
        painter.setPen(placeNumberColour(taken_[place]));
        painter.drawText(figure, Qt::AlignCenter, number);
    }

    QWidget* columns_[PlaceCount] = {};
    bool taken_[PlaceCount] = {};
};

// The places after the third, one line each: the place, the player's icon,
// number and name; nullptr when nobody finished after the third.
QWidget* buildOtherPlaces(const GameState& state, const QPixmap* playerIcons)
{
    if (state.finishCount <= PlaceCount)
        return nullptr;
    auto* list = new QWidget;
    list->setObjectName(QStringLiteral("otherPlaces"));
    auto* rows = new QGridLayout(list);
    rows->setContentsMargins(0, 0, 0, 0);
    for (int place = PlaceCount; place < state.finishCount && place < PlayerCount; ++place) {
        const int p = state.finishOrder[place];
        if (p >= PlayerCount)
            continue;
        const int row = place - PlaceCount;
        auto* placeLabel = new QLabel(GameTexts::place(place));
        placeLabel->setObjectName(QStringLiteral("place%1").arg(place + 1));
        auto* icon = new QLabel;
        if (playerIcons != nullptr)
            icon->setPixmap(playerIcons[p]);
        auto* number = new QLabel(ResultsDialog::tr("Player #%1:").arg(p + 1));
        auto* name = new QLabel(GameTexts::shownName(state.slots[p].name));
        name->setObjectName(QStringLiteral("place%1Name").arg(place + 1));
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        rows->addWidget(placeLabel, row, 0);
        rows->addWidget(icon, row, 1);
        rows->addWidget(number, row, 2);
        rows->addWidget(name, row, 3);
    }
    return list;
}

} // namespace

ResultsDialog::ResultsDialog(const GameState& state, const QPixmap* pictures, const QPixmap* playerIcons,
                             QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Game Results"));
    useDialogFrame(this);

    // Step 1. The players of the three places; a third place only when
    // three players finished.
    int players[PlaceCount] = {NoPlayer, NoPlayer, NoPlayer};
    const int placed = state.finishCount == 2 ? 2 : PlaceCount;
    for (int place = 0; place < placed && place < state.finishCount; ++place)
        if (state.finishOrder[place] < PlayerCount)
            players[place] = state.finishOrder[place];

    // Step 2. The podium: second, first and third place from left to right.
    const QString headings[PlaceCount] = {tr("First Place"), tr("Second Place"), tr("Third Place")};
    auto* podium = new Podium(this);
    auto* row = new QHBoxLayout(podium);
    const int gap = dialogUnits(this, ColumnGap, 0).width();
    row->setSpacing(gap);
    row->setContentsMargins(gap / 2, 0, gap / 2, dialogUnits(this, 0, LowestStep + StepGap).height());
    PlaceControls controls[PlaceCount];
    for (Place place : ColumnOrder) {
        controls[place] = buildColumn(place, headings[place], tr("Player #?:"), podium);
        row->addWidget(controls[place].column, 0, Qt::AlignTop);
        podium->setColumn(place, controls[place].column, players[place] != NoPlayer);
    }

    // Step 3. Each place shows its player; a place nobody took stays empty
    // and greyed.
    for (int place = 0; place < PlaceCount; ++place) {
        const PlaceControls& c = controls[place];
        const int p = players[place];
        if (p == NoPlayer) {
            for (QWidget* w : {static_cast<QWidget*>(c.picture), static_cast<QWidget*>(c.icon),
                               static_cast<QWidget*>(c.number), static_cast<QWidget*>(c.name)})
                w->setEnabled(false);
            continue;
        }
        const PlayerSlot& slot = state.slots[p];
        if (pictures != nullptr && slot.picture < PictureCount)
            c.picture->setPicture(&pictures[slot.picture]);
        if (playerIcons != nullptr)
            c.icon->setPixmap(playerIcons[p]);
        c.number->setText(tr("Player #%1:").arg(p + 1));
        const QString name = GameTexts::shownName(slot.name);
        const QString shown = c.name->fontMetrics().elidedText(name, Qt::ElideRight, c.name->width());
        c.name->setText(shown);
        if (shown != name)
            c.name->setToolTip(QStringLiteral("<qt>%1</qt>").arg(name.toHtmlEscaped()));
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(dialogUnits(this, 50, 0).width());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* again = new QPushButton(tr("&Play Again"), this);
    again->setObjectName(QStringLiteral("playAgainButton"));
    again->setAutoDefault(false);
    // Room for its text in every language, with the margins of the style.
    const int margins = 2 * (again->style()->pixelMetric(QStyle::PM_ButtonMargin) + again->fontMetrics().averageCharWidth());
    again->setMinimumWidth(std::max(ok->minimumWidth(), again->sizeHint().width() + margins));
    again->setAccessibleDescription(tr("Starts a new game with the same players"));
    connect(again, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT playAgainChosen();
    });

    // Step 4. Beyond the podium, the fourth to sixth places in a list below.
    QWidget* others = buildOtherPlaces(state, playerIcons);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(again);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(podium);
    if (others != nullptr)
        layout->addWidget(others, 0, Qt::AlignHCenter);
    layout->addSpacing(dialogUnits(this, 0, 3).height());
    layout->addLayout(buttons);
    AccessibleTexts::describeDialog(this);
}

} // namespace tavolux

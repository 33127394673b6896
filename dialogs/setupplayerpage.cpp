#include "dialogs/setupplayerpage.h"

#include "dialogs/accessibletexts.h"

#include "dialogs/dialogunits.h"
#include "dialogs/picturebox.h"
#include "dialogs/playerchoices.h"
#include "dialogs/setupsheet.h"
#include "lang/gametexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace tavolux {

namespace {

constexpr int ViewCount = 6;
constexpr int StyleCount = 3;

// A value read from the slot, or the fallback when it lies outside 0..count-1.
int inRange(int value, int count, int fallback)
{
    return value >= 0 && value < count ? value : fallback;
}

// At most MaxPlayerNameLength UTF-16 units of a name, never half a pair:
// a longer name (from a saved game) is cut, and the half pair the edit box
// leaves when its limit falls inside one is dropped.
QString fitName(QString name)
{
    if (name.size() > MaxPlayerNameLength)
        name.truncate(MaxPlayerNameLength);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    return name;
}

// Width of a name box that shows the longest name of wide characters
// without scrolling, and at least the 56 dialog units of the layout.
int nameBoxWidth(QLineEdit* edit)
{
    const QFontMetrics metrics(edit->font());
    const int textWidth = metrics.horizontalAdvance(QString(MaxPlayerNameLength, QLatin1Char('W')));
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    // The box keeps a margin of two pixels on each side of its text and
    // one more for the cursor; half a character more keeps it from looking
    // crammed when it is full.
    const QSize contents(textWidth + 2 * 2 + 1 + metrics.averageCharWidth() / 2, metrics.height());
    const int width = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
    return std::max(width, dialogUnits(edit, 56, 14).width());
}

QComboBox* styleList(const QString& objectName, int style)
{
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    list->addItems({SetupPlayerPage::tr("Friendly"), SetupPlayerPage::tr("Neutral"), SetupPlayerPage::tr("Hostile")});
    list->setCurrentIndex(inRange(style, StyleCount, Neutral));
    return list;
}

} // namespace

SetupPlayerPage::SetupPlayerPage(GameState& state, int player, const QPixmap* pictures, const QPixmap* icon,
                                 QWidget* parent)
    : QWidget(parent), state_(state), player_(player), pictures_(pictures)
{
    setObjectName(QStringLiteral("setupPlayer%1").arg(player + 1));
    picture_ = inRange(state_.slots[player_].picture, PictureCount, 0);
    buildControls(icon);
    arrangeControls();
    updateControls();
}

// The controls in the order the keyboard visits them.
void SetupPlayerPage::buildControls(const QPixmap* icon)
{
    const PlayerSlot& slot = state_.slots[player_];

    icon_ = new QLabel;
    icon_->setObjectName(QStringLiteral("playerIcon"));
    if (icon != nullptr)
        icon_->setPixmap(*icon);
    icon_->setAlignment(Qt::AlignCenter);

    nameLabel_ = new QLabel(tr("Name:"));
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("nameEdit"));
    name_->setMaxLength(MaxPlayerNameLength);
    name_->setText(fitName(GameTexts::shownName(slot.name)));
    name_->setFixedWidth(nameBoxWidth(name_));
    nameLabel_->setBuddy(name_);
    name_->setAccessibleDescription(tr("The name the game calls this player by"));

    pictureTitle_ = new QLabel(tr("Picture:"));
    pictureTitle_->setObjectName(QStringLiteral("pictureTitle"));
    pictureName_ = new QLabel;
    pictureName_->setObjectName(QStringLiteral("pictureLabel"));
    pictureName_->setAlignment(Qt::AlignCenter);
    pictureBox_ = new PictureBox;
    pictureBox_->setObjectName(QStringLiteral("picture"));
    previous_ = new QPushButton(tr("<<"));
    previous_->setObjectName(QStringLiteral("picturePrev"));
    next_ = new QPushButton(tr(">>"));
    next_->setObjectName(QStringLiteral("pictureNext"));
    for (QPushButton* button : {previous_, next_}) {
        button->setAutoDefault(false);
        button->setFixedWidth(pictureBox_->sizeHint().width() / 2);
    }
    //: A screen reader's name for the "<<" button.
    previous_->setAccessibleName(tr("Previous picture"));
    //: A screen reader's name for the ">>" button.
    next_->setAccessibleName(tr("Next picture"));
    for (QPushButton* button : {previous_, next_})
        button->setAccessibleDescription(
            tr("The computer's picture makes the player a computer, any other picture a person"));
    connect(previous_, &QPushButton::clicked, this, [this] { stepPicture(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { stepPicture(+1); });

    autoReposition_ = new QCheckBox(tr("Automatic board re-position"));
    autoReposition_->setObjectName(QStringLiteral("autoReposition"));
    autoReposition_->setChecked(slot.autoReposition != 0);
    autoReposition_->setAccessibleDescription(AccessibleTexts::autoReposition());
    connect(autoReposition_, &QCheckBox::clicked, this, &SetupPlayerPage::updateControls);

    viewLabel_ = new QLabel(tr("Preferred view of home region:"));
    viewLabel_->setObjectName(QStringLiteral("preferredViewLabel"));
    view_ = new QComboBox;
    view_->setObjectName(QStringLiteral("preferredView"));
    for (int view = 0; view < ViewCount; ++view)
        view_->addItem(viewName(view));
    view_->setCurrentIndex(inRange(slot.preferredView, ViewCount, 0));
    viewLabel_->setBuddy(view_);
    view_->setAccessibleDescription(AccessibleTexts::preferredView());

    const int lower = lowerOther(player_), higher = higherOther(player_);
    styleLowerLabel_ = new QLabel(tr("Style toward player #%1:").arg(lower + 1));
    styleLowerLabel_->setObjectName(QStringLiteral("styleLowerLabel"));
    styleLower_ = styleList(QStringLiteral("styleLower"), slot.styleTowardLower);
    styleLowerLabel_->setBuddy(styleLower_);
    styleHigherLabel_ = new QLabel(tr("Style toward player #%1:").arg(higher + 1));
    styleHigherLabel_->setObjectName(QStringLiteral("styleHigherLabel"));
    styleHigher_ = styleList(QStringLiteral("styleHigher"), slot.styleTowardHigher);
    styleHigherLabel_->setBuddy(styleHigher_);

    //: Label of the list of how well a computer player plays (Beginner, Standard, Expert).
    strengthLabel_ = new QLabel(tr("Strength:"));
    strengthLabel_->setObjectName(QStringLiteral("strengthLabel"));
    strength_ = new QComboBox;
    strength_->setObjectName(QStringLiteral("strength"));
    for (int strength = 0; strength < StrengthCount; ++strength)
        strength_->addItem(strengthName(strength));
    strength_->setCurrentIndex(inRange(slot.strength, StrengthCount, Standard));
    strengthLabel_->setBuddy(strength_);
    strength_->setAccessibleDescription(tr("How well the computer plays"));
    for (QComboBox* style : {styleLower_, styleHigher_})
        style->setAccessibleDescription(tr("How the computer treats that player: it spoils, leaves room or neither"));
}

// Two columns as the page was drawn: name and picture on the left, board
// turning, playing styles and strength on the right.
void SetupPlayerPage::arrangeControls()
{
    const QSize unit = dialogUnits(this, 4, 8); // one character cell
    const int listWidth = std::max({dialogUnits(this, 56, 0).width(), view_->sizeHint().width(),
                                    styleLower_->sizeHint().width(), strength_->sizeHint().width()});
    for (QComboBox* list : {view_, styleLower_, styleHigher_, strength_})
        list->setFixedWidth(listWidth);

    auto* nameColumn = new QVBoxLayout;
    nameColumn->setSpacing(unit.height() / 4);
    nameColumn->addWidget(nameLabel_);
    nameColumn->addWidget(name_);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(icon_, 0, Qt::AlignTop);
    nameRow->addStretch(1);
    nameRow->addLayout(nameColumn);

    auto* pictureTitleRow = new QHBoxLayout;
    pictureTitleRow->addWidget(pictureTitle_);
    pictureTitleRow->addWidget(pictureName_, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(0);
    buttonRow->addWidget(previous_);
    buttonRow->addWidget(next_);
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->setSpacing(unit.height() / 4);
    pictureColumn->addLayout(pictureTitleRow);
    pictureColumn->addWidget(pictureBox_);
    pictureColumn->addLayout(buttonRow);
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addStretch(1);
    pictureRow->addLayout(pictureColumn);

    auto* left = new QVBoxLayout;
    left->addLayout(nameRow);
    left->addSpacing(unit.height());
    left->addLayout(pictureRow);
    left->addStretch(1);

    auto* group = new QGroupBox(tr("Computer AI Algorithm"));
    group->setObjectName(QStringLiteral("computerAI"));
    auto* styleRows = new QVBoxLayout(group);
    styleRows->setSpacing(unit.height() / 4);
    styleRows->addWidget(styleLowerLabel_);
    styleRows->addWidget(styleLower_);
    styleRows->addSpacing(unit.height() / 2);
    styleRows->addWidget(styleHigherLabel_);
    styleRows->addWidget(styleHigher_);
    styleRows->addSpacing(unit.height() / 2);
    styleRows->addWidget(strengthLabel_);
    styleRows->addWidget(strength_);

    auto* right = new QVBoxLayout;
    right->setSpacing(unit.height() / 4);
    right->addWidget(autoReposition_);
    right->addSpacing(unit.height() / 2);
    right->addWidget(viewLabel_);
    right->addWidget(view_);
    right->addSpacing(unit.height() * 3 / 2);
    right->addWidget(group);
    right->addStretch(1);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(2 * unit.width(), unit.height(), 2 * unit.width(), unit.height());
    columns->addLayout(left);
    columns->addSpacing(3 * unit.width());
    columns->addLayout(right, 1);

    QWidget* const order[] = {name_, previous_, next_, autoReposition_, view_, styleLower_, styleHigher_, strength_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void SetupPlayerPage::becameCurrent()
{
    opened_ = true;
    updateControls();
}

// "<<" and ">>" go round the pictures; picture 0 makes a computer player,
// so the style and strength lists follow at once.
void SetupPlayerPage::stepPicture(int step)
{
    icon_->setFocus(Qt::OtherFocusReason);
    picture_ = (picture_ + step + PictureCount) % PictureCount;
    updateControls();
}

void SetupPlayerPage::updateControls()
{
    const bool active = state_.slots[player_].active != 0;
    const bool computer = active && picture_ == 0;

    for (QWidget* control : std::initializer_list<QWidget*>{name_, autoReposition_, view_, previous_, next_, pictureBox_})
        control->setEnabled(active);
    // Beyond the classic table the second style is toward every other seat.
    const bool classic = usesOnlyDesignSeats(state_) && player_ < DesignSeatCount;
    styleHigherLabel_->setText(classic ? tr("Style toward player #%1:").arg(higherOther(player_) + 1)
                                       : tr("Style toward the others:"));
    styleLower_->setEnabled(computer && state_.slots[lowerOther(player_)].active != 0);
    styleHigher_->setEnabled(computer && (!classic || state_.slots[higherOther(player_)].active != 0));
    strength_->setEnabled(computer);

    if (!active) {
        pictureBox_->setPicture(nullptr);
        pictureName_->clear();
        return;
    }
    pictureBox_->setPicture(pictures_ != nullptr ? &pictures_[picture_] : nullptr);
    pictureName_->setText(pictureName(picture_));
    view_->setEnabled(autoReposition_->isChecked());
}

void SetupPlayerPage::writeBack()
{
    PlayerSlot& slot = state_.slots[player_];
    slot.autoReposition = autoReposition_->isChecked() ? 1 : 0;
    slot.name = GameTexts::keptName(fitName(name_->text()));
    slot.preferredView = view_->currentIndex();
    slot.styleTowardLower = styleLower_->currentIndex();
    slot.styleTowardHigher = styleHigher_->currentIndex();
    slot.strength = strength_->currentIndex();
    slot.picture = static_cast<uint16_t>(picture_);
}

} // namespace tavolux

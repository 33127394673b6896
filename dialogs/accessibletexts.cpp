#include "dialogs/accessibletexts.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRegularExpression>

namespace tavolux {

namespace {

QString withoutAmpersands(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QString buttonDescription(QDialogButtonBox::ButtonRole role)
{
    switch (role) {
    case QDialogButtonBox::AcceptRole:
        return AccessibleTexts::tr("Takes the choices and closes the window");
    case QDialogButtonBox::RejectRole:
        return AccessibleTexts::tr("Closes the window and changes nothing");
    default:
        return {};
    }
}

QDialogButtonBox::ButtonRole roleByName(const QString& objectName)
{
    if (objectName == QLatin1String("okButton"))
        return QDialogButtonBox::AcceptRole;
    if (objectName == QLatin1String("cancelButton") || objectName == QLatin1String("closeButton"))
        return QDialogButtonBox::RejectRole;
    return QDialogButtonBox::InvalidRole;
}

} // namespace

void AccessibleTexts::describeDialog(QWidget* dialog)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->accessibleDescription().isEmpty())
            continue;
        const auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
        const QString description =
            buttonDescription(box ? box->buttonRole(button) : roleByName(button->objectName()));
        if (!description.isEmpty())
            button->setAccessibleDescription(description);
    }
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        const QString title = withoutAmpersands(group->title());
        for (QWidget* control : group->findChildren<QWidget*>())
            if (control->accessibleDescription().isEmpty() && control->focusPolicy() != Qt::NoFocus)
                control->setAccessibleDescription(title);
    }
}

QString AccessibleTexts::sound()
{
    return tr("A beep after every move of a computer");
}

QString AccessibleTexts::autoReposition()
{
    return tr("Turns the board to the player's preferred view at each of its turns");
}

QString AccessibleTexts::preferredView()
{
    return tr("The side of the screen the player's home point is turned to");
}

} // namespace tavolux

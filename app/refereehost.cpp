#include "app/refereehost.h"

#include "lang/gametexts.h"
#include "view/mainlayout.h"
#include "referee/refereewindow.h"

#include <QCoreApplication>
#include <QScreen>
#include <QStringList>

namespace tavolux {

RefereeHost::RefereeHost(QWidget& owner) : owner_(owner), referee_(new RefereeWindow(&owner))
{
    referee_->setAccessibleDescription(
        //: What a screen reader says the referee window is.
        QCoreApplication::translate("tavolux::RefereeHost", "The referee: whose turn it is and what happens"));
}

RefereeWindow* RefereeHost::window() const
{
    return referee_;
}

void RefereeHost::place(const QWidget& client)
{
    if (!referee_)
        return;
    const QRect outer = owner_.frameGeometry();
    const QPoint p = client.mapToGlobal(QPoint(int(0.89 * outer.width()), int(0.2 * outer.height())));
    const QRect work = owner_.screen()->availableGeometry();
    const int left = refereeLeft(p.x(), referee_->frameGeometry().width(), work.left() + work.width());
    referee_->move(left, p.y());
    referee_->keepInsideScreen();
    referee_->update();
}

void RefereeHost::showLines(const RefereeLines& lines)
{
    if (!referee_)
        return;
    QStringList words;
    for (int i = 0; i < 4; ++i) {
        referee_->setLine(i, lines.line[i]);
        if (!lines.line[i].trimmed().isEmpty())
            words << lines.line[i].trimmed();
    }
    referee_->showText();
    // A screen reader hears the lines as one sentence, each time they change.
    referee_->setAccessibleName(words.join(QLatin1Char(' ')));
}

bool RefereeHost::visible() const
{
    return referee_ && referee_->isVisible();
}

void RefereeHost::toggle()
{
    if (!referee_)
        return;
    if (visible()) {
        referee_->hide();
        return;
    }
    referee_->show();
    owner_.activateWindow();
    owner_.setFocus();
}

} // namespace tavolux

#include "app/statusprompt.h"

#include "app/commands.h"
#include "app/prompttable.h"

#include <QLabel>
#include <QTimer>

namespace tavolux {

StatusPrompt::StatusPrompt(QLabel* pane) : pane_(pane), noticeTimer_(new QTimer(pane))
{
    noticeTimer_->setSingleShot(true);
    QObject::connect(noticeTimer_, &QTimer::timeout, pane_, [this] {
        const QString text = shown_ != prompt::None ? promptText(shown_) : QString();
        pane_->setText(text);
    });
}

void StatusPrompt::notice(const QString& text, int ms)
{
    pane_->setText(text);
    noticeTimer_->start(ms);
}

int StatusPrompt::showPrompt(int id)
{
    noticeTimer_->stop();
    const QString text = id != prompt::None ? promptText(id) : QString();
    if (!text.isNull())
        pane_->setText(text);
    const int previous = shown_;
    shown_ = pending_ = id;
    return previous;
}

void StatusPrompt::highlight(int id, bool popupOrSeparator)
{
    pending_ = popupOrSeparator ? prompt::None : id;
    idle();
}

void StatusPrompt::idle()
{
    if (pending_ != shown_)
        showPrompt(pending_);
}

void StatusPrompt::menuClosed()
{
    pending_ = prompt::Ready;
    showPrompt(prompt::Ready);
}

} // namespace tavolux

#include "app/statusprompt.h"

#include "app/commands.h"
#include "app/prompttable.h"

#include <QLabel>

namespace tavolux {

StatusPrompt::StatusPrompt(QLabel* pane) : pane_(pane) {}

int StatusPrompt::showPrompt(int id)
{
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

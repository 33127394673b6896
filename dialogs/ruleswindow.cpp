#include "dialogs/ruleswindow.h"

#include "lang/translations.h"

#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavolux {

namespace {

// The English rules; the translated copies beside them carry the name of
// their translation: playing-rules_de.html.
const char* const RulesDocument = ":/help/playing-rules.html";

} // namespace

RulesWindow::RulesWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("rulesWindow"));
    setWindowTitle(tr("Tavolux Help - Playing Rules"));
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("rulesBrowser"));
    browser_->setOpenExternalLinks(false);
    // In the language the program speaks, English when the rules have no copy in it.
    const QString document = translatedFile(QLatin1String(RulesDocument), installedTranslation());
    browser_->setSource(QUrl(QStringLiteral("qrc") + document));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);

    const QSize area = screen()->availableSize();
    resize(qMin(640, area.width() * 9 / 10), qMin(720, area.height() * 9 / 10));
}

RulesWindow* RulesWindow::showFor(QWidget* owner)
{
    auto* window = owner->findChild<RulesWindow*>(QStringLiteral("rulesWindow"), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new RulesWindow(owner);
        window->move(owner->frameGeometry().center() - window->rect().center());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tavolux

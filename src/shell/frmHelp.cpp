// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmHelp.h"

#include "untProgramFolders.h"
#include "untUtil.h"

#include <QLoggingCategory>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

Q_LOGGING_CATEGORY(lcHelp, "velmar.shell.help")

TfmHelp* TheHelpWindow = nullptr;

// "UsingNotes.htm#t3" -> the page's file URL with fragment "t3"; empty when the page is missing.
QUrl HelpUrl(const QString& page) {
    const qsizetype hash = page.indexOf(u'#');
    const QString file = ProgramFolders::Find(QStringLiteral("help/") + page.left(hash));
    if (file.isEmpty())
        return {};
    QUrl url = QUrl::fromLocalFile(file);
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url;
}

} // namespace

TfmHelp::TfmHelp(QWidget* parent) : QWidget(parent, Qt::Window), FBrsHelp(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowTitle(QStringLiteral("Velmar Notes Help"));
    resize(640, 520);
    FBrsHelp->setObjectName(QStringLiteral("brsHelp"));
    // Links to other sites go to the browser; our own pages stay in this window.
    FBrsHelp->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FBrsHelp);
    TheHelpWindow = this;
}

TfmHelp::~TfmHelp() {
    if (TheHelpWindow == this)
        TheHelpWindow = nullptr;
}

TfmHelp* TfmHelp::Instance() {
    return TheHelpWindow;
}

void TfmHelp::ShowTopic(int topicId) {
    ShowPage(HelpPage(topicId));
}

void TfmHelp::ShowPage(const QString& page) {
    const QUrl url = HelpUrl(page);
    if (url.isEmpty()) {
        qCWarning(lcHelp) << "help page missing:" << page;
        FBrsHelp->setHtml(
            QStringLiteral("<h2>Help page not found</h2><p>The help page \"%1\" is not installed."
                           " Reinstall Velmar Notes to restore its help.</p>")
                .arg(page.toHtmlEscaped()));
    } else {
        FBrsHelp->setSource(url);
    }
    show();
    raise();
    activateWindow();
}

void ShowHelp(int topicId) {
    if (TfmHelp* window = TfmHelp::Instance())
        window->ShowTopic(topicId);
    else
        qCWarning(lcHelp) << "no help window to show topic" << topicId;
}

void ShowHelpPage(const QString& page) {
    if (TfmHelp* window = TfmHelp::Instance())
        window->ShowPage(page);
    else
        qCWarning(lcHelp) << "no help window to show page" << page;
}

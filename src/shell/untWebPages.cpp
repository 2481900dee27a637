// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWebPages.h"

#include "frmHelp.h"

#include <QDesktopServices>

const QList<TWebEntry>& WebEntries() {
    static const QList<TWebEntry> entries = {
        {"acHome",
         QStringLiteral("Visit Home Page"),
         QStringLiteral("notes.html"),
         {},
         QStringLiteral("default.htm")},
        {"itemGettingStartedVideos",
         QStringLiteral("Getting Started Videos"),
         QStringLiteral("notesvideos.html"),
         {},
         QStringLiteral("GettingStarted.htm")},
        {"itemWriteToUs",
         QStringLiteral("Write to Us"),
         QStringLiteral("contactus.html"),
         {},
         QStringLiteral("suport.htm")},
        {"itemTellAFriend", QStringLiteral("Tell a Friend"), QStringLiteral("tellafriend.html"),
         QStringLiteral("product=notes"), QStringLiteral("TellAFriend.htm")},
        {"itemCheckForUpdates", QStringLiteral("Check for Updates"), QStringLiteral("update.html"),
         QStringLiteral("product=notes&ver=6&bd=0501"), QStringLiteral("Updates.htm")},
    };
    return entries;
}

// VELMAR_WEB_SITE comes from the build setting of that name.
QString WebSiteAddress() {
    return QStringLiteral(VELMAR_WEB_SITE);
}

QUrl WebPageUrl(const QString& siteAddress, const TWebEntry& entry) {
    QUrl url(siteAddress.endsWith(u'/') ? siteAddress : siteAddress + u'/');
    url = url.resolved(QUrl(entry.Path));
    if (!entry.Query.isEmpty())
        url.setQuery(entry.Query);
    return url;
}

void OpenWebEntry(const TWebEntry& entry) {
    const QString site = WebSiteAddress();
    if (site.isEmpty())
        ShowHelpPage(entry.HelpPage);
    else
        QDesktopServices::openUrl(WebPageUrl(site, entry));
}

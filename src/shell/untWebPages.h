// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// The Help menu's entries of our web site. The site's address is a build setting
// (VELMAR_WEB_SITE); while it is empty each entry opens the matching page of our own help, so
// that no entry leads nowhere.
struct TWebEntry {
    const char* ActionName;
    QString Caption;
    QString Path;     // the page on the web site
    QString Query;    // its query, if any
    QString HelpPage; // the page of our own help that stands in for it
};

const QList<TWebEntry>& WebEntries();

// The web site's address the build was given; empty when it was given none.
QString WebSiteAddress();
// The entry's page on a web site: the site's address, the page and its query.
QUrl WebPageUrl(const QString& siteAddress, const TWebEntry& entry);
// Opens the entry's web page in the browser, or its help page while the build has no web site.
void OpenWebEntry(const TWebEntry& entry);

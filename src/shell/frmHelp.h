// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: our HTML help pages (the page names of the help topics) in a text
// browser, opened at a page and anchor. Start-up creates the one window; ShowHelp finds it.
class TfmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfmHelp(QWidget* parent = nullptr);
    ~TfmHelp() override;

    // The window start-up created, or none.
    static TfmHelp* Instance();

    // Shows the page of the topic (with its anchor) and brings the window forward. A missing
    // page is reported in the window itself.
    void ShowTopic(int topicId);
    // The same for a page by its name, with an optional anchor ("UsingNotes.htm#t3").
    void ShowPage(const QString& page);

    QTextBrowser* brsHelp() const { return FBrsHelp; }

private:
    QTextBrowser* FBrsHelp;
};

// Opens the help window at the page of a help topic id (5001: the contents page).
void ShowHelp(int topicId);
// Opens the help window at a page by its name.
void ShowHelpPage(const QString& page);

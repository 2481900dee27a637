// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The application object. An exception that still leaves an event handler (user actions run
// inside RunGuarded, so none should) reaches notify(), which hands it to the default error
// handler: its text shows in the message box, and the event loop and the program go on.
class TVelmarApplication : public QApplication {
    Q_OBJECT
public:
    TVelmarApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

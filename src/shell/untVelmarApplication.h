#pragma once

#include <QApplication>
#include <QPointer>

class TfmMessage;

// The application object with the program's default error handler: an exception that leaves an
// event handler reaches notify(), which shows its text in the message box; the event loop and
// the program go on.
class TVelmarApplication : public QApplication {
    Q_OBJECT
public:
    TVelmarApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The message box the error handler shows errors in; none: errors are only logged.
    static void SetErrorBox(TfmMessage* box);
    // Shows an error's text as the default error handler does.
    static void ShowError(const QString& text);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "untErrorBoundary.h"

#include "frmMessage.h"

#include <QLoggingCategory>
#include <QPointer>

#include <exception>

namespace {

Q_LOGGING_CATEGORY(lcErrors, "velmar.controls.errors")

QPointer<TfmMessage>& ErrorBox() {
    static QPointer<TfmMessage> box;
    return box;
}

} // namespace

void SetErrorBox(TfmMessage* box) {
    ErrorBox() = box;
}

void ShowError(const QString& text) {
    qCWarning(lcErrors).noquote() << text;
    TfmMessage* box = ErrorBox();
    // An error while the box itself is up (its own event handlers) is only logged: the one box
    // cannot show two texts at once.
    if (!box || box->isVisible())
        return;
    box->SetTitle(QStringLiteral("Velmar Notes"));
    box->SetMessage(text);
    box->SetShowCancel(false);
    box->SetLineCount(2);
    box->exec();
}

void RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("An unknown error occurred."));
    }
}

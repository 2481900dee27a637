// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// Desktop notifications of due reminders through the freedesktop notifications service on the
// session bus. Every call is asynchronous; when no service answers, only a log line tells.
class TDesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit TDesktopNotifier(QObject* parent = nullptr);

    // Shows a notification for the note with a "Show" action; it replaces the note's earlier
    // notification while that one is still up.
    void Notify(int noteId, const QString& title, const QString& body);

signals:
    // The service has taken the note's notification.
    void Delivered(int noteId);
    // The user chose "Show" on a note's notification.
    void ShowRequested(int noteId);

private slots:
    void OnActionInvoked(uint notificationId, const QString& actionKey);
    void OnNotificationClosed(uint notificationId, uint reason);

private:
    // Notification ids the service gave, by note id.
    QHash<int, uint> FShown;
};

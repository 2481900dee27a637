// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untDatabaseCheck.h"
#include "untWriteTrouble.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

class TfmMessage;

// Tells the user, in plain words and in the program's message box, what the start did about
// Data.db and why changes are not being saved (a read-only place, a full disk). Each notice
// is shown once, from the event loop: never from inside the write that failed, and never over
// another message.
class TStorageNotices : public QObject {
    Q_OBJECT
public:
    // Takes over the reports of failed writes while it lives.
    explicit TStorageNotices(TfmMessage& box, QObject* parent = nullptr);
    ~TStorageNotices() override;

    // Queues what the user has to know about the start.
    void TellStart(const TDatabaseStart& start);

    static QString MovedAsideText(const QString& movedTo);
    static QString CannotMoveAsideText(const QString& path);
    static QString FolderInTheWayText(const QString& databasePath);
    static QString TroubleText(WriteTrouble trouble);

    // The notices waiting to be shown.
    const QStringList& Pending() const { return FPending; }

private:
    void Queue(const QString& text);
    void ShowNext();

    TfmMessage& FBox;
    QStringList FPending;
    QTimer FShowTimer;
};

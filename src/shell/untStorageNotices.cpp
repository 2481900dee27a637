// SPDX-License-Identifier: GPL-3.0-or-later
#include "untStorageNotices.h"

#include "frmMessage.h"
#include "untPaths.h"

#include <QDir>

namespace {
// While another message is up, the next notice waits this long before it looks again.
constexpr int BoxBusyRetryMs = 500;
} // namespace

TStorageNotices::TStorageNotices(TfmMessage& box, QObject* parent) : QObject(parent), FBox(box) {
    FShowTimer.setSingleShot(true);
    connect(&FShowTimer, &QTimer::timeout, this, &TStorageNotices::ShowNext);
    WriteTroubles::SetHandler([this](WriteTrouble trouble) {
        const QString text = TroubleText(trouble);
        if (!text.isEmpty())
            Queue(text);
    });
}

TStorageNotices::~TStorageNotices() {
    WriteTroubles::SetHandler({});
}

QString TStorageNotices::MovedAsideText(const QString& movedTo) {
    return QStringLiteral("Your notes file could not be read. It was put aside unchanged as "
                          "%1, and a new, empty notes file is used.")
        .arg(QDir::toNativeSeparators(movedTo));
}

QString TStorageNotices::CannotMoveAsideText(const QString& path) {
    return QStringLiteral("Your notes file %1 cannot be read and could not be put aside. It "
                          "is left unchanged; changes cannot be saved.")
        .arg(QDir::toNativeSeparators(path));
}

QString TStorageNotices::FolderInTheWayText(const QString& databasePath) {
    return QStringLiteral("A folder named Data.db stands where the notes file belongs. It was "
                          "left as it is; your notes are kept in %1.")
        .arg(QDir::toNativeSeparators(databasePath));
}

QString TStorageNotices::TroubleText(WriteTrouble trouble) {
    switch (trouble) {
    case WriteTrouble::DiskFull:
        return QStringLiteral("The disk is full, so your changes cannot be saved now. Keep "
                              "the program open: they are saved as soon as there is space.");
    case WriteTrouble::ReadOnly:
        return QStringLiteral("Your notes are in a place that cannot be written to (%1). You "
                              "can read them, but changes cannot be saved.")
            .arg(QDir::toNativeSeparators(VelmarPaths::DataFolder()));
    case WriteTrouble::Busy:
    case WriteTrouble::Other:
        break; // the note stays modified and is written again later
    }
    return {};
}

void TStorageNotices::TellStart(const TDatabaseStart& start) {
    if (!start.MovedAside.isEmpty())
        Queue(MovedAsideText(start.MovedAside));
    if (start.CannotMoveAside)
        Queue(CannotMoveAsideText(start.DatabasePath));
    if (start.FolderInTheWay && start.Created)
        Queue(FolderInTheWayText(start.DatabasePath));
    // Read-only at start: said now, and not again when the first write fails.
    if (start.ReadOnly && !start.CannotMoveAside)
        WriteTroubles::Report(WriteTrouble::ReadOnly);
}

void TStorageNotices::Queue(const QString& text) {
    FPending.append(text);
    if (!FShowTimer.isActive())
        FShowTimer.start(0);
}

void TStorageNotices::ShowNext() {
    if (FPending.isEmpty())
        return;
    if (FBox.isVisible()) {
        FShowTimer.start(BoxBusyRetryMs);
        return;
    }
    FBox.SetTitle(QStringLiteral("Velmar Notes"));
    FBox.SetMessage(FPending.takeFirst());
    FBox.SetShowCancel(false);
    FBox.SetLineCount(2);
    FBox.exec();
    if (!FPending.isEmpty())
        FShowTimer.start(0);
}

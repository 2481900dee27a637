// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;

// The note information window ("Note Info"): when a note was created and last modified. The
// program keeps one; the caller places it, names the note with SetNote and runs exec(), which
// shows it modally until OK or the close button. A note without a row leaves the times shown
// before.
class TfmNoteInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfmNoteInfo(QWidget* parent = nullptr);

    void SetNote(int noteId, QWidget* note);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* CreateLabel(const QString& name, const QPoint& place, const QString& text = {});
    void FormShow();
    void FormActivate();

    QLabel* FLblctime = nullptr;
    QLabel* FLblmtime = nullptr;

    int FNoteId = 0;
    QPointer<QWidget> FNote;
};

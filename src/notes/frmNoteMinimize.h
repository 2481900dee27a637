// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

// The tile a minimised note turns into: a borderless 35×32 tool window in the note's light
// colour with five stripes in its full colour. Any press on it or on a stripe drags it; a
// double click asks the note to come back (RestoreRequested). The tile's place is not stored:
// the note takes it when it is restored.
class TfmNoteMinimize : public QWidget {
    Q_OBJECT
public:
    explicit TfmNoteMinimize(QWidget* parent = nullptr);

    // The note's colour (0x00BBGGRR), set by the note before each show.
    int NoteColor() const { return FNoteColor; }
    void SetNoteColor(int color) { FNoteColor = color; }

    // The ground colour, LightenColor(FNoteColor), as of the last show.
    int BackColor() const { return FBackColor; }

signals:
    void RestoreRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FormShow();

    int FNoteColor = 0;
    int FBackColor = 0;
    std::array<QWidget*, 5> FStripes{};
};

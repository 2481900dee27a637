// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untColorTables.h"

#include <QColor>
#include <QMenu>

// A colour value as a QColor; -1 ("no colour") counts as black.
QColor ColorFromValue(int color);

// The Note Color menu: one entry per NoteColorTable colour, each drawn as two swatches side by
// side, the note's active look on the left and its inactive (lightened) look on the right, on
// white or, under the mouse, on the selection blue. Each entry's data is its colour value;
// ColorChosen tells which one was picked. No entry is marked as current.
class TNoteColorMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr int ItemWidth = 120;
    static constexpr int ItemHeight = 15;

    explicit TNoteColorMenu(const QString& title, QWidget* parent = nullptr);

signals:
    void ColorChosen(int color);
};

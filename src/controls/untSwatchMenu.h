// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QMenu>
#include <utility>

// A menu of colour entries, each drawn as two swatches side by side (a colour and its companion
// shade) on white, or on the selection blue under the mouse. Each entry carries an integer value
// (a colour value) that SwatchChosen reports when it is picked.
class TSwatchMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr int ItemWidth = 120;
    static constexpr int ItemHeight = 15;

    explicit TSwatchMenu(QWidget* parent = nullptr);

    QAction* AddSwatch(int value, const QColor& left, const QColor& right);

    // Entries are ItemWidth wide unless set otherwise (before the menu is first shown).
    int ItemWidthInUse() const { return FItemWidth; }
    void SetItemWidth(int width) { FItemWidth = width; }

    // The two colours of an entry; black for an action that is not one of the menu's entries.
    std::pair<QColor, QColor> Swatches(const QAction* action) const;

signals:
    void SwatchChosen(int value);

private:
    QHash<const QAction*, std::pair<QColor, QColor>> FSwatches;
    int FItemWidth = ItemWidth;
};

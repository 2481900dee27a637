// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QList>
#include <QObject>
#include <QPointer>

class QLineEdit;

// One tab of the strip: a flat label in the tab's colour carrying the tab row's id as its tag.
class TTabPanel : public QLabel {
    Q_OBJECT
public:
    TTabPanel(int tag, const QString& caption, QWidget* host);
    int Tag() const { return FTag; }
    // The tab's label colour as a stored colour value.
    int Color() const { return FColor; }
    void SetColor(int color);

private:
    int FTag;
    int FColor = 0;
};

// The memoboard window's tab strip, drawn inside a host panel: tabs from left to right, each as
// wide as its measured caption (clamped to the minimum width and 200 px), the active one 10 px
// taller than the rest, an inactive one bold while the mouse is over it. The active tab is
// renamed in place after a double click; a pair of arrows at the right end scrolls the row when
// it does not fit. The strip knows nothing of the store: the window adds and removes tabs,
// follows OnChange and writes what TabRenamed reports.
class TTabExV2 : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxWidth = 200;
    static constexpr int Raise = 10;
    static constexpr int FirstLeft = 26;
    static constexpr int Gap = 6;
    static constexpr int ArrowsWidth = 30;
    static constexpr int ArrowsHeight = 15;
    // The right-most part of the host kept for the arrows.
    static constexpr int RightReserve = 35;
    static constexpr int ScrollStep = 5;
    // The colour value that asks AppendTab for a random page colour.
    static constexpr int NoColor = 536870911;

    explicit TTabExV2(QWidget* host);

    // A new tab after the last one, not activated.
    TTabPanel* AppendTab(int id, const QString& caption, int tabHeight, int minimumWidth,
                         int color);
    // Frees the tab with that id and closes the gap; no tab is active afterwards.
    void RemoveTab(int id);
    // Ends a rename first; a tab with tag 0 or the active tab itself is not activated.
    void ActivateTab(TTabPanel* tab);
    void ActivateTabById(int id);
    void ActivateLastTab();

    // Activates the tab and opens the rename edit over it.
    void BeginRename(TTabPanel* tab);
    // Applies the edit's text to the tab being renamed, resizes it and moves the tabs after it.
    void EndRename();
    // Ends a rename when one is open; answers whether one was.
    bool FinishRename();

    int TabCount() const { return int(FTabs.size()); }
    // The active tab's index, 0 when none is active.
    int ActiveIndex() const;
    TTabPanel* ActiveTab() const { return FActive; }
    TTabPanel* Tab(int index) const { return FTabs.value(index); }
    TTabPanel* TabById(int id) const;
    QWidget* Host() const { return FHost; }
    QWidget* Arrows() const { return FArrows; }
    QLineEdit* RenameEdit() const { return FRenameEdit; }

    // Shows the arrows exactly when the row does not fit, optionally bringing the first tab
    // into view first.
    void UpdateArrows(bool scrollFirstTab);
    // Scrolls the row in steps until the tab lies between 15 px and the arrows, or as near as
    // the host allows; it always ends, whatever the host's width.
    void EnsureVisible(TTabPanel* tab);
    // The arrows: 0 scrolls the row right (left arrow), 1 left (right arrow).
    void ScrollTabs(int scrollCode);
    // A caption's width as the strip measures it.
    int MeasureCaption(const QString& caption) const;

signals:
    // A tab became active.
    void OnChange(TTabPanel* tab);
    // A rename gave the tab a new caption, whichever way it was confirmed.
    void TabRenamed(TTabPanel* tab, const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int ClampedWidth(const QString& caption) const;
    void SizeToCaption(TTabPanel* tab, int width);
    // Places every tab after `from` 6 px right of its left neighbour.
    void CloseUpAfter(int from);
    void ShiftAll(int dx);
    void SetBold(TTabPanel* tab, bool bold);
    void PlaceInactive(TTabPanel* tab);

    QWidget* FHost;
    QList<TTabPanel*> FTabs;
    QPointer<TTabPanel> FActive;
    QPointer<TTabPanel> FRenamed;
    int FTabHeight = 20;
    int FMinimumWidth = 80;
    QWidget* FArrows;
    QLineEdit* FRenameEdit;
};

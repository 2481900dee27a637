// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untListWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;

// "Find Notes": searches the text of every note for a term (trashed notes only with "Search
// notes in the trash"), lists the matches, keeps the search history in its drop-down (an empty
// first item, then the six most recent terms) and shows the selected note in the preview.
class TfmFindNotes : public TListWindow {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 5005;

    explicit TfmFindNotes(TfmMessage& message);

    QComboBox* cbxFindout() const { return FCbxFindout; }
    QCheckBox* checkbxTrach() const { return FCheckbxTrach; }
    QLabel* lblResult() const { return FLblResult; }

    // The search of imgFindNotes: saves the term to the history, lists the matches.
    void Search();

protected:
    void FormShow() override;

private:
    void FillHistory();

    QComboBox* FCbxFindout;
    QCheckBox* FCheckbxTrach;
    QLabel* FLblResult;
};

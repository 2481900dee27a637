// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untListWindow.h"

// "Trash List": the notes in the trash, the selected one in the preview; deletes a note for
// good, restores it (its window opens again at its place) or empties the whole trash, each
// after the user's OK.
class TfmTrashList : public TListWindow {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 5007;

    explicit TfmTrashList(TfmMessage& message);

    // Lists the trash again; answers how many notes it holds.
    int Fill();

    void imgClearNoteClick();
    void imgRestoreNoteClick();
    void imgClearAllNoteClick();

protected:
    void FormShow() override;
};

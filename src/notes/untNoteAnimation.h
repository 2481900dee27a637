// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// The show and hide animations of note windows: the window is revealed or covered through its
// clipping mask, so neither its geometry nor its layout changes while it plays. The environment
// variable VELMAR_NO_ANIMATION=1 turns them off (tests).
enum class NoteAnimation {
    Centre, // expands from, or collapses to, the centre (300 ms)
    Roll,   // rolls out from, or back to, the top-left corner (300 ms out, 400 ms back)
    // A panel beside a note slides out from, or back into, its edge at the note (300 ms):
    SlideRight, // the panel lies right of the note
    SlideLeft,  // the panel lies left of the note
};

bool AnimationsEnabled();
// Plays over a window that was just shown.
void AnimateNoteShow(QWidget& window, NoteAnimation kind);
// Covers a visible window, then runs `done` (which hides or closes it). Without animations, or
// when the window is not visible, `done` runs at once.
void AnimateNoteHide(QWidget& window, NoteAnimation kind, const std::function<void()>& done);

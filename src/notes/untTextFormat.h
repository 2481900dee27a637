// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QTextEdit;

// The formatting commands of a note's text, shared by the editor palette and the note's own
// keys. Character formats go to the selection; without one they become the format of what is
// typed next (so bold on an empty note makes the first typed characters bold). Every change is a
// change of the document, so the note counts as modified and saves it like typed text.
namespace TextFormat {

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

// What the palette's latches show for the current selection.
struct State {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool bullets = false;
    Alignment alignment = Alignment::Left;
    QString family;
    int pointSize = 0;
    bool hasSelection = false;
    bool canUndo = false;
    bool canRedo = false;
};

State Read(const QTextEdit& edit);

void SetBold(QTextEdit& edit, bool on);
void SetItalic(QTextEdit& edit, bool on);
void SetUnderline(QTextEdit& edit, bool on);
// Flips the style as the selection has it (Ctrl+B, Ctrl+I, Ctrl+U).
void ToggleBold(QTextEdit& edit);
void ToggleItalic(QTextEdit& edit);
void ToggleUnderline(QTextEdit& edit);

void SetFontFamily(QTextEdit& edit, const QString& family);
// Sizes below 1 point change nothing.
void SetPointSize(QTextEdit& edit, int pointSize);
// A colour, or none for the automatic text colour.
void SetTextColor(QTextEdit& edit, std::optional<QColor> color);
// A highlight colour, or none to remove the highlight.
void SetHighlight(QTextEdit& edit, std::optional<QColor> color);

// The alignment of every paragraph the selection touches.
void SetAlignment(QTextEdit& edit, Alignment alignment);
// Makes the selected paragraphs a bulleted list, or takes them out of their lists.
void SetBullets(QTextEdit& edit, bool on);

} // namespace TextFormat

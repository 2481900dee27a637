// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTextFormat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

namespace TextFormat {
namespace {

// The selection's format, or the typing format without a selection: QTextEdit merges into
// whichever the cursor has, and keeps the two in step.
void Merge(QTextEdit& edit, const QTextCharFormat& change) {
    edit.mergeCurrentCharFormat(change);
}

Alignment AlignmentOf(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter)
        return Alignment::Centre;
    if (alignment & Qt::AlignRight)
        return Alignment::Right;
    return Alignment::Left;
}

Qt::Alignment QtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

bool IsBulletList(const QTextList* list) {
    if (!list)
        return false;
    const QTextListFormat::Style style = list->format().style();
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

} // namespace

State Read(const QTextEdit& edit) {
    const QTextCharFormat format = edit.currentCharFormat();
    const QTextCursor cursor = edit.textCursor();
    State state;
    state.bold = format.fontWeight() > QFont::Medium;
    state.italic = format.fontItalic();
    state.underline = format.underlineStyle() != QTextCharFormat::NoUnderline;
    state.bullets = IsBulletList(cursor.currentList());
    state.alignment = AlignmentOf(cursor.blockFormat().alignment());
    const QFont font = format.font();
    state.family = font.family();
    state.pointSize = font.pointSize() > 0 ? font.pointSize() : edit.font().pointSize();
    state.hasSelection = cursor.hasSelection();
    state.canUndo = edit.document()->isUndoAvailable();
    state.canRedo = edit.document()->isRedoAvailable();
    return state;
}

void SetBold(QTextEdit& edit, bool on) {
    QTextCharFormat change;
    change.setFontWeight(on ? QFont::Bold : QFont::Normal);
    Merge(edit, change);
}

void SetItalic(QTextEdit& edit, bool on) {
    QTextCharFormat change;
    change.setFontItalic(on);
    Merge(edit, change);
}

void SetUnderline(QTextEdit& edit, bool on) {
    QTextCharFormat change;
    change.setFontUnderline(on);
    Merge(edit, change);
}

void ToggleBold(QTextEdit& edit) {
    SetBold(edit, !Read(edit).bold);
}

void ToggleItalic(QTextEdit& edit) {
    SetItalic(edit, !Read(edit).italic);
}

void ToggleUnderline(QTextEdit& edit) {
    SetUnderline(edit, !Read(edit).underline);
}

void SetFontFamily(QTextEdit& edit, const QString& family) {
    QTextCharFormat change;
    change.setFontFamilies({family});
    Merge(edit, change);
}

void SetPointSize(QTextEdit& edit, int pointSize) {
    if (pointSize < 1)
        return;
    QTextCharFormat change;
    change.setFontPointSize(pointSize);
    Merge(edit, change);
}

// No brush is the automatic colour: the text is drawn with the control's own text colour and
// the writer stores colour 0 (\cf0, \highlight0).
void SetTextColor(QTextEdit& edit, std::optional<QColor> color) {
    QTextCharFormat change;
    change.setForeground(color ? QBrush(*color) : QBrush(Qt::NoBrush));
    Merge(edit, change);
}

void SetHighlight(QTextEdit& edit, std::optional<QColor> color) {
    QTextCharFormat change;
    change.setBackground(color ? QBrush(*color) : QBrush(Qt::NoBrush));
    Merge(edit, change);
}

void SetAlignment(QTextEdit& edit, Alignment alignment) {
    edit.setAlignment(QtAlignment(alignment));
}

void SetBullets(QTextEdit& edit, bool on) {
    QTextCursor cursor = edit.textCursor();
    cursor.beginEditBlock();
    if (on) {
        QTextListFormat format;
        format.setStyle(QTextListFormat::ListDisc);
        format.setIndent(1);
        cursor.createList(format);
    } else {
        QTextCursor walker = cursor;
        const int end = cursor.selectionEnd();
        walker.setPosition(cursor.selectionStart());
        for (QTextBlock block = walker.block(); block.isValid() && block.position() <= end;
             block = block.next()) {
            if (QTextList* list = block.textList()) {
                list->remove(block);
                QTextCursor blockCursor(block);
                QTextBlockFormat format = block.blockFormat();
                format.setIndent(0);
                blockCursor.setBlockFormat(format);
            }
        }
    }
    cursor.endEditBlock();
}

} // namespace TextFormat

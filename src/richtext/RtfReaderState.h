// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RtfKeywords.h"

#include <QColor>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>

// Where the text of a group goes.
enum class RtfDestination {
    Text,                // the document
    Skip,                // nowhere
    FontTable,           // font names
    ColorTable,          // colour entries
    FieldInstruction,    // a field's instruction text
    Picture,             // picture data
    Object,              // an embedded object, kept whole
    ListText,            // a list item's number or bullet, as text
    ListDescriptor,      // a `\pn` group
    ListTextAfter,       // the text after a list number (`\pntxta`)
    ListTextBefore,      // the text before a list number (`\pntxtb`)
    UnicodeAlternatives, // `\upr`: only its `\ud` part is read
};

// Character properties as RTF sets them; a value, so a group restores it by copying.
struct RtfCharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    int foreground = 0; // colour table index; 0 is "automatic"
    int background = 0;

    bool operator==(const RtfCharacterState&) const = default;
};

struct RtfListState {
    QTextListFormat::Style style = QTextListFormat::ListStyleUndefined;     // from `\pn`
    QTextListFormat::Style textStyle = QTextListFormat::ListStyleUndefined; // from the item text
    QString prefix;
    QString suffix;
    int level = 0;
};

// Paragraph properties; lengths in twips.
struct RtfParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool inTable = false;
    RtfListState list;
};

enum class RtfGroupRole { None, Picture, Object, ListText, ListDescriptor };

struct RtfGroupState {
    RtfDestination destination = RtfDestination::Text;
    RtfDestination outsideAlternatives = RtfDestination::Text; // where `\ud` text goes
    RtfGroupRole role = RtfGroupRole::None;                    // what closing this group completes
    RtfCharacterState characters;
    RtfParagraphState paragraph;
    int unicodeSkip = 1;
    int field = -1;            // the field this group belongs to
    int fieldResult = -1;      // the field whose shown result this group is
    qsizetype objectStart = 0; // offset of the \pict or \object word of a group kept whole
};

struct RtfFont {
    QString name;
    int charset = -1;
    int codePage = 0;
};

QTextBlockFormat BlockFormatFor(const RtfParagraphState& paragraph);
// A format with ListStyleUndefined when the paragraph is no list item.
QTextListFormat ListFormatFor(const RtfParagraphState& paragraph);
// The list style a list item's own text ("1.", "a)", a bullet) shows.
QTextListFormat::Style ListStyleOfItemText(const QString& itemText);

// What a control word does to the group's character, paragraph or `\pn` list properties;
// words of other kinds leave them as they are.
void ApplyCharacterWord(RtfCharacterState& characters, RtfKeyword keyword, int parameter,
                        bool hasParameter);
void ApplyParagraphWord(RtfParagraphState& paragraph, RtfKeyword keyword, int parameter);
void ApplyListDescriptorWord(RtfListState& list, RtfKeyword keyword, int parameter);

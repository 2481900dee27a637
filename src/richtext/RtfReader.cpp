// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfReader.h"

#include "RtfCharacters.h"
#include "RtfCodePages.h"
#include "RtfDocumentBuilder.h"
#include "RtfFormatProperties.h"
#include "RtfHyperlink.h"
#include "RtfKeywords.h"
#include "RtfPicture.h"
#include "RtfReaderState.h"
#include "RtfTokenizer.h"

#include <QHash>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <vector>

namespace {
constexpr int MaxFonts = 4096;
constexpr int MaxColors = 4096;
constexpr int MaxFields = 65536;
constexpr qsizetype MaxNameLength = 256;
constexpr qsizetype MaxInstructionLength = 8192;
constexpr qsizetype MaxCellsPerRow = 64;

struct Field {
    QString instruction;
    QString target;
    bool linkOpen = true; // a paragraph mark inside the result ends the link
};

bool StartsAsRtf(const QByteArray& rtf) {
    const QByteArray start = rtf.left(64).trimmed();
    return start.startsWith("{\\rtf") || start.startsWith("{\\urtf");
}

bool IsTextDestination(RtfDestination destination) {
    return destination != RtfDestination::Skip && destination != RtfDestination::Picture &&
           destination != RtfDestination::Object &&
           destination != RtfDestination::UnicodeAlternatives;
}

// Walks the tokens with a stack of group states and hands what they mean to the builder.
class RtfInterpreter {
public:
    RtfInterpreter(const QByteArray& rtf, QTextDocument& document)
        : FRtf(rtf), FDocument(document), FTokens(rtf), FBuilder(document) {}

    void Run();

private:
    // The innermost open group; the outer group stays on the stack after its '}'.
    RtfGroupState& Top() { return FStack.back(); }

    // tokens
    bool ConsumeUnicodeFallback(RtfToken& token);
    void HandleToken(const RtfToken& token);
    void OpenGroup();
    void CloseGroup();
    void CompleteGroup(const RtfGroupState& closed);
    QByteArray ObjectGroup(const RtfGroupState& closed) const;
    void HandleControlWord(const RtfToken& token);
    void HandleControlSymbol(char symbol);
    void HandleText(QByteArrayView text);

    // control words by kind
    bool ApplyDestinationWord(RtfKeyword keyword);
    void ApplyDocumentWord(RtfKeyword keyword, int parameter);
    void ApplyFontOrColorWord(RtfKeyword keyword, int parameter);
    void ApplyTableWord(RtfKeyword keyword, int parameter);
    void ApplyTextWord(RtfKeyword keyword);

    // text
    void AppendBytes(QByteArrayView bytes);
    void FlushBytes();
    void AppendUnicodeUnit(int parameter);
    void EmitText(const QString& text);
    void RouteText(const QString& text);
    void AppendFontName(const QString& text);
    void AppendColorText(const QString& text);
    int CurrentCodePage();
    void TellTableContext();
    void EndParagraph(bool endsCell);

    // font table
    void StartFont(int id);
    void FinishFont();

    QTextCharFormat CurrentCharFormat();

    const QByteArray& FRtf;
    QTextDocument& FDocument;
    RtfTokenizer FTokens;
    RtfDocumentBuilder FBuilder;
    std::vector<RtfGroupState> FStack;
    bool FClosed = false;
    int FExcessDepth = 0;
    int FSkipRemaining = 0;
    bool FIgnorableNext = false;
    qsizetype FWordOffset = 0; // of the control word being handled

    int FDocumentCodePage = RtfCodePages::Ansi;
    bool FUtf8 = false;
    int FDefaultFont = 0;
    QHash<int, RtfFont> FFonts;
    std::optional<int> FDefiningFont;
    RtfFont FFontEntry;
    QList<QColor> FColors;
    int FRed = -1, FGreen = -1, FBlue = -1;
    std::vector<Field> FFields;
    RtfPicture FPicture;
    QSizeF FObjectSize;
    QString FListText;
    RtfListState FListDescriptor;
    QList<int> FCellEdges; // of the current table row, in twips

    QByteArray FPendingBytes;
    int FPendingCodePage = 0;
    char16_t FHighSurrogate = 0;

    bool FFormatValid = false;
    RtfCharacterState FFormatState;
    int FFormatLink = -1;
    QTextCharFormat FFormat;
};

void RtfInterpreter::Run() {
    // The outer group is closed: what follows (a NUL, say) is no RTF.
    for (RtfToken token = FTokens.Next(); token.kind != RtfTokenKind::End && !FClosed;
         token = FTokens.Next()) {
        if (FSkipRemaining > 0 && ConsumeUnicodeFallback(token))
            continue;
        HandleToken(token);
    }
    if (FStack.empty())
        FStack.emplace_back();
    FlushBytes();
    EmitText({});
    TellTableContext();
    FBuilder.Finish(BlockFormatFor(Top().paragraph), ListFormatFor(Top().paragraph),
                    CurrentCharFormat());
}

// After `\uN` the next `\uc` characters are the fallback for readers without Unicode. A hex
// escape or a control word counts as one character; a group boundary ends the fallback.
bool RtfInterpreter::ConsumeUnicodeFallback(RtfToken& token) {
    switch (token.kind) {
    case RtfTokenKind::GroupStart:
    case RtfTokenKind::GroupEnd:
        FSkipRemaining = 0;
        return false;
    case RtfTokenKind::Text: {
        const qsizetype skipped = std::min<qsizetype>(FSkipRemaining, token.bytes.size());
        FSkipRemaining -= int(skipped);
        token.bytes = token.bytes.sliced(skipped);
        return token.bytes.isEmpty();
    }
    case RtfTokenKind::Binary:
        return true; // the data of a skipped \bin
    default:
        --FSkipRemaining;
        return true;
    }
}

void RtfInterpreter::HandleToken(const RtfToken& token) {
    if (FStack.empty() && token.kind != RtfTokenKind::GroupStart)
        return; // blanks before the outer group
    if (FExcessDepth > 0) {
        if (token.kind == RtfTokenKind::GroupStart)
            ++FExcessDepth;
        else if (token.kind == RtfTokenKind::GroupEnd)
            --FExcessDepth;
        return;
    }
    switch (token.kind) {
    case RtfTokenKind::GroupStart:
        OpenGroup();
        break;
    case RtfTokenKind::GroupEnd:
        CloseGroup();
        break;
    case RtfTokenKind::ControlWord:
        HandleControlWord(token);
        break;
    case RtfTokenKind::ControlSymbol:
        HandleControlSymbol(token.symbol);
        break;
    case RtfTokenKind::HexByte: {
        const char byte = char(token.byte);
        if (IsTextDestination(Top().destination))
            AppendBytes(QByteArrayView(&byte, 1));
        break;
    }
    case RtfTokenKind::Text:
        HandleText(token.bytes);
        break;
    case RtfTokenKind::Binary:
        if (Top().destination == RtfDestination::Picture)
            FPicture.AppendBinary(token.bytes);
        break;
    case RtfTokenKind::InvalidHex:
    case RtfTokenKind::End:
        break;
    }
}

void RtfInterpreter::OpenGroup() {
    FlushBytes();
    FIgnorableNext = false;
    if (int(FStack.size()) >= RtfReader::MaxGroupDepth) {
        FExcessDepth = 1;
        return;
    }
    RtfGroupState state = FStack.empty() ? RtfGroupState() : Top();
    state.role = RtfGroupRole::None;
    FStack.push_back(state);
}

void RtfInterpreter::CloseGroup() {
    FlushBytes();
    FIgnorableNext = false;
    if (FStack.size() == 1) {
        FClosed = true;
        return; // the outer group stays on the stack until the last paragraph is finished
    }
    const RtfGroupState closed = FStack.back();
    FStack.pop_back();
    CompleteGroup(closed);
}

void RtfInterpreter::CompleteGroup(const RtfGroupState& closed) {
    if (closed.destination == RtfDestination::FontTable)
        FinishFont();
    const bool shown = Top().destination == RtfDestination::Text;
    if (shown)
        TellTableContext();
    switch (closed.role) {
    case RtfGroupRole::Picture:
        if (!shown)
            break;
        FlushBytes();
        if (FPicture.IsShowable())
            FBuilder.InsertImage(FPicture.AddTo(FDocument));
        else
            FBuilder.InsertImage(
                AddOpaqueObject(FDocument, ObjectGroup(closed), FPicture.DisplaySize()));
        break;
    case RtfGroupRole::Object:
        if (shown)
            FBuilder.InsertImage(AddOpaqueObject(FDocument, ObjectGroup(closed), FObjectSize));
        break;
    case RtfGroupRole::ListText:
        Top().paragraph.list.textStyle = ListStyleOfItemText(FListText);
        break;
    case RtfGroupRole::ListDescriptor:
        FListDescriptor.level = std::clamp(FListDescriptor.level, 0, 8);
        Top().paragraph.list = FListDescriptor;
        break;
    case RtfGroupRole::None:
        break;
    }
}

// The RTF of a group kept whole, from the word that made it an object, so that text before that
// word (already shown) is not kept a second time.
QByteArray RtfInterpreter::ObjectGroup(const RtfGroupState& closed) const {
    return '{' + FRtf.mid(closed.objectStart, FTokens.Position() - closed.objectStart);
}

void RtfInterpreter::HandleControlWord(const RtfToken& token) {
    FlushBytes(); // the bytes before the word are in the formats before it
    FWordOffset = token.offset;
    const bool ignorable = std::exchange(FIgnorableNext, false);
    RtfGroupState& state = Top();
    if (state.destination == RtfDestination::Skip)
        return;
    const RtfKeyword keyword = LookUpKeyword(token.bytes);
    if (ApplyDestinationWord(keyword))
        return;
    if (ignorable) {
        state.destination = RtfDestination::Skip;
        return;
    }
    switch (state.destination) {
    case RtfDestination::Picture:
        FPicture.ApplyControlWord(token.bytes, token.parameter);
        return;
    case RtfDestination::Object:
        if (keyword == RtfKeyword::ObjectWidth)
            FObjectSize.setWidth(std::clamp(token.parameter / TwipsPerPixel, 0.0, 16384.0));
        else if (keyword == RtfKeyword::ObjectHeight)
            FObjectSize.setHeight(std::clamp(token.parameter / TwipsPerPixel, 0.0, 16384.0));
        return;
    case RtfDestination::FontTable:
    case RtfDestination::ColorTable:
        ApplyFontOrColorWord(keyword, token.parameter);
        return;
    case RtfDestination::ListDescriptor:
        ApplyListDescriptorWord(FListDescriptor, keyword, token.parameter);
        return;
    case RtfDestination::UnicodeAlternatives:
        return;
    default:
        break;
    }
    ApplyDocumentWord(keyword, token.parameter);
    ApplyCharacterWord(state.characters, keyword, token.parameter, token.hasParameter);
    ApplyParagraphWord(state.paragraph, keyword, token.parameter);
    ApplyTableWord(keyword, token.parameter);
    ApplyTextWord(keyword);
}

// Starts the destination a word names, where that destination can occur. Words that start
// destinations mean nothing inside pictures, objects, tables and the like.
bool RtfInterpreter::ApplyDestinationWord(RtfKeyword keyword) {
    RtfGroupState& state = Top();
    switch (keyword) {
    case RtfKeyword::SkippedDestination:
        state.destination = RtfDestination::Skip;
        return true;
    case RtfKeyword::ListTextAfter:
    case RtfKeyword::ListTextBefore:
        if (state.destination != RtfDestination::ListDescriptor)
            return false;
        state.destination = keyword == RtfKeyword::ListTextAfter ? RtfDestination::ListTextAfter
                                                                 : RtfDestination::ListTextBefore;
        return true;
    case RtfKeyword::UnicodeDisplay:
        if (state.destination != RtfDestination::UnicodeAlternatives)
            return false;
        state.destination = state.outsideAlternatives;
        return true;
    default:
        break;
    }
    if (state.destination != RtfDestination::Text)
        return false;
    switch (keyword) {
    case RtfKeyword::FontTable:
        state.destination = RtfDestination::FontTable;
        return true;
    case RtfKeyword::ColorTable:
        state.destination = RtfDestination::ColorTable;
        FRed = FGreen = FBlue = -1;
        return true;
    case RtfKeyword::Picture:
        state.destination = RtfDestination::Picture;
        state.role = RtfGroupRole::Picture;
        state.objectStart = FWordOffset;
        FPicture = RtfPicture();
        return true;
    case RtfKeyword::Object:
        state.destination = RtfDestination::Object;
        state.role = RtfGroupRole::Object;
        state.objectStart = FWordOffset;
        FObjectSize = QSizeF();
        return true;
    case RtfKeyword::ShapePicture:
        return true; // a container: its \pict is the picture
    case RtfKeyword::Field:
        if (FFields.size() < MaxFields) {
            FFields.emplace_back();
            state.field = int(FFields.size()) - 1;
        } else {
            state.field = -1;
        }
        return true;
    case RtfKeyword::FieldInstruction:
        state.destination = RtfDestination::FieldInstruction;
        return true;
    case RtfKeyword::FieldResult:
        state.destination = RtfDestination::Text;
        state.fieldResult = state.field;
        if (state.field >= 0)
            FFields[state.field].target = HyperlinkTarget(FFields[state.field].instruction);
        return true;
    case RtfKeyword::ListText:
        state.destination = RtfDestination::ListText;
        state.role = RtfGroupRole::ListText;
        FListText.clear();
        return true;
    case RtfKeyword::ListDescriptor:
        state.destination = RtfDestination::ListDescriptor;
        state.role = RtfGroupRole::ListDescriptor;
        FListDescriptor = RtfListState();
        FListDescriptor.style = QTextListFormat::ListDecimal;
        return true;
    case RtfKeyword::UnicodeAlternatives:
        state.outsideAlternatives = state.destination;
        state.destination = RtfDestination::UnicodeAlternatives;
        return true;
    default:
        return false;
    }
}

void RtfInterpreter::ApplyDocumentWord(RtfKeyword keyword, int parameter) {
    switch (keyword) {
    case RtfKeyword::Ansi:
        FDocumentCodePage = RtfCodePages::Ansi;
        break;
    case RtfKeyword::Mac:
        FDocumentCodePage = 10000;
        break;
    case RtfKeyword::Pc:
        FDocumentCodePage = 437;
        break;
    case RtfKeyword::Pca:
        FDocumentCodePage = 850;
        break;
    case RtfKeyword::Utf8Rtf:
        FUtf8 = true;
        break;
    case RtfKeyword::AnsiCodePage:
        if (parameter > 0)
            FDocumentCodePage = parameter;
        break;
    case RtfKeyword::DefaultFont:
        FDefaultFont = parameter;
        break;
    case RtfKeyword::UnicodeSkip:
        Top().unicodeSkip = std::clamp(parameter, 0, 16);
        break;
    case RtfKeyword::Unicode:
        AppendUnicodeUnit(parameter);
        break;
    default:
        break;
    }
}

void RtfInterpreter::ApplyFontOrColorWord(RtfKeyword keyword, int parameter) {
    switch (keyword) {
    case RtfKeyword::Font:
        StartFont(parameter);
        break;
    case RtfKeyword::FontCharset:
        FFontEntry.charset = parameter;
        break;
    case RtfKeyword::FontCodePage:
        FFontEntry.codePage = parameter;
        break;
    case RtfKeyword::Red:
        FRed = std::clamp(parameter, 0, 255);
        break;
    case RtfKeyword::Green:
        FGreen = std::clamp(parameter, 0, 255);
        break;
    case RtfKeyword::Blue:
        FBlue = std::clamp(parameter, 0, 255);
        break;
    case RtfKeyword::Unicode:
        AppendUnicodeUnit(parameter);
        break;
    default:
        break;
    }
}

void RtfInterpreter::ApplyTableWord(RtfKeyword keyword, int parameter) {
    switch (keyword) {
    case RtfKeyword::RowDefaults:
        FCellEdges.clear();
        break;
    case RtfKeyword::CellEdge:
        if (FCellEdges.size() < MaxCellsPerRow)
            FCellEdges.append(std::clamp(parameter, 0, MaxPageTwips));
        break;
    case RtfKeyword::Cell:
        if (Top().destination == RtfDestination::Text)
            EndParagraph(true);
        break;
    case RtfKeyword::Row:
        if (Top().destination == RtfDestination::Text)
            FBuilder.EndRow();
        break;
    default:
        break;
    }
}

void RtfInterpreter::ApplyTextWord(RtfKeyword keyword) {
    if (keyword == RtfKeyword::Paragraph) {
        if (Top().destination == RtfDestination::Text)
            EndParagraph(false);
        return;
    }
    const QChar special = SpecialCharacter(keyword);
    if (!special.isNull())
        EmitText(special);
}

void RtfInterpreter::HandleControlSymbol(char symbol) {
    FlushBytes();
    if (symbol == '*') {
        FIgnorableNext = true;
        return;
    }
    FIgnorableNext = false;
    if (!IsTextDestination(Top().destination))
        return;
    if (symbol == '\n') {
        if (Top().destination == RtfDestination::Text)
            EndParagraph(false);
        return;
    }
    const QChar character = SymbolCharacter(symbol);
    if (!character.isNull())
        EmitText(character);
}

void RtfInterpreter::HandleText(QByteArrayView text) {
    switch (Top().destination) {
    case RtfDestination::Picture:
        FPicture.AppendHexDigits(text);
        break;
    case RtfDestination::Skip:
    case RtfDestination::Object:
    case RtfDestination::UnicodeAlternatives:
        break;
    default:
        AppendBytes(text);
    }
}

void RtfInterpreter::AppendBytes(QByteArrayView bytes) {
    const int codePage = CurrentCodePage();
    if (!FPendingBytes.isEmpty() && codePage != FPendingCodePage)
        FlushBytes();
    FPendingCodePage = codePage;
    FPendingBytes.append(bytes);
}

// Bytes are decoded in runs, so that the two bytes of a double-byte character written as two
// hex escapes (or a hex escape and a letter) stay together.
void RtfInterpreter::FlushBytes() {
    if (FPendingBytes.isEmpty())
        return;
    const QString text = RtfCodePages::Decode(FPendingBytes, FPendingCodePage);
    FPendingBytes.clear();
    EmitText(text);
}

int RtfInterpreter::CurrentCodePage() {
    if (FUtf8)
        return RtfCodePages::Utf8; // `{\urtf`: all text is UTF-8, whatever the font
    const RtfFont* font = nullptr;
    if (Top().destination == RtfDestination::FontTable) {
        font = &FFontEntry; // a font's name is written in its own code page
    } else {
        const int id = Top().characters.font < 0 ? FDefaultFont : Top().characters.font;
        const auto found = FFonts.constFind(id);
        font = found == FFonts.cend() ? nullptr : &found.value();
    }
    if (font && font->codePage > 0)
        return font->codePage;
    if (font && font->charset >= 0)
        return RtfCodePages::FromCharset(font->charset, FDocumentCodePage);
    return FDocumentCodePage;
}

void RtfInterpreter::AppendUnicodeUnit(int parameter) {
    FlushBytes();
    FSkipRemaining = Top().unicodeSkip;
    if (parameter < -32768 || parameter > 65535) {
        EmitText(QString(QChar::ReplacementCharacter));
        return;
    }
    const auto unit = char16_t(parameter < 0 ? parameter + 65536 : parameter);
    if (QChar::isHighSurrogate(unit)) {
        EmitText({}); // an earlier high surrogate without its partner
        FHighSurrogate = unit;
    } else if (QChar::isLowSurrogate(unit) && FHighSurrogate != 0) {
        const char16_t pair[2] = {std::exchange(FHighSurrogate, 0), unit};
        RouteText(QString::fromUtf16(pair, 2));
    } else {
        const bool lone = QChar::isLowSurrogate(unit);
        EmitText(QString(lone ? QChar(QChar::ReplacementCharacter) : QChar(unit)));
    }
}

// All text passes here; a high surrogate still waiting for its partner is shown as U+FFFD.
void RtfInterpreter::EmitText(const QString& text) {
    if (FHighSurrogate != 0) {
        FHighSurrogate = 0;
        RouteText(QString(QChar::ReplacementCharacter));
    }
    if (!text.isEmpty())
        RouteText(text);
}

void RtfInterpreter::RouteText(const QString& text) {
    switch (Top().destination) {
    case RtfDestination::Text:
        if (Top().characters.hidden)
            break;
        TellTableContext();
        FBuilder.AppendText(ShownText(text), CurrentCharFormat());
        break;
    case RtfDestination::FontTable:
        AppendFontName(text);
        break;
    case RtfDestination::ColorTable:
        AppendColorText(text);
        break;
    case RtfDestination::FieldInstruction:
        if (Top().field >= 0 &&
            FFields[Top().field].instruction.size() + text.size() <= MaxInstructionLength)
            FFields[Top().field].instruction += text;
        break;
    case RtfDestination::ListText:
        if (FListText.size() < MaxNameLength)
            FListText += text;
        break;
    case RtfDestination::ListTextBefore:
        FListDescriptor.prefix = (FListDescriptor.prefix + text).left(MaxNameLength);
        break;
    case RtfDestination::ListTextAfter:
        FListDescriptor.suffix = (FListDescriptor.suffix + text).left(MaxNameLength);
        break;
    default:
        break;
    }
}

void RtfInterpreter::AppendFontName(const QString& text) {
    for (const QChar c : text) {
        if (c == u';')
            FinishFont();
        else if (FDefiningFont && FFontEntry.name.size() < MaxNameLength)
            FFontEntry.name += c;
    }
}

void RtfInterpreter::AppendColorText(const QString& text) {
    for (const QChar c : text) {
        if (c != u';')
            continue;
        // An entry without components is "automatic": the reader's default colour.
        if (FColors.size() < MaxColors)
            FColors.append(
                FRed < 0 && FGreen < 0 && FBlue < 0
                    ? QColor()
                    : QColor(std::max(FRed, 0), std::max(FGreen, 0), std::max(FBlue, 0)));
        FRed = FGreen = FBlue = -1;
        FFormatValid = false;
    }
}

void RtfInterpreter::StartFont(int id) {
    FinishFont();
    FDefiningFont = id;
    FFontEntry = RtfFont();
}

void RtfInterpreter::FinishFont() {
    FlushBytes();
    if (!FDefiningFont)
        return;
    if (FFonts.size() < MaxFonts || FFonts.contains(*FDefiningFont)) {
        // A font is not named with control characters; they are no part of the name.
        FFontEntry.name.removeIf([](QChar c) { return c.unicode() < 0x20; });
        FFontEntry.name = FFontEntry.name.trimmed();
        FFonts.insert(*FDefiningFont, FFontEntry);
        FFormatValid = false;
    }
    FDefiningFont.reset();
    FFontEntry = RtfFont();
}

void RtfInterpreter::TellTableContext() {
    FBuilder.SetTableContext(Top().paragraph.inTable, FCellEdges);
}

void RtfInterpreter::EndParagraph(bool endsCell) {
    FlushBytes();
    EmitText({});
    TellTableContext();
    RtfGroupState& state = Top();
    if (endsCell)
        FBuilder.EndCell(BlockFormatFor(state.paragraph), ListFormatFor(state.paragraph),
                         CurrentCharFormat());
    else
        FBuilder.EndParagraph(BlockFormatFor(state.paragraph), ListFormatFor(state.paragraph),
                              CurrentCharFormat());
    state.paragraph.list.textStyle = QTextListFormat::ListStyleUndefined;
    if (state.fieldResult >= 0)
        FFields[state.fieldResult].linkOpen = false;
}

QTextCharFormat RtfInterpreter::CurrentCharFormat() {
    const RtfGroupState& state = Top();
    const int link =
        state.fieldResult >= 0 && FFields[state.fieldResult].linkOpen ? state.fieldResult : -1;
    if (FFormatValid && state.characters == FFormatState && link == FFormatLink)
        return FFormat;
    const RtfCharacterState& characters = state.characters;
    QTextCharFormat format;
    format.setFontWeight(characters.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(characters.italic);
    format.setFontUnderline(characters.underline);
    format.setFontStrikeOut(characters.strike);
    format.setFontPointSize(characters.halfPoints / 2.0);
    if (characters.vertical != QTextCharFormat::AlignNormal)
        format.setVerticalAlignment(characters.vertical);
    const auto font = FFonts.constFind(characters.font < 0 ? FDefaultFont : characters.font);
    if (font != FFonts.cend()) {
        if (!font->name.isEmpty())
            format.setFontFamilies(QStringList{font->name});
        if (font->charset >= 0)
            format.setProperty(RtfFormatProperty::FontCharset, font->charset);
    }
    const QColor foreground = FColors.value(characters.foreground);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = FColors.value(characters.background);
    if (background.isValid())
        format.setBackground(background);
    if (link >= 0 && !FFields[link].target.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(FFields[link].target);
    }
    FFormatValid = true;
    FFormatState = characters;
    FFormatLink = link;
    FFormat = format;
    return format;
}
} // namespace

bool RtfReader::Read(const QByteArray& rtf, QTextDocument& document) {
    if (!StartsAsRtf(rtf))
        return false;
    // Like setHtml(): loading is no step the user can undo. One edit block lays the text out
    // once, not after every run.
    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor edit(&document);
    edit.beginEditBlock();
    RtfInterpreter(rtf, document).Run();
    edit.endEditBlock();
    document.setUndoRedoEnabled(undoable);
    return true;
}

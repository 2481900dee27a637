// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfWriter.h"

#include "RtfAsciiGroup.h"
#include "RtfFormatProperties.h"
#include "RtfPicture.h"
#include "RtfWriterTables.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <cmath>

namespace {
// Character properties as RTF control words see them.
struct WrittenCharacters {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = QTextCharFormat::AlignNormal;
    int font = 0;
    int halfPoints = 24;
    int foreground = 0;
    int background = 0;
};

int Twips(double pixels) {
    return int(std::lround(pixels * TwipsPerPixel));
}

bool IsBullet(QTextListFormat::Style style) {
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

QByteArray NumberingWord(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListLowerAlpha:
        return "\\pnlcltr";
    case QTextListFormat::ListUpperAlpha:
        return "\\pnucltr";
    case QTextListFormat::ListLowerRoman:
        return "\\pnlcrm";
    case QTextListFormat::ListUpperRoman:
        return "\\pnucrm";
    default:
        return "\\pndec";
    }
}

QByteArray AlignmentWord(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter)
        return "\\qc";
    if (alignment & Qt::AlignRight)
        return "\\qr";
    if (alignment & Qt::AlignJustify)
        return "\\qj";
    return {};
}

QByteArray LineSpacingWords(const QTextBlockFormat& format) {
    const double height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (height == 100)
            return {};
        return "\\sl" + QByteArray::number(std::lround(height * 240 / 100)) + "\\slmult1";
    case QTextBlockFormat::MinimumHeight:
        return "\\sl" + QByteArray::number(Twips(height)) + "\\slmult0";
    case QTextBlockFormat::FixedHeight:
        return "\\sl-" + QByteArray::number(Twips(height)) + "\\slmult0";
    default:
        return {};
    }
}

QByteArray LengthWord(const char* word, double pixels) {
    const int twips = Twips(pixels);
    return twips == 0 ? QByteArray() : word + QByteArray::number(twips);
}

// The picture's bytes as PNG or JPEG, and which of the two they are.
struct PictureData {
    QByteArray bytes;
    QByteArray blip;
    QSize pixels;
};

PictureData PictureOf(const QTextDocument& document, const QString& name) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    PictureData picture;
    if (resource.typeId() == QMetaType::QByteArray) {
        picture.bytes = resource.toByteArray();
        const bool png = picture.bytes.startsWith("\x89PNG");
        if (png || picture.bytes.startsWith("\xFF\xD8")) {
            picture.blip = png ? "\\pngblip" : "\\jpegblip";
            picture.pixels = EncodedPictureSize(picture.bytes);
            return picture; // written back as it was read
        }
    }
    QImage image;
    if (resource.typeId() == QMetaType::QImage)
        image = resource.value<QImage>();
    else if (resource.typeId() == QMetaType::QPixmap)
        image = resource.value<QPixmap>().toImage();
    else if (resource.typeId() == QMetaType::QByteArray)
        image = QImage::fromData(picture.bytes);
    if (image.isNull())
        return picture; // bytes we cannot decode stay as they are, as PNG data
    picture = PictureData();
    QBuffer buffer(&picture.bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    picture.blip = "\\pngblip";
    picture.pixels = image.size();
    return picture;
}

// Without a GUI application Qt knows no default font; the rich-edit control's own default
// serves then.
QString DefaultFamily(const QTextDocument& document) {
    const QString family = document.defaultFont().family();
    return family.isEmpty() ? QStringLiteral("Tahoma") : family;
}

class RtfEmitter {
public:
    explicit RtfEmitter(const QTextDocument& document)
        : FDocument(document), FFonts(DefaultFamily(document)) {}

    QByteArray Write();

private:
    void WriteFrame(const QTextFrame& frame);
    void WriteTable(const QTextTable& table);
    QByteArray RowDefinition(const QTextTable& table);
    // One paragraph and its end mark; `emptied` writes it without its text.
    void WriteParagraph(const QTextBlock& block, bool inTable, const char* end,
                        bool emptied = false);
    void WriteParagraphStart(const QTextBlock& block, bool inTable);
    QByteArray ParagraphWords(const QTextBlock& block);
    QByteArray ListDescriptor(const QTextList& list);
    QByteArray ListItemText(const QTextBlock& block);
    void WriteFragment(const QTextFragment& fragment);
    void WriteImage(const QTextImageFormat& format);
    void OpenLink(const QString& target);
    void CloseLink();
    void WriteCharacters(const QTextCharFormat& format);
    WrittenCharacters CharactersOf(const QTextCharFormat& format);
    int ColorIndex(const QBrush& brush);
    int SymbolFont() { return FFonts.IndexOf(QStringLiteral("Symbol"), 2); }

    const QTextDocument& FDocument;
    RtfFontTable FFonts;
    RtfColorTable FColors;
    QByteArray FBody;
    WrittenCharacters FCharacters; // starts as RTF's defaults: \f0 (the \deff) at \fs24
    WrittenCharacters FOutsideLink;
    QString FLink;
    QByteArray FParagraphSignature;
    bool FFirstParagraph = true;
};

QByteArray RtfEmitter::Write() {
    WriteFrame(*FDocument.rootFrame());
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033";
    rtf += FFonts.ToRtf() + "\r\n" + FColors.ToRtf() + "\r\n";
    rtf += "{\\*\\generator Velmar Notes;}\\viewkind4\\uc1 \r\n";
    rtf += FBody;
    rtf += "}\r\n";
    return rtf;
}

// The paragraphs and tables of a frame in order. Qt keeps an empty paragraph before a table at
// the start of a document; the reader makes it again, so it is not written.
void RtfEmitter::WriteFrame(const QTextFrame& frame) {
    for (auto it = frame.begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            WriteTable(*table);
        } else if (it.currentFrame()) {
            WriteFrame(*it.currentFrame());
        } else {
            auto next = it;
            ++next;
            const bool beforeTable =
                !next.atEnd() && qobject_cast<const QTextTable*>(next.currentFrame());
            const QTextBlock block = it.currentBlock();
            if (!(beforeTable && block == FDocument.begin() && block.length() <= 1))
                WriteParagraph(block, false, "\\par\r\n");
        }
    }
}

// The rich-edit control's table form: a row definition with each cell's right edge, then the
// cells' paragraphs marked \intbl, each cell closed by \cell and the row by \row.
void RtfEmitter::WriteTable(const QTextTable& table) {
    const QByteArray definition = RowDefinition(table);
    for (int row = 0; row < table.rows(); ++row) {
        FBody += definition;
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            // A cell that another spans is written empty, its text is in the spanning cell.
            const bool own = cell.row() == row && cell.column() == column;
            QList<QTextBlock> blocks;
            for (QTextBlock block = cell.firstCursorPosition().block();
                 own && block.isValid() && block.position() <= cell.lastPosition();
                 block = block.next())
                blocks.append(block);
            if (blocks.isEmpty())
                blocks.append(cell.firstCursorPosition().block());
            for (qsizetype i = 0; i < blocks.size(); ++i) {
                const bool last = i + 1 == blocks.size();
                if (own || last)
                    WriteParagraph(blocks[i], true, last ? "\\cell " : "\\par\r\n", !own);
            }
        }
        FBody += "\\row\r\n";
    }
}

QByteArray RtfEmitter::RowDefinition(const QTextTable& table) {
    const QTextTableFormat format = table.format();
    const QList<QTextLength> widths = format.columnWidthConstraints();
    const QByteArray border = format.border() > 0
                                  ? "\\clbrdrt\\brdrw10\\brdrs\\clbrdrl\\brdrw10\\brdrs"
                                    "\\clbrdrb\\brdrw10\\brdrs\\clbrdrr\\brdrw10\\brdrs"
                                  : QByteArray();
    QByteArray definition = "\\trowd\\trgaph108\\trleft-108";
    int edge = 0;
    for (int column = 0; column < table.columns(); ++column) {
        const bool fixed =
            column < widths.size() && widths[column].type() == QTextLength::FixedLength;
        // No wider than the largest page, so the sum stays far from overflowing.
        edge +=
            fixed ? Twips(std::clamp(widths[column].rawValue(), 1.0, MaxPageTwips / TwipsPerPixel))
                  : 1440;
        definition += border + "\\cellx" + QByteArray::number(edge);
    }
    return definition + "\r\n";
}

void RtfEmitter::WriteParagraph(const QTextBlock& block, bool inTable, const char* end,
                                bool emptied) {
    WriteParagraphStart(block, inTable);
    if (block.length() <= 1 || emptied)
        WriteCharacters(block.charFormat()); // an empty paragraph's height
    if (!emptied)
        for (auto it = block.begin(); !it.atEnd(); ++it)
            WriteFragment(it.fragment());
    CloseLink();
    FBody += end;
}

// `\pard` and the paragraph's words when they differ from the previous paragraph's, as the
// rich-edit control writes them; a list item always gets its number or bullet.
void RtfEmitter::WriteParagraphStart(const QTextBlock& block, bool inTable) {
    const QTextList* list = block.textList();
    const QByteArray itemText = list ? ListItemText(block) : QByteArray();
    const QByteArray descriptor = list ? ListDescriptor(*list) : QByteArray();
    const QByteArray words = (inTable ? "\\intbl" : "") + ParagraphWords(block);
    if (descriptor + words == FParagraphSignature && !FFirstParagraph) {
        FBody += itemText;
        return;
    }
    FFirstParagraph = false;
    FParagraphSignature = descriptor + words;
    FBody += "\\pard" + itemText + descriptor + words + ' ';
}

QByteArray RtfEmitter::ParagraphWords(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    QByteArray words;
    if (const QTextList* list = block.textList()) {
        // The rich-edit control's list layout: the number hangs in a 360-twip indent.
        words += "\\fi-360\\li" + QByteArray::number(720 * std::max(1, list->format().indent()));
    } else {
        words += LengthWord("\\fi", format.textIndent());
        words += LengthWord("\\li", format.leftMargin());
    }
    words += AlignmentWord(format.alignment());
    words += LengthWord("\\ri", format.rightMargin());
    words += LengthWord("\\sb", format.topMargin());
    words += LengthWord("\\sa", format.bottomMargin());
    words += LineSpacingWords(format);
    return words;
}

QByteArray RtfEmitter::ListDescriptor(const QTextList& list) {
    const QTextListFormat format = list.format();
    if (IsBullet(format.style())) {
        const QByteArray symbol = QByteArray::number(SymbolFont());
        return "{\\*\\pn\\pnlvlblt\\pnf" + symbol + "\\pnindent0{\\pntxtb\\'B7}}";
    }
    QByteArray descriptor =
        "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1" + NumberingWord(format.style());
    if (!format.numberPrefix().isEmpty()) {
        descriptor += "{\\pntxtb ";
        AppendRtfText(descriptor, format.numberPrefix());
        descriptor += '}';
    }
    descriptor += "{\\pntxta ";
    // Qt numbers "1." when a list names no suffix.
    AppendRtfText(descriptor, format.hasProperty(QTextFormat::ListNumberSuffix)
                                  ? format.numberSuffix()
                                  : QStringLiteral("."));
    descriptor += "}}";
    return descriptor;
}

QByteArray RtfEmitter::ListItemText(const QTextBlock& block) {
    const QTextList* list = block.textList();
    if (IsBullet(list->format().style()))
        return "{\\pntext\\f" + QByteArray::number(SymbolFont()) + "\\'B7\\tab}";
    QByteArray text = "{\\pntext\\f0 ";
    AppendRtfText(text, list->itemText(block));
    text += "\\tab}";
    return text;
}

void RtfEmitter::WriteFragment(const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    const QString target = format.isAnchor() ? format.anchorHref() : QString();
    if (target != FLink) {
        CloseLink();
        if (!target.isEmpty())
            OpenLink(target);
    }
    if (format.isImageFormat()) {
        for (qsizetype i = 0; i < fragment.text().size(); ++i)
            WriteImage(format.toImageFormat());
        return;
    }
    WriteCharacters(format);
    AppendRtfText(FBody, fragment.text());
}

void RtfEmitter::OpenLink(const QString& target) {
    QString quoted = target;
    quoted.replace(u'"', QStringLiteral("%22"));
    FBody += "{\\field{\\*\\fldinst{HYPERLINK \"";
    AppendRtfText(FBody, quoted);
    FBody += "\"}}{\\fldrslt{";
    FLink = target;
    FOutsideLink = FCharacters;
}

void RtfEmitter::CloseLink() {
    if (FLink.isEmpty())
        return;
    FBody += "}}}";
    FLink.clear();
    FCharacters = FOutsideLink; // the field's groups kept their formats to themselves
}

void RtfEmitter::WriteImage(const QTextImageFormat& format) {
    const QByteArray opaque = format.property(RtfFormatProperty::OpaqueRtfGroup).toByteArray();
    if (!opaque.isEmpty()) {
        FBody += RtfGroupAsAscii(opaque);
        return;
    }
    PictureData picture = PictureOf(FDocument, format.name());
    if (picture.blip.isEmpty())
        picture.blip = "\\pngblip";
    const double width = format.width() > 0 ? format.width() : picture.pixels.width();
    const double height = format.height() > 0 ? format.height() : picture.pixels.height();
    if (picture.pixels.isEmpty()) // undecodable data: its shown size is the best guess
        picture.pixels = QSize(int(std::lround(width)), int(std::lround(height)));
    FBody += "{\\pict" + picture.blip + "\\picw" + QByteArray::number(picture.pixels.width()) +
             "\\pich" + QByteArray::number(picture.pixels.height()) + "\\picwgoal" +
             QByteArray::number(Twips(width)) + "\\pichgoal" + QByteArray::number(Twips(height)) +
             "\r\n";
    const QByteArray hex = picture.bytes.toHex();
    for (qsizetype at = 0; at < hex.size(); at += 128)
        FBody += hex.mid(at, 128) + "\r\n";
    FBody += '}';
}

// 0, RTF's "automatic", for no brush and for a transparent one (HTML's "background:
// transparent"), which would otherwise come out black.
int RtfEmitter::ColorIndex(const QBrush& brush) {
    if (brush.style() == Qt::NoBrush || brush.color().alpha() == 0)
        return 0;
    return FColors.IndexOf(brush.color());
}

WrittenCharacters RtfEmitter::CharactersOf(const QTextCharFormat& format) {
    WrittenCharacters characters;
    characters.bold = format.fontWeight() > QFont::Medium;
    characters.italic = format.fontItalic();
    characters.underline = format.underlineStyle() != QTextCharFormat::NoUnderline;
    characters.strike = format.fontStrikeOut();
    characters.vertical = format.verticalAlignment();
    const QStringList families = format.fontFamilies().toStringList();
    QString family =
        families.isEmpty() ? format.stringProperty(QTextFormat::FontFamily) : families.first();
    if (family.isEmpty())
        family = DefaultFamily(FDocument);
    characters.font = FFonts.IndexOf(family, format.intProperty(RtfFormatProperty::FontCharset));
    // Sizes in pixels count at 96 dpi, 0.75 points each.
    double points = format.fontPointSize();
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    if (points <= 0)
        points = FDocument.defaultFont().pointSizeF();
    if (points <= 0 && FDocument.defaultFont().pixelSize() > 0)
        points = FDocument.defaultFont().pixelSize() * 0.75;
    if (points <= 0)
        points = 12; // RTF's own default, for a document that knows no font at all
    // Cut to half points as Windows does, so that 11 px is 8 pt (\fs16) there and here.
    characters.halfPoints = std::clamp(int(std::floor(points * 2 + 1e-6)), 2, 3276);
    characters.foreground = ColorIndex(format.foreground());
    characters.background = ColorIndex(format.background());
    return characters;
}

// Only what changed, as deltas, like the rich-edit control writes it.
void RtfEmitter::WriteCharacters(const QTextCharFormat& format) {
    const WrittenCharacters wanted = CharactersOf(format);
    WrittenCharacters& now = FCharacters;
    QByteArray words;
    const auto toggle = [&words](bool on, bool was, const char* set, const char* clear) {
        if (on != was)
            words += on ? set : clear;
    };
    toggle(wanted.bold, now.bold, "\\b", "\\b0");
    toggle(wanted.italic, now.italic, "\\i", "\\i0");
    toggle(wanted.underline, now.underline, "\\ul", "\\ulnone");
    toggle(wanted.strike, now.strike, "\\strike", "\\strike0");
    if (wanted.vertical != now.vertical)
        words += wanted.vertical == QTextCharFormat::AlignSuperScript ? "\\super"
                 : wanted.vertical == QTextCharFormat::AlignSubScript ? "\\sub"
                                                                      : "\\nosupersub";
    if (wanted.font != now.font)
        words += "\\f" + QByteArray::number(wanted.font);
    if (wanted.halfPoints != now.halfPoints)
        words += "\\fs" + QByteArray::number(wanted.halfPoints);
    if (wanted.foreground != now.foreground)
        words += "\\cf" + QByteArray::number(wanted.foreground);
    if (wanted.background != now.background)
        words += "\\highlight" + QByteArray::number(wanted.background);
    now = wanted;
    if (!words.isEmpty())
        FBody += words + ' ';
}
} // namespace

QByteArray RtfWriter::Write(const QTextDocument& document) {
    return RtfEmitter(document).Write();
}

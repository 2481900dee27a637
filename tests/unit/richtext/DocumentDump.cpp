// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentDump.h"

#include "RtfAsciiGroup.h"
#include "RtfFormatProperties.h"
#include "RtfPicture.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace {
QString Number(double value) {
    return QString::number(value, 'f', 2);
}

QString BrushText(const QBrush& brush) {
    return brush.style() == Qt::NoBrush ? QStringLiteral("-") : brush.color().name();
}

QString ImageDigest(const QTextDocument& document, const QTextImageFormat& format) {
    const QByteArray opaque = format.property(RtfFormatProperty::OpaqueRtfGroup).toByteArray();
    // Raw \bin data is written as hex: the same object either way.
    if (!opaque.isEmpty())
        return QStringLiteral("object ") +
               QCryptographicHash::hash(RtfGroupAsAscii(opaque), QCryptographicHash::Md5).toHex();
    // Encoded bytes, never decoded pixels: the samples hold damaged pictures. A picture the
    // editor added as an image is compared as the PNG the writer makes of it.
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QByteArray bytes = resource.toByteArray();
    if (resource.typeId() == QMetaType::QImage) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        resource.value<QImage>().save(&buffer, "PNG");
    }
    const QSize size = EncodedPictureSize(bytes);
    return QStringLiteral("picture %1x%2 ").arg(size.width()).arg(size.height()) +
           QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// Text without a font of its own shows in the document's default font.
QString FamilyOf(const QTextDocument& document, const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? document.defaultFont().family() : families.join(u',');
}

double PointSizeOf(const QTextDocument& document, const QTextCharFormat& format) {
    return format.fontPointSize() > 0 ? format.fontPointSize()
                                      : document.defaultFont().pointSizeF();
}

QString FragmentText(const QTextDocument& document, const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        return QStringLiteral("  [%1 at %2x%3]\n")
            .arg(ImageDigest(document, image), Number(image.width()), Number(image.height()));
    }
    QString text = QStringLiteral("  \"%1\"").arg(fragment.text());
    if (format.fontWeight() > QFont::Medium)
        text += QStringLiteral(" bold");
    if (format.fontItalic())
        text += QStringLiteral(" italic");
    if (format.fontUnderline())
        text += QStringLiteral(" underline");
    if (format.fontStrikeOut())
        text += QStringLiteral(" strike");
    if (format.verticalAlignment() != QTextCharFormat::AlignNormal)
        text += QStringLiteral(" valign=%1").arg(int(format.verticalAlignment()));
    text += QStringLiteral(" font=%1/%2 size=%3 fg=%4 bg=%5")
                .arg(FamilyOf(document, format))
                .arg(format.intProperty(RtfFormatProperty::FontCharset))
                .arg(Number(PointSizeOf(document, format)), BrushText(format.foreground()),
                     BrushText(format.background()));
    if (format.isAnchor())
        text += QStringLiteral(" link=") + format.anchorHref();
    return text + u'\n';
}

QString TablePlace(const QTextBlock& block) {
    const QTextTable* table = QTextCursor(block).currentTable();
    if (!table)
        return {};
    const QTextTableCell cell = table->cellAt(block.position());
    return QStringLiteral(" cell=%1,%2 of %3x%4")
        .arg(cell.row())
        .arg(cell.column())
        .arg(table->rows())
        .arg(table->columns());
}

QString BlockText(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    QString text = QStringLiteral("paragraph align=%1 margins=%2,%3,%4,%5 indent=%6 line=%7/%8")
                       .arg(int(format.alignment() & Qt::AlignHorizontal_Mask))
                       .arg(Number(format.leftMargin()), Number(format.topMargin()),
                            Number(format.rightMargin()), Number(format.bottomMargin()),
                            Number(format.textIndent()))
                       .arg(format.lineHeightType())
                       .arg(Number(format.lineHeight()));
    if (const QTextList* list = block.textList())
        text += QStringLiteral(" list=%1/%2 item=%3")
                    .arg(int(list->format().style()))
                    .arg(list->format().indent())
                    .arg(list->itemText(block));
    return text + TablePlace(block) + u'\n';
}
} // namespace

QString DumpDocument(const QTextDocument& document) {
    QString dump;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        dump += BlockText(block);
        if (block.length() <= 1)
            dump += QStringLiteral("  (empty, size=%1)\n")
                        .arg(Number(PointSizeOf(document, block.charFormat())));
        for (auto it = block.begin(); !it.atEnd(); ++it)
            dump += FragmentText(document, it.fragment());
    }
    return dump;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteInsert.h"

#include "untPaths.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

namespace NoteInsert {
namespace {

// The picture as the note stores it: JPEG for opaque pictures (photos stay small), PNG when it
// has transparency.
QByteArray Encoded(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.hasAlphaChannel())
        image.save(&buffer, "PNG");
    else
        image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90);
    return bytes;
}

QImage Limited(QImage image) {
    if (image.width() > MaxPictureSide || image.height() > MaxPictureSide)
        image = image.scaled(MaxPictureSide, MaxPictureSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    return image;
}

QUrl NewPictureName() {
    static int counter = 0;
    return QUrl(QStringLiteral("velmar-note:picture/%1").arg(++counter));
}

// "name.ext", "name (2).ext", ... : the first that is not taken in the folder.
QString FreePath(const QDir& folder, const QString& fileName) {
    const QFileInfo info(fileName);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString candidate = fileName;
    for (int n = 2; folder.exists(candidate); ++n)
        candidate = QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(n).arg(suffix);
    return folder.filePath(candidate);
}

} // namespace

QString InsertPicture(QTextEdit& edit, const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage read = reader.read();
    if (read.isNull())
        return QStringLiteral("The picture \"%1\" cannot be read: %2.")
            .arg(QFileInfo(path).fileName(), reader.errorString());
    const QImage image = Limited(read);
    QTextDocument& document = *edit.document();
    const QUrl name = NewPictureName();
    document.addResource(QTextDocument::ImageResource, name, Encoded(image));

    // Shown at its own size, or narrower to fit the text area's width.
    const double room =
        std::max(16.0, edit.viewport()->width() - 2 * document.documentMargin() - 4);
    const double width = std::min<double>(image.width(), room);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(width);
    format.setHeight(width * image.height() / image.width());
    edit.textCursor().insertImage(format);
    return {};
}

QString AttachmentsFolder() {
    return QDir(VelmarPaths::DataFolder()).filePath(QStringLiteral("attachments"));
}

QString AttachFile(QTextEdit& edit, const QString& path) {
    const QFileInfo source(path);
    const QDir folder(AttachmentsFolder());
    const QString target = FreePath(folder, source.fileName());
    if (!QDir().mkpath(folder.path()) || !QFile::copy(path, target))
        return QStringLiteral("The file \"%1\" cannot be attached.").arg(source.fileName());

    QTextCursor cursor = edit.textCursor();
    // The caret's format without any link it may stand in.
    QTextCharFormat plain = cursor.charFormat();
    plain.setAnchor(false);
    plain.clearProperty(QTextFormat::AnchorHref);
    QTextCharFormat link = plain;
    link.setAnchor(true);
    link.setAnchorHref(QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded));
    link.setForeground(QColor(0, 0, 255));
    link.setFontUnderline(true);
    cursor.beginEditBlock();
    cursor.insertText(QFileInfo(target).fileName(), link);
    // What is typed after the link is not part of it.
    cursor.insertText(QStringLiteral(" "), plain);
    cursor.endEditBlock();
    edit.setTextCursor(cursor);
    return {};
}

} // namespace NoteInsert

// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfPicture.h"

#include "RtfFormatProperties.h"
#include "RtfTokenizer.h"

#include <QImage>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <atomic>

namespace {

// Resource names unique across documents, so that fragments copied between documents never
// show each other's pictures.
QUrl NewResourceName(const char* kind) {
    static std::atomic<quint64> counter{0};
    return QUrl(QStringLiteral("velmar-rtf:%1/%2").arg(QLatin1String(kind)).arg(++counter));
}

double ClampedPixels(double pixels) {
    return std::clamp(pixels, 1.0, 16384.0);
}

constexpr int MaxPictureSide = 16384;

quint32 BigEndian(QByteArrayView bytes, qsizetype at, int length) {
    quint32 value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

QSize PngSize(QByteArrayView bytes) {
    if (bytes.size() < 24 || !bytes.startsWith("\x89PNG\r\n\x1A\n") ||
        bytes.sliced(12, 4) != "IHDR")
        return {};
    return QSize(int(std::min<quint32>(BigEndian(bytes, 16, 4), MaxPictureSide + 1)),
                 int(std::min<quint32>(BigEndian(bytes, 20, 4), MaxPictureSide + 1)));
}

// Walks the markers up to the frame header (SOFn), which holds the size.
QSize JpegSize(QByteArrayView bytes) {
    if (!bytes.startsWith("\xFF\xD8"))
        return {};
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) != 0xFF)
            return {};
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += marker == 0xFF ? 1 : 2; // fill bytes and markers without a length
            continue;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return at + 9 <= bytes.size()
                       ? QSize(int(BigEndian(bytes, at + 7, 2)), int(BigEndian(bytes, at + 5, 2)))
                       : QSize();
        at += 2 + BigEndian(bytes, at + 2, 2);
    }
    return {};
}
} // namespace

QSize EncodedPictureSize(QByteArrayView bytes) {
    const QSize size = bytes.startsWith("\x89PNG") ? PngSize(bytes) : JpegSize(bytes);
    const bool sane = size.width() > 0 && size.height() > 0 && size.width() <= MaxPictureSide &&
                      size.height() <= MaxPictureSide;
    return sane ? size : QSize();
}

bool RtfPicture::IsShowable() const {
    return (FKind == Kind::Png || FKind == Kind::Jpeg) && EncodedPictureSize(FData).isValid();
}

bool RtfPicture::ApplyControlWord(QByteArrayView word, int parameter) {
    if (word == "pngblip")
        FKind = Kind::Png;
    else if (word == "jpegblip")
        FKind = Kind::Jpeg;
    else if (word == "emfblip" || word == "wmetafile" || word == "macpict" || word == "dibitmap" ||
             word == "wbitmap" || word == "pmmetafile")
        FKind = Kind::Other;
    else if (word == "picw")
        FWidth = parameter;
    else if (word == "pich")
        FHeight = parameter;
    else if (word == "picwgoal")
        FGoalWidth = parameter;
    else if (word == "pichgoal")
        FGoalHeight = parameter;
    else if (word == "picscalex")
        FScaleX = parameter;
    else if (word == "picscaley")
        FScaleY = parameter;
    else
        return false;
    return true;
}

void RtfPicture::AppendHexDigits(QByteArrayView text) {
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || FData.size() >= MaxBytes)
            continue;
        if (FPendingNibble < 0) {
            FPendingNibble = digit;
        } else {
            FData.append(char(FPendingNibble * 16 + digit));
            FPendingNibble = -1;
        }
    }
}

void RtfPicture::AppendBinary(QByteArrayView bytes) {
    FPendingNibble = -1;
    FData.append(bytes.first(std::min(bytes.size(), MaxBytes - FData.size())));
}

QSizeF RtfPicture::DisplaySize() const {
    const double scaleX = (FScaleX > 0 ? FScaleX : 100) / 100.0;
    const double scaleY = (FScaleY > 0 ? FScaleY : 100) / 100.0;
    if (FGoalWidth > 0 && FGoalHeight > 0)
        return {ClampedPixels(FGoalWidth / TwipsPerPixel * scaleX),
                ClampedPixels(FGoalHeight / TwipsPerPixel * scaleY)};
    if (FKind != Kind::Other && FWidth > 0 && FHeight > 0)
        return {ClampedPixels(FWidth * scaleX), ClampedPixels(FHeight * scaleY)};
    return {};
}

QTextImageFormat RtfPicture::AddTo(QTextDocument& document) const {
    const QUrl name = NewResourceName("picture");
    // The original bytes are the resource: Qt decodes them to show them, and the writer finds
    // them unchanged.
    document.addResource(QTextDocument::ImageResource, name, FData);
    QTextImageFormat format;
    format.setName(name.toString());
    QSizeF size = DisplaySize();
    if (size.isEmpty())
        size = EncodedPictureSize(FData);
    if (!size.isEmpty()) {
        format.setWidth(size.width());
        format.setHeight(size.height());
    }
    return format;
}

QTextImageFormat AddOpaqueObject(QTextDocument& document, QByteArrayView rtfGroup, QSizeF size) {
    if (size.isEmpty())
        size = QSizeF(32, 32);
    const QUrl name = NewResourceName("object");
    QImage placeholder(8, 8, QImage::Format_RGB32);
    placeholder.fill(QColor(0xD0, 0xD0, 0xD0));
    document.addResource(QTextDocument::ImageResource, name, placeholder);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(size.width());
    format.setHeight(size.height());
    format.setProperty(RtfFormatProperty::OpaqueRtfGroup, rtfGroup.toByteArray());
    return format;
}

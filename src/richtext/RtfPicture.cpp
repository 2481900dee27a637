#include "RtfPicture.h"

#include "RtfFormatProperties.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <atomic>

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Resource names unique across documents, so that fragments copied between documents never
// show each other's pictures.
QUrl NewResourceName(const char* kind) {
    static std::atomic<quint64> counter{0};
    return QUrl(QStringLiteral("velmar-rtf:%1/%2").arg(QLatin1String(kind)).arg(++counter));
}

double ClampedPixels(double pixels) {
    return std::clamp(pixels, 1.0, 16384.0);
}
} // namespace

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
        const int digit = HexDigit(c);
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
    if (size.isEmpty()) {
        QBuffer buffer;
        buffer.setData(FData);
        size = QImageReader(&buffer).size();
    }
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

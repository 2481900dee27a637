// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QTextImageFormat>

class QTextDocument;

// One `\pict` group as it is read: its kind, sizes and the picture bytes from hex digits or
// `\bin` data.
class RtfPicture {
public:
    enum class Kind { Unknown, Png, Jpeg, Other };

    // Handles a control word of the picture group; false when the word is not a picture word.
    bool ApplyControlWord(QByteArrayView word, int parameter);
    void AppendHexDigits(QByteArrayView text);
    void AppendBinary(QByteArrayView bytes);

    // A PNG or JPEG picture with a sound header; anything else is kept as an object.
    bool IsShowable() const;
    // Adds the picture to the document's resources and answers the format that shows it at its
    // intended size. Call only when IsShowable().
    QTextImageFormat AddTo(QTextDocument& document) const;
    // The size the picture is meant to show at, in pixels; empty when the group does not say.
    QSizeF DisplaySize() const;

    // Pictures larger than this are cut; the bytes read so far are kept.
    static constexpr qsizetype MaxBytes = 64 * 1024 * 1024;

private:
    Kind FKind = Kind::Unknown;
    QByteArray FData;
    int FPendingNibble = -1;
    int FWidth = 0, FHeight = 0;         // \picw \pich: pixels, or hundredths of a mm for metafiles
    int FGoalWidth = 0, FGoalHeight = 0; // \picwgoal \pichgoal: twips
    int FScaleX = 100, FScaleY = 100;    // \picscalex \picscaley: percent
};

// The pixel size a PNG or JPEG header states, read without decoding the picture; invalid when
// the header is damaged or states more than 16384 pixels either way. Qt's decoders are given only
// pictures that pass this.
QSize EncodedPictureSize(QByteArrayView bytes);

// An object we cannot show, kept as its RTF group: shown as a grey box of the given size.
QTextImageFormat AddOpaqueObject(QTextDocument& document, QByteArrayView rtfGroup, QSizeF size);

// Twips per pixel at the 96 dpi the notes are laid out with.
constexpr double TwipsPerPixel = 15.0;
// 22 inches, the largest page Word knows: the bound of a length read from a stream.
constexpr int MaxPageTwips = 31680;

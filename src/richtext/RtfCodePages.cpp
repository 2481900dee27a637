// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfCodePages.h"

#include <QHash>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>

namespace {
// cp1252's 0x80..0x9F; the rest of cp1252 is Latin-1. Used when iconv lacks a code page.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0xFFFD};

QString DecodeCp1252(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += (byte >= 0x80 && byte < 0xA0) ? QChar(Cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString DecodeSymbol(QByteArrayView bytes) {
    QString text = DecodeCp1252(bytes);
    text.replace(QChar(0xB7), QChar(0x2022)); // the bullet of RichEdit's bullet lists
    return text;
}

QByteArray IconvName(int codePage) {
    switch (codePage) {
    case 10000:
        return "MACINTOSH";
    case RtfCodePages::Utf8:
        return "UTF-8";
    default:
        return "CP" + QByteArray::number(codePage);
    }
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

// Opening a converter costs more than decoding a short note, so each thread keeps its own.
// Positive keys decode from a code page, negative ones encode into it.
iconv_t ConverterFor(int codePage, bool encoding) {
    thread_local QHash<int, std::shared_ptr<void>> converters;
    const int key = encoding ? -codePage : codePage;
    auto found = converters.find(key);
    if (found == converters.end()) {
        const QByteArray name = IconvName(codePage);
        iconv_t handle = encoding ? iconv_open(name.constData(), "UTF-16LE")
                                  : iconv_open("UTF-16LE", name.constData());
        std::shared_ptr<void> owned;
        if (handle != reinterpret_cast<iconv_t>(-1))
            owned = std::shared_ptr<void>(handle, IconvCloser());
        found = converters.insert(key, owned);
    }
    return static_cast<iconv_t>(found->get());
}

QString DecodeWithIconv(iconv_t converter, QByteArrayView bytes) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr); // a fresh shift state per run
    QString text;
    std::array<char16_t, 512> buffer;
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(buffer.data());
        size_t outLeft = sizeof(buffer);
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        const auto produced = qsizetype((sizeof(buffer) - outLeft) / sizeof(char16_t));
        text.append(reinterpret_cast<const QChar*>(buffer.data()), produced);
        if (result != size_t(-1) || errno == E2BIG)
            continue;
        // An invalid or cut-off sequence: show one replacement character and go on after it.
        text += QChar::ReplacementCharacter;
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    return text;
}
} // namespace

int RtfCodePages::FromCharset(int charset, int documentCodePage) {
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return Symbol;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return documentCodePage;
    }
}

QString RtfCodePages::Decode(QByteArrayView bytes, int codePage) {
    // Every code page RTF names keeps ASCII as it is; most runs are pure ASCII.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(bytes);
    if (codePage == Symbol)
        return DecodeSymbol(bytes);
    if (iconv_t converter = ConverterFor(codePage, false))
        return DecodeWithIconv(converter, bytes);
    return DecodeCp1252(bytes);
}

std::optional<QByteArray> RtfCodePages::Encode(const QString& text, int codePage) {
    iconv_t converter = codePage == Symbol ? nullptr : ConverterFor(codePage, true);
    if (!converter)
        return std::nullopt;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    QByteArray encoded(text.size() * 4 + 8, Qt::Uninitialized);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.constData()));
    size_t inLeft = size_t(text.size()) * sizeof(QChar);
    char* out = encoded.data();
    size_t outLeft = size_t(encoded.size());
    // Any non-zero answer is a failure or a lossy ("irreversible") conversion.
    if (iconv(converter, &in, &inLeft, &out, &outLeft) != 0 ||
        iconv(converter, nullptr, nullptr, &out, &outLeft) != 0)
        return std::nullopt;
    encoded.truncate(encoded.size() - qsizetype(outLeft));
    return encoded;
}

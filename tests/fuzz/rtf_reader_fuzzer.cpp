// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes must read without a crash, leak or hang, and what was read must
// write as ASCII RTF that reads back to the same text.
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QTextDocument>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Damaged pictures make Qt's image readers warn on every run; only crashes matter here.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    if (!RtfReader::Read(rtf, document))
        return 0;
    const QByteArray written = RtfWriter::Write(document);
    if (std::any_of(written.begin(), written.end(), [](char c) { return (c & 0x80) != 0; })) {
        std::fprintf(stderr, "the writer wrote a byte outside ASCII\n");
        std::abort();
    }
    QTextDocument again;
    if (!RtfReader::Read(written, again) || again.toPlainText() != document.toPlainText()) {
        std::fprintf(stderr, "the text changed on its way through the writer\n");
        std::abort();
    }
    return 0;
}

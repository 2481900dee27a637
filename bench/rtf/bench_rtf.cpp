// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing note RTF: a typical note of about 1 KB and a large one of about 1 MB that
// carries a picture. Figures are in bytes of RTF per second.
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

#include <benchmark/benchmark.h>

namespace {
// A note as people write them: a title, a few formatted lines, a short bullet list, a link.
void AppendNoteText(QTextCursor& cursor) {
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Tahoma")});
    plain.setFontPointSize(8);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red = plain;
    red.setForeground(QColor(255, 0, 0));
    QTextCharFormat link = plain;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("http://example.com/meeting"));
    cursor.insertText(QStringLiteral("Shopping and errands"), bold);
    cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.insertText(QStringLiteral("Pick up the parcel before "), plain);
    cursor.insertText(QStringLiteral("Friday 6 pm"), red);
    cursor.insertText(QStringLiteral(", the shop closes early. Ask about the 3 € voucher."), plain);
    QTextList* list = nullptr;
    for (const char* item : {"milk, bread, eggs", "batteries (AA)", "birthday card for Anna",
                             "中文：买菜", "Ελληνικά: ψωμί"}) {
        cursor.insertBlock(QTextBlockFormat(), plain);
        if (list)
            list->add(cursor.block());
        else
            list = cursor.createList(QTextListFormat::ListDisc);
        cursor.insertText(QString::fromUtf8(item), plain);
    }
    cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.insertText(QStringLiteral("Notes from the call: "), plain);
    cursor.insertText(QStringLiteral("meeting page"), link);
    cursor.insertBlock(QTextBlockFormat(), plain);
}

QByteArray TypicalNote() {
    QTextDocument document;
    QTextCursor cursor(&document);
    AppendNoteText(cursor);
    return RtfWriter::Write(document);
}

// About 1 MB: a 256x256 photo-like PNG (about 0.4 MB of hex) and note text to fill the rest.
QByteArray LargeNote() {
    QImage photo(256, 256, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x, y, int(random.bounded(256))));
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("note:photo")), photo);
    QTextCursor cursor(&document);
    QTextImageFormat image;
    image.setName(QStringLiteral("note:photo"));
    cursor.insertImage(image);
    cursor.insertBlock();
    while (RtfWriter::Write(document).size() < 1000 * 1000)
        for (int i = 0; i < 100; ++i)
            AppendNoteText(cursor);
    return RtfWriter::Write(document);
}

void Read(benchmark::State& state, const QByteArray& rtf) {
    for (auto _ : state) {
        QTextDocument document;
        benchmark::DoNotOptimize(RtfReader::Read(rtf, document));
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}

void Write(benchmark::State& state, const QByteArray& rtf) {
    QTextDocument document;
    RtfReader::Read(rtf, document);
    qsizetype written = 0;
    for (auto _ : state) {
        const QByteArray output = RtfWriter::Write(document);
        written = output.size();
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * written);
    state.counters["rtf_bytes"] = double(written);
}

void BM_ReadTypicalNote(benchmark::State& state) {
    Read(state, TypicalNote());
}
void BM_WriteTypicalNote(benchmark::State& state) {
    Write(state, TypicalNote());
}
void BM_ReadLargeNoteWithPicture(benchmark::State& state) {
    Read(state, LargeNote());
}
void BM_WriteLargeNoteWithPicture(benchmark::State& state) {
    Write(state, LargeNote());
}

BENCHMARK(BM_ReadTypicalNote)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteTypicalNote)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLargeNoteWithPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLargeNoteWithPicture)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    // The note window's setting: a GUI application (fonts, image readers), no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

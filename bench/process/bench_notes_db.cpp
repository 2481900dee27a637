// SPDX-License-Identifier: GPL-3.0-or-later
// Prepares the data folder of a start-up benchmark run: a Data.db made by the program's own
// schema statements holding COUNT desktop notes with the given text, each row as the note store
// writes it (its RTF from the notes' own writer).
#include "NoteGrid.h"
#include "RtfWriter.h"
#include "frmData.h"
#include "untDB.h"
#include "untPaths.h"
#include "untSchema.h"
#include "untUtil.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

namespace {

// The note text as a Windows rich-edit control writes it, in the notes' default font.
QByteArray NoteRtf(const QString& text) {
    QTextDocument document;
    QFont noteFont(QStringLiteral("Tahoma"));
    noteFont.setPointSize(8);
    document.setDefaultFont(noteFont);
    document.setPlainText(text);
    return RtfWriter::Write(document);
}

bool InsertNotes(int count, const QString& text) {
    const QByteArray rtf = NoteRtf(text);
    SQLite::Transaction transaction(TfmData::Instance().Connection());
    for (int index = 0; index < count; ++index) {
        const QPoint place = NoteGridPlace(index);
        const bool inserted = RunSQLParams(
            QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,"
                           "Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,"
                           "TimeOutType) VALUES(0,:Position,:Content,:Rtf,12615680,1,1,0,0,"
                           ":Size,'46366.5','46366.5','0',0,0)"),
            {{QStringLiteral("Position"), PairText(place.x(), place.y())},
             {QStringLiteral("Content"), text},
             {QStringLiteral("Rtf"), rtf},
             {QStringLiteral("Size"), PairText(NoteGridSize.width(), NoteGridSize.height())}});
        if (!inserted)
            return false;
    }
    transaction.commit();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The RTF writer measures fonts, which needs a GUI application (offscreen is enough).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool countOk = false;
    const int count = args.size() == 4 ? args.at(2).toInt(&countOk) : 0;
    QFile textFile(args.value(3));
    if (!countOk || count < 0 || !textFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: bench_notes_db DATA_FOLDER COUNT TEXT_FILE\n");
        return 2;
    }
    VelmarPaths::SetDataFolderOverride(args.at(1));
    if (!CreateSchema()) {
        std::fprintf(stderr, "bench_notes_db: %s already holds a Data.db\n",
                     qPrintable(args.at(1)));
        return 1;
    }
    return InsertNotes(count, QString::fromUtf8(textFile.readAll()).trimmed()) ? 0 : 1;
}

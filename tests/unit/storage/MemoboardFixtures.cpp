// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoboardFixtures.h"

#include "untDB.h"

#include <QFile>
#include <QRandomGenerator>

#include <stdexcept>

namespace {
void Run(const QString& sql, const SqlParams& params = {}) {
    if (!RunSQLParams(sql, params))
        throw std::runtime_error("fixture statement failed: " + sql.toStdString());
}

int LastId(const QString& table) {
    const QStringList ids = Rows(QStringLiteral("SELECT max(Id) FROM ") + table);
    return ids.value(0).toInt();
}
} // namespace

int InsertNoteRow(const NoteFixture& note) {
    Run(QStringLiteral(
            "INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,"
            "CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) VALUES(:p,:pos,:c,:r,:col,:t,:t2,"
            ":t3,:nt,:s,:ct,:mt,:n,:to,:tot)"),
        {{"p", note.parentId},
         {"pos", note.position},
         {"c", note.content},
         {"r", note.rtf},
         {"col", note.color},
         {"t", note.type},
         {"t2", note.type2},
         {"t3", note.type3},
         {"nt", note.noteType},
         {"s", note.size},
         {"ct", note.createTime},
         {"mt", note.modifyTime},
         {"n", note.nTime},
         {"to", note.timeOut},
         {"tot", note.timeOutType}});
    return LastId(QStringLiteral("Note"));
}

int InsertMemoboardRow(const QString& caption) {
    Run(QStringLiteral("INSERT INTO Memoboard(ParentId,Caption,Position,Color,BgColor) "
                       "VALUES(0,:c,0,0,0)"),
        {{"c", caption}});
    return LastId(QStringLiteral("Memoboard"));
}

int InsertTabRow(int memoboardId, const QString& caption, int placement, int color, int bgColor,
                 const QString& bgimg) {
    Run(QStringLiteral("INSERT INTO Memoboard(ParentId,Caption,Position,Color,Bgimg,BgColor) "
                       "VALUES(:p,:c,:pos,:col,:img,:bg)"),
        {{"p", memoboardId},
         {"c", caption},
         {"pos", QString::number(placement)},
         {"col", color},
         {"img", bgimg},
         {"bg", bgColor}});
    return LastId(QStringLiteral("Memoboard"));
}

QStringList Rows(const QString& sql) {
    Dataset dataset;
    QueryInto(sql, dataset);
    QStringList rows;
    for (const Dataset::Row row : dataset) {
        QStringList values;
        for (const FieldDef& field : dataset.Fields()) {
            const Field value = row.FieldByName(field.name);
            values.append(value.IsNull() ? QStringLiteral("NULL") : value.AsString());
        }
        rows.append(values.join(u'|'));
    }
    return rows;
}

QStringList StoreDump() {
    return Rows(QStringLiteral("SELECT * FROM Memoboard ORDER BY Id")) +
           Rows(QStringLiteral("SELECT * FROM Note ORDER BY Id")) +
           Rows(QStringLiteral("SELECT * FROM sqlite_sequence ORDER BY name"));
}

void RefuseStatements(const QString& kind, const QString& table, const QString& condition) {
    const QString when = condition.isEmpty() ? QString() : QStringLiteral(" WHEN ") + condition;
    Run(QStringLiteral("CREATE TRIGGER refuse_%1_%2 BEFORE %1 ON %2%3 BEGIN SELECT "
                       "RAISE(ABORT, 'refused by the test'); END")
            .arg(kind, table, when));
}

QByteArray PictureRtf(qsizetype bytes) {
    const QByteArray head = "{\\rtf1{\\pict\\pngblip\\picw640\\pich480 ";
    const QByteArray tail = "}\\par}";
    QByteArray pixels((bytes - head.size() - tail.size()) / 2, Qt::Uninitialized);
    QRandomGenerator random(8421631);
    for (char& pixel : pixels)
        pixel = static_cast<char>(random.bounded(256));
    return head + pixels.toHex() + tail;
}

QString FixturePath(const QString& name) {
    return QStringLiteral(VELMAR_MBIR_FIXTURES "/") + name;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void WriteLines(const QString& path, const QStringList& lines, const QByteArray& lineEnd) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    for (const QString& line : lines)
        file.write(line.toUtf8() + lineEnd);
}

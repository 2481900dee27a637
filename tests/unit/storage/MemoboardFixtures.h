// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Rows and files the memoboard tests build on purpose, through the schema's own tables.

struct NoteFixture {
    int parentId = 0;
    QString position = QStringLiteral("12,12");
    QByteArray content = "note";
    QByteArray rtf = "{\\rtf1 note\\par}";
    int color = 8454143;
    int type = 1;
    int type2 = 1;
    int type3 = 0;
    int noteType = 0;
    QString size = QStringLiteral("172,120");
    QString createTime = QStringLiteral("46366.5");
    QString modifyTime = QStringLiteral("46366.75");
    QString nTime = QStringLiteral("0");
    int timeOut = 0;
    int timeOutType = 0;
};

// Inserts a note row with every column given; answers its id.
int InsertNoteRow(const NoteFixture& note);

// A memoboard row and one tab under it with the given look; answers the tab id.
int InsertMemoboardRow(const QString& caption);
int InsertTabRow(int memoboardId, const QString& caption, int placement, int color, int bgColor,
                 const QString& bgimg = {});

// A note's rich text holding a picture, `bytes` long: hex digits of pseudo-random pixels, as a
// pasted photo makes it.
QByteArray PictureRtf(qsizetype bytes);

// Every row of Memoboard, Note and the id sequence, one text per row, to tell whether an
// operation changed the store at all.
QStringList StoreDump();

// The rows of a query, each as its values joined by '|'.
QStringList Rows(const QString& sql);

// Makes every statement of `kind` ("INSERT" or "UPDATE") on `table` fail inside SQLite when
// `condition` holds for the new row (or always, for an empty condition).
void RefuseStatements(const QString& kind, const QString& table, const QString& condition = {});

// The exchange-file fixtures of tests/data/mbir.
QString FixturePath(const QString& name);
QByteArray ReadFile(const QString& path);
// Writes the lines, each followed by `lineEnd`.
void WriteLines(const QString& path, const QStringList& lines, const QByteArray& lineEnd = "\r\n");

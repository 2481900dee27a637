// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMemoboardExchange.h"

#include "frmData.h"
#include "untBase64.h"
#include "untDB.h"
#include "untDateTime.h"
#include "untMemoboardDB.h"
#include "untNoteDB.h"
#include "untPaths.h"
#include "untStorageLog.h"
#include "untUtil.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

const QString kMemoboardTag = QStringLiteral("#M|0");
const QString kTabTag = QStringLiteral("#T|0");
const QString kNoteTag = QStringLiteral("#N|0");
constexpr QChar kSeparator = u'-';
constexpr int kMemoboardFields = 6;
constexpr int kNoteFields = 15;

// ---------------------------------------------------------------- export

QString Text(const Dataset::Row& row, const char* column) {
    return row.FieldByName(QString::fromLatin1(column)).AsString();
}

QString Number(const Dataset::Row& row, const char* column) {
    return QString::number(row.FieldByName(QString::fromLatin1(column)).AsInteger());
}

QString Base64Of(const Dataset::Row& row, const char* column) {
    return Base64Encode(row.FieldByName(QString::fromLatin1(column)).AsBytes());
}

// A '-' would split the field, so negative coordinates are written as 0.
QString NonNegativePair(const QString& stored) {
    const std::optional<std::pair<int, int>> pair = ParsePair(stored);
    if (!pair)
        return stored;
    return PairText(std::max(pair->first, 0), std::max(pair->second, 0));
}

QString MemoboardLine(const QString& caption) {
    return EncodeBlanks(kMemoboardTag + kSeparator + Base64Encode(caption.toUtf8()) +
                        QStringLiteral("-0-0--0"));
}

// Tab records are written without escaping.
QString TabLine(const Dataset::Row& tab) {
    return QStringList{kTabTag,
                       Base64Encode(Text(tab, "Caption").toUtf8()),
                       Text(tab, "Position"),
                       Number(tab, "Color"),
                       Base64Of(tab, "Bgimg"),
                       Number(tab, "BgColor")}
        .join(kSeparator);
}

QString NoteLine(const Dataset::Row& note) {
    return EncodeBlanks(QStringList{
        kNoteTag, NonNegativePair(Text(note, "Position")), Base64Of(note, "Content"),
        Base64Of(note, "Rtf"), Number(note, "Color"), Number(note, "Type"), Number(note, "Type2"),
        Number(note, "Type3"), Number(note, "NoteType"), NonNegativePair(Text(note, "Size")),
        Text(note, "CreateTime"), Text(note, "ModifyTime"), Text(note, "NTime"),
        Number(note, "TimeOut"), Number(note, "TimeOutType")}
                            .join(kSeparator));
}

// ---------------------------------------------------------------- import

class ImportFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(int lineNumber, const QString& reason) {
    throw ImportFailure(QStringLiteral("line %1: %2").arg(lineNumber).arg(reason).toStdString());
}

std::optional<int> ParseInteger(const QString& text) {
    // Digits with an optional sign and nothing else: toInt() alone would take blanks too.
    const qsizetype sign = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (text.size() == sign || !std::all_of(text.cbegin() + sign, text.cend(), isDigit))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Characters the Position and Size columns hold (VARCHAR(20)).
constexpr int kPairColumnChars = 20;

// Position and size text as the program writes it: two integers joined by one comma.
bool IsPair(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    return comma >= 0 && ParseInteger(text.left(comma)) && ParseInteger(text.mid(comma + 1));
}

// A date-time number between the years 1 and 9999 (beyond them it names no day), written with
// digits, sign, decimal separator and exponent only: the blanks that the reader would skip come
// back escaped from an export and would no longer read.
bool IsDateTimeNumber(const QString& text) {
    constexpr double kBeforeFirstDay = -693594; // 0001-01-01 is day -693593
    constexpr double kAfterLastDay = 2958466;   // 9999-12-31 is day 2958465
    const auto isNumberCharacter = [](QChar c) {
        return (c >= u'0' && c <= u'9') || QStringView(u"+-.,eE").contains(c);
    };
    if (!std::all_of(text.cbegin(), text.cend(), isNumberCharacter))
        return false;
    const std::optional<double> number = DateTimeText::ParseNumber(text);
    return number && *number > kBeforeFirstDay && *number < kAfterLastDay;
}

// A field's text for a message: a broken field may be megabytes long.
QString Quoted(const QString& text) {
    constexpr qsizetype kShown = 40;
    return u'"' + (text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text) + u'"';
}

// The fields of one record, read by the rules of their columns; a record with another number
// of fields, or a field that breaks its rule, fails the import.
class RecordFields {
public:
    RecordFields(int lineNumber, const QString& line, const QString& tag, int parentId,
                 int fieldCount)
        : FLineNumber(lineNumber),
          FFields(QString(line).replace(tag, QString::number(parentId)).split(kSeparator)) {
        if (FFields.size() != fieldCount)
            Fail(FLineNumber, QStringLiteral("the record has %1 fields, %2 needed")
                                  .arg(FFields.size())
                                  .arg(fieldCount));
    }

    QString Text(int index) const { return FFields.at(index); }

    int Integer(int index) const {
        const std::optional<int> value = ParseInteger(FFields.at(index));
        if (!value)
            Broken(index, QStringLiteral("an integer"));
        return *value;
    }

    // Integer text stored as text, as the column holds it.
    QString IntegerText(int index) const {
        Integer(index);
        return Text(index);
    }

    // Stored as the program writes it ("0012,+3" becomes "12,3"); longer than its column
    // holds, it would be cut when read back and no longer be a pair.
    QString Pair(int index) const {
        if (!IsPair(FFields.at(index)))
            Broken(index, QStringLiteral("two integers joined by a comma"));
        const auto [first, second] = *ParsePair(FFields.at(index));
        const QString text = PairText(first, second);
        if (text.size() > kPairColumnChars)
            Broken(index, QStringLiteral("a pair that fits its column"));
        return text;
    }

    QString DateTime(int index, int columnChars) const {
        if (!IsDateTimeNumber(FFields.at(index)) || FFields.at(index).size() > columnChars)
            Broken(index, QStringLiteral("a date-time number that fits its column"));
        return Text(index);
    }

    QByteArray Decoded(int index) const {
        const std::optional<QByteArray> bytes = Base64Decode(FFields.at(index));
        if (!bytes)
            Fail(FLineNumber, QStringLiteral("field %1 is not Base64").arg(index));
        return *bytes;
    }

    int LineNumber() const { return FLineNumber; }

private:
    [[noreturn]] void Broken(int index, const QString& rule) const {
        Fail(FLineNumber, QStringLiteral("field %1 (%2) is not %3")
                              .arg(index)
                              .arg(Quoted(FFields.at(index)), rule));
    }

    int FLineNumber;
    QStringList FFields;
};

// Stores the records of one file in order, each under the record before it that can hold it.
class Importer {
public:
    explicit Importer(SQLite::Database& connection) : FConnection(connection) {}

    void ReadLine(int lineNumber, const QString& line) {
        if (line.contains(kMemoboardTag))
            ReadMemoboard(lineNumber, line);
        else if (line.contains(kTabTag))
            ReadTab(lineNumber, line);
        else if (line.contains(kNoteTag))
            ReadNote(lineNumber, line);
    }

    int MemoboardId() const { return FMemoboardId; }
    int TabId() const { return FTabId; }

private:
    void ReadMemoboard(int lineNumber, const QString& line) {
        // One memoboard per file: a second record would leave the first one without its tabs.
        if (FMemoboardId != 0)
            Fail(lineNumber, QStringLiteral("a second memoboard record"));
        FMemoboardId =
            InsertMemoboardRow(RecordFields(lineNumber, line, kMemoboardTag, 0, kMemoboardFields));
    }

    void ReadTab(int lineNumber, const QString& line) {
        if (FMemoboardId == 0)
            Fail(lineNumber, QStringLiteral("a tab record before any memoboard record"));
        FTabId = InsertMemoboardRow(
            RecordFields(lineNumber, line, kTabTag, FMemoboardId, kMemoboardFields));
    }

    void ReadNote(int lineNumber, const QString& line) {
        if (FTabId == 0)
            Fail(lineNumber, QStringLiteral("a note record before any tab record"));
        const RecordFields fields(lineNumber, line, kNoteTag, FTabId, kNoteFields);
        const auto integer = [&](const char* name, int index) {
            return SqlParam{QString::fromLatin1(name), fields.Integer(index)};
        };
        const auto pair = [&](const char* name, int index) {
            return SqlParam{QString::fromLatin1(name), fields.Pair(index)};
        };
        const auto dateTime = [&](const char* name, int index, int columnChars) {
            return SqlParam{QString::fromLatin1(name), fields.DateTime(index, columnChars)};
        };
        const auto bytes = [&](const char* name, int index) {
            return SqlParam{QString::fromLatin1(name), fields.Decoded(index)};
        };
        Insert(fields.LineNumber(),
               QStringLiteral("INSERT INTO "
                              "Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,"
                              "Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)VALUES(:"
                              "ParentId,:Position,:Content,:Rtf,:Color,:Type,:Type2,:Type3,:"
                              "NoteType,:Size,:CreateTime,:ModifyTime,:NTime,:TimeOut,:"
                              "TimeOutType);"),
               {integer("ParentId", 0), pair("Position", 1), bytes("Content", 2), bytes("Rtf", 3),
                integer("Color", 4), integer("Type", 5), integer("Type2", 6), integer("Type3", 7),
                integer("NoteType", 8), pair("Size", 9), dateTime("CreateTime", 10, 25),
                dateTime("ModifyTime", 11, 25), dateTime("NTime", 12, 30), integer("TimeOut", 13),
                integer("TimeOutType", 14)});
    }

    // Memoboard and tab records share one layout and one statement.
    int InsertMemoboardRow(const RecordFields& fields) {
        // Only the file-name part of a picture name is kept, so it cannot point elsewhere.
        const QString bgimg = BareFileName(QString::fromUtf8(fields.Decoded(4)));
        return Insert(
            fields.LineNumber(),
            QStringLiteral("INSERT INTO Memoboard(ParentId,Caption,Position,Color,Bgimg,BgColor) "
                           "VALUES(:ParentId,:Caption,:Position,:Color,:Bgimg,:BgColor);"),
            {{QStringLiteral("ParentId"), fields.Integer(0)},
             {QStringLiteral("Caption"), QString::fromUtf8(fields.Decoded(1))},
             {QStringLiteral("Position"), fields.IntegerText(2)},
             {QStringLiteral("Color"), fields.Integer(3)},
             {QStringLiteral("Bgimg"), bgimg},
             {QStringLiteral("BgColor"), fields.Integer(5)}});
    }

    int Insert(int lineNumber, const QString& sql, const SqlParams& params) {
        if (!RunOnConnection(FConnection, sql, params))
            Fail(lineNumber, QStringLiteral("the database refused the record"));
        return static_cast<int>(FConnection.getLastInsertRowid());
    }

    SQLite::Database& FConnection;
    int FMemoboardId = 0;
    int FTabId = 0;
};

QStringList Lines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

// Every line ends with its line end, the last one too: a file that stops inside a line was cut
// short, and its last field (a number such as "84" of "8421631") may still look whole.
bool EndsWithLineEnd(const QByteArray& text) {
    return text.isEmpty() || text.endsWith('\n') || text.endsWith('\r');
}

// Stores every record of `lines` or, on the first failure, none of them.
TExchangeResult ImportLines(const QStringList& lines) {
    TExchangeResult result;
    try {
        SQLite::Database& connection = TfmData::Instance().Connection();
        SQLite::Transaction transaction(connection);
        Importer importer(connection);
        for (int index = 0; index < lines.size(); ++index)
            importer.ReadLine(index + 1, lines.at(index));
        if (importer.MemoboardId() == 0)
            throw ImportFailure("the file holds no memoboard record");
        transaction.commit();
        result.Ok = true;
        result.MemoboardId = importer.MemoboardId();
        result.TabId = importer.TabId();
    } catch (const std::exception& error) {
        result.Error = QString::fromUtf8(error.what());
    }
    return result;
}

// Writes all of `bytes`; a short write (a full disk) is retried, so its cause is reported.
bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return file.flush();
}

// A device or pipe (/dev/stdout, /dev/full) is written in place: renaming a finished copy over
// it would replace the device with a plain file.
bool WriteInPlace(const QString& fileName, const QByteArray& bytes, QString& error) {
    QFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && WriteAll(file, bytes);
    error = file.errorString();
    return ok;
}

// A plain file is written beside the old one and replaces it only when complete, so a failure
// leaves the old file (or none) and never a part.
bool WriteWhole(const QString& fileName, const QByteArray& bytes, QString& error) {
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && VelmarPaths::MakePrivate(file) &&
                    WriteAll(file, bytes) && file.commit();
    error = file.errorString();
    return ok;
}

} // namespace

QByteArray ExportMemoboardText(int memoboardId, const QString& caption) {
    QString text = MemoboardLine(caption) + QStringLiteral("\r\n");
    Dataset tabs;
    MemoboardDB::GetTabs(memoboardId, tabs);
    for (const Dataset::Row tab : tabs) {
        text += TabLine(tab) + QStringLiteral("\r\n");
        Dataset notes;
        NoteDB::ListByParent(static_cast<int>(tab.FieldByName(QStringLiteral("Id")).AsInteger()),
                             notes);
        for (const Dataset::Row note : notes)
            text += NoteLine(note) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

TExchangeResult ExportMemoboard(int memoboardId, const QString& caption, const QString& fileName) {
    TExchangeResult result;
    try {
        const QByteArray text = ExportMemoboardText(memoboardId, caption);
        const QFileInfo target(fileName);
        const bool inPlace = target.exists() && !target.isFile() && !target.isDir();
        QString error;
        result.Ok =
            inPlace ? WriteInPlace(fileName, text, error) : WriteWhole(fileName, text, error);
        if (!result.Ok)
            result.Error = QStringLiteral("cannot write %1: %2").arg(fileName, error);
    } catch (const DatabaseError& error) {
        result.Error = QString::fromUtf8(error.what());
    }
    if (!result.Ok)
        qCWarning(lcStorage) << "memoboard export failed:" << result.Error;
    return result;
}

TExchangeResult ImportMemoboardText(const QByteArray& text, const TOpenMemoboard& openMemoboard) {
    TExchangeResult result;
    const QStringList lines = Lines(QString::fromUtf8(text));
    if (!EndsWithLineEnd(text))
        result.Error =
            QStringLiteral("line %1 has no line end: the file is cut short").arg(lines.size());
    else
        result = ImportLines(lines);
    if (!result.Ok) {
        qCWarning(lcStorage) << "memoboard import failed, nothing stored:" << result.Error;
        return result;
    }
    if (openMemoboard)
        openMemoboard(result.MemoboardId, result.TabId);
    return result;
}

TExchangeResult ImportMemoboard(const QString& fileName, const TOpenMemoboard& openMemoboard) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        TExchangeResult result;
        result.Error = QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString());
        qCWarning(lcStorage) << "memoboard import failed, nothing stored:" << result.Error;
        return result;
    }
    return ImportMemoboardText(file.readAll(), openMemoboard);
}

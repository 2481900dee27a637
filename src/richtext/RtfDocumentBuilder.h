// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextList>
#include <QTextListFormat>

#include <vector>

class QTextDocument;
class QTextTable;

// Writes what the RTF reader finds into a QTextDocument: runs of text, pictures, the end of each
// paragraph with its formats, and table cells and rows. A paragraph mark ends a paragraph, it does
// not open a new one, so the final `\par` of a rich-edit stream leaves no empty paragraph behind.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument& document);

    void AppendText(const QString& text, const QTextCharFormat& format);
    void InsertImage(const QTextImageFormat& format);
    // Ends the current paragraph. A list format with no style means "not a list item".
    void EndParagraph(const QTextBlockFormat& blockFormat, const QTextListFormat& listFormat,
                      const QTextCharFormat& charFormat);
    // Gives the last, unterminated paragraph its formats.
    void Finish(const QTextBlockFormat& blockFormat, const QTextListFormat& listFormat,
                const QTextCharFormat& charFormat);

    // Whether what comes next lies in a table (`\intbl`), and the right edges of the current row's
    // cells in twips (`\cellx`), which size a new table's columns.
    void SetTableContext(bool inTable, const QList<int>& cellEdges);
    // Ends a table cell (`\cell`): its last paragraph gets its formats, the next cell follows.
    void EndCell(const QTextBlockFormat& blockFormat, const QTextListFormat& listFormat,
                 const QTextCharFormat& charFormat);
    // Ends a table row (`\row`): the next table content starts a new row.
    void EndRow();

private:
    void FlushText();
    void OpenPendingBlock();
    void ApplyParagraph(const QTextBlockFormat& blockFormat, const QTextListFormat& listFormat,
                        const QTextCharFormat& charFormat);
    void JoinList(const QTextListFormat& listFormat);
    void PlaceCursor();
    void StartTable();
    void LeaveTable();
    void MoveToCell();
    void StartBlockAtCursor();

    QTextCursor FCursor;
    QString FText;
    QTextCharFormat FTextFormat;
    bool FBlockPending = false;
    bool FBlockHasContent = false;
    struct OpenList {
        QTextListFormat format;
        QPointer<QTextList> list; // Qt deletes a list that loses its last item
    };
    std::vector<OpenList> FOpenLists; // the lists of the current run of items, outermost first

    bool FInTable = false;
    QList<int> FCellEdges;
    QTextTable* FTable = nullptr;
    int FRow = 0;
    int FColumn = 0;
    bool FCellEnded = false; // the cursor still stands in the cell that ended
    bool FRowEnded = false;
};

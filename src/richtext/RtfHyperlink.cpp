// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfHyperlink.h"

#include <QStringList>

namespace {
// Words of a field instruction; double quotes group a word that holds blanks.
QStringList InstructionWords(const QString& instruction) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : instruction) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

bool SwitchTakesArgument(const QString& word) {
    return word.compare(u"\\l", Qt::CaseInsensitive) == 0 ||
           word.compare(u"\\o", Qt::CaseInsensitive) == 0 ||
           word.compare(u"\\t", Qt::CaseInsensitive) == 0 ||
           word.compare(u"\\m", Qt::CaseInsensitive) == 0;
}
} // namespace

QString HyperlinkTarget(const QString& fieldInstruction) {
    const QStringList words = InstructionWords(fieldInstruction);
    if (words.isEmpty() || words.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};
    QString address;
    QString bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (SwitchTakesArgument(word)) {
            if (word.compare(u"\\l", Qt::CaseInsensitive) == 0 && i + 1 < words.size())
                bookmark = words.at(i + 1);
            ++i;
        } else if (!word.startsWith(u'\\') && address.isEmpty()) {
            address = word;
        }
    }
    return bookmark.isEmpty() ? address : address + u'#' + bookmark;
}

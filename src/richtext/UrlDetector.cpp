// SPDX-License-Identifier: GPL-3.0-or-later
#include "UrlDetector.h"

#include <array>

namespace {
struct Prefix {
    QLatin1StringView text;
    QLatin1StringView scheme; // put before the match to make the address; empty: none
};

constexpr std::array<Prefix, 6> Prefixes = {{
    {QLatin1StringView("http://"), {}},
    {QLatin1StringView("https://"), {}},
    {QLatin1StringView("ftp://"), {}},
    {QLatin1StringView("file://"), {}},
    {QLatin1StringView("mailto:"), {}},
    {QLatin1StringView("www."), QLatin1StringView("http://")},
}};

bool EndsUrl(QChar c) {
    return c.isSpace() || c.unicode() < 0x20 || c == u'"' || c == u'<' || c == u'>' ||
           c == QChar::ObjectReplacementCharacter;
}

// A URL must not start inside a word ("awww.x", "xhttp://").
bool StartsWord(const QString& text, qsizetype at) {
    return at == 0 || !text.at(at - 1).isLetterOrNumber();
}

const Prefix* PrefixAt(const QString& text, qsizetype at) {
    for (const Prefix& prefix : Prefixes)
        if (QStringView(text).sliced(at).startsWith(prefix.text, Qt::CaseInsensitive))
            return &prefix;
    return nullptr;
}

// Sentence punctuation after a URL, and a closing bracket the URL did not open, are not part of
// it: "(see http://x.org/a_(b))." keeps "http://x.org/a_(b)".
qsizetype TrimmedEnd(const QString& text, qsizetype start, qsizetype end) {
    while (end > start) {
        const QChar last = text.at(end - 1);
        if (QStringView(u".,;:!?'").contains(last)) {
            --end;
            continue;
        }
        const QChar opening = last == u')'   ? u'('
                              : last == u']' ? u'['
                              : last == u'}' ? u'{'
                                             : QChar();
        if (opening.isNull())
            break;
        const QStringView url = QStringView(text).sliced(start, end - start);
        if (url.count(opening) >= url.count(last))
            break;
        --end;
    }
    return end;
}
} // namespace

QList<UrlSpan> FindUrls(const QString& text) {
    QList<UrlSpan> spans;
    qsizetype at = 0;
    while (at < text.size()) {
        const Prefix* prefix = StartsWord(text, at) ? PrefixAt(text, at) : nullptr;
        if (!prefix) {
            ++at;
            continue;
        }
        qsizetype end = at + prefix->text.size();
        while (end < text.size() && !EndsUrl(text.at(end)))
            ++end;
        end = TrimmedEnd(text, at + prefix->text.size(), end);
        if (end == at + prefix->text.size()) { // a scheme with nothing after it
            at = end;
            continue;
        }
        const QString url = text.mid(at, end - at);
        spans.append(UrlSpan{int(at), int(end - at), prefix->scheme + url});
        at = end;
    }
    return spans;
}

std::optional<UrlSpan> UrlAt(const QString& text, int position) {
    for (const UrlSpan& span : FindUrls(text))
        if (position >= span.start && position < span.start + span.length)
            return span;
    return std::nullopt;
}

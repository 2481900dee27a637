#include "untBase64.h"

#include <QRegularExpression>

QString Base64Encode(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toBase64());
}

std::optional<QByteArray> Base64Decode(const QString& text) {
    static const QRegularExpression wholeGroups(
        QStringLiteral("^(?:[A-Za-z0-9+/]{4})*(?:[A-Za-z0-9+/]{2}==|[A-Za-z0-9+/]{3}=)?$"));
    if (!wholeGroups.match(text).hasMatch())
        return std::nullopt;
    return QByteArray::fromBase64(text.toLatin1());
}

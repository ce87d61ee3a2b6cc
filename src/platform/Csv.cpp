#include "Csv.h"

#include <QStringDecoder>

namespace Csv {

bool Parse(const QByteArray& utf8, QList<SRow>& rows, QString* error, QChar separator)
{
    rows.clear();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(utf8);
    if (decoder.hasError()) {
        if (error)
            *error = QStringLiteral("Die Datei ist nicht in UTF-8 geschrieben.");
        return false;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    int line = 1;
    SRow row;
    row.line = 1;
    QString value;
    bool rowHasContent = false;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto endValue = [&] {
        row.values.append(value);
        value.clear();
    };
    auto endRow = [&] {
        endValue();
        if (rowHasContent || row.values.size() > 1)
            rows.append(row);
        row = SRow();
        rowHasContent = false;
    };
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'"' && value.isEmpty()) {
            // A quoted value, up to the quotation mark that is not doubled.
            const int startLine = line;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar q = text.at(i);
                if (q == u'"') {
                    if (i + 1 < n && text.at(i + 1) == u'"') {
                        value += u'"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                if (q == u'\r' || q == u'\n') {
                    value += QStringLiteral("\r\n");
                    i += (q == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ? 2 : 1;
                    ++line;
                    continue;
                }
                value += q;
                ++i;
            }
            if (!closed) {
                if (error)
                    *error = QStringLiteral("Zeile %1: Das Anführungszeichen wird nicht geschlossen.").arg(startLine);
                rows.clear();
                return false;
            }
            rowHasContent = true;
            // Text between the closing quotation mark and the separator is kept, as spreadsheets do.
            continue;
        }
        if (c == separator) {
            endValue();
            ++i;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            endRow();
            i += (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ? 2 : 1;
            ++line;
            row.line = line;
            continue;
        }
        value += c;
        rowHasContent = true;
        ++i;
    }
    if (rowHasContent || !value.isEmpty() || !row.values.isEmpty())
        endRow();
    return true;
}

QByteArray Format(const QList<QStringList>& rows, QChar separator)
{
    QString out;
    for (const QStringList& row : rows) {
        for (qsizetype k = 0; k < row.size(); ++k) {
            if (k > 0)
                out += separator;
            const QString& v = row.at(k);
            const bool quote = v.contains(separator) || v.contains(u'"') || v.contains(u'\r') || v.contains(u'\n')
                || (!v.isEmpty() && (v.front().isSpace() || v.back().isSpace()));
            if (quote) {
                QString escaped = v;
                escaped.replace(u'"', QStringLiteral("\"\""));
                out += u'"' + escaped + u'"';
            } else {
                out += v;
            }
        }
        out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

QList<int> ColumnIndexes(const QStringList& header, const QStringList& wanted)
{
    QList<int> indexes;
    for (const QString& name : wanted) {
        int found = -1;
        for (qsizetype k = 0; k < header.size(); ++k) {
            if (header.at(k).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
                found = int(k);
                break;
            }
        }
        indexes.append(found);
    }
    return indexes;
}

} // namespace Csv

#include "T2lJson.h"

#include "EinheitspapierDoc.h"
#include "platform/Archive.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void AppendJsonString(QByteArray& out, const QString& text)
{
    out.append('"');
    for (QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\r': out.append("\\r"); break;
        case '\n': out.append("\\n"); break;
        case '\t': out.append("\\t"); break;
        default:
            // U+FEFF would be taken for a byte order mark by a JSON reader and dropped.
            if (u < 0x20 || u == 0xFEFF || c.isSurrogate()) {
                out.append(QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')).toLatin1());
            } else {
                out.append(QString(c).toUtf8());
            }
        }
    }
    out.append('"');
}

void AppendPage(QByteArray& out, const CKivEditWindow& engine, int page, int fieldCount)
{
    out.append("    {\"page\": ").append(QByteArray::number(page)).append(", \"fields\": [");
    for (int i = 0; i < fieldCount; ++i) {
        out.append(i ? ",\n      " : "\n      ");
        out.append("{\"text\": ");
        AppendJsonString(out, engine.GetFieldText(i, page));
        out.append(", \"attributes\": ").append(QByteArray::number(engine.GetFieldAttributes(i, page))).append('}');
    }
    out.append(fieldCount ? "\n    ]}" : "]}");
}

bool Fail(QString* errorText, const QString& text)
{
    if (errorText)
        *errorText = text;
    return false;
}

// A JSON number that is a whole number within [0, max].
bool ReadUnsigned(const QJsonObject& o, const char* key, qint64 max, qint64& value, QString* errorText)
{
    const QJsonValue v = o.value(QLatin1String(key));
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < 0 || d > double(max) || d != double(qint64(d)))
        return Fail(errorText, QStringLiteral("\"%1\" muss eine ganze Zahl von 0 bis %2 sein.").arg(QLatin1String(key)).arg(max));
    value = qint64(d);
    return true;
}

} // namespace

namespace T2lJson {

QByteArray ToJson(const CEinheitspapierDoc& doc)
{
    const CKivEditWindow& engine = doc.Engine();
    QByteArray out;
    out.append("{\n  \"continuationCount\": ").append(QByteArray::number(doc.ContinuationCount()));
    out.append(",\n  \"reserved\": ").append(QByteArray::number(doc.ReservedValue()));
    out.append(",\n  \"crossMark\": ").append(QByteArray::number(doc.CrossMark()));
    out.append(",\n  \"formVariant\": ").append(QByteArray::number(doc.FormVariant()));
    out.append(",\n  \"pageState\": ").append(QByteArray::number(engine.GetPageState()));
    out.append(",\n  \"contFieldCount\": ").append(QByteArray::number(engine.GetContFieldCount()));
    out.append(",\n  \"pages\": [\n");
    AppendPage(out, engine, 1, engine.GetFieldCount());
    for (int p = 2; p <= engine.GetPageCount(); ++p) {
        out.append(",\n");
        AppendPage(out, engine, p, engine.GetContFieldCount());
    }
    out.append("\n  ]\n}\n");
    return out;
}

bool ToT2lBytes(const QByteArray& json, QByteArray& t2l, QString* errorText)
{
    QJsonParseError parseError;
    const QJsonDocument jd = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Fail(errorText, QStringLiteral("Ungültiges JSON an Position %1: %2").arg(parseError.offset).arg(parseError.errorString()));
    if (!jd.isObject())
        return Fail(errorText, QStringLiteral("Das JSON muss ein Objekt sein."));
    const QJsonObject root = jd.object();

    qint64 continuationCount, reserved, crossMark, formVariant, pageState, contFieldCount;
    if (!ReadUnsigned(root, "continuationCount", 0xFFFF, continuationCount, errorText)
        || !ReadUnsigned(root, "reserved", 0xFFFFFFFF, reserved, errorText)
        || !ReadUnsigned(root, "crossMark", 0xFF, crossMark, errorText)
        || !ReadUnsigned(root, "formVariant", 0xFFFFFFFF, formVariant, errorText)
        || !ReadUnsigned(root, "pageState", 0xFFFF, pageState, errorText)
        || !ReadUnsigned(root, "contFieldCount", 0xFFFF, contFieldCount, errorText))
        return false;

    const QJsonArray pages = root.value(QLatin1String("pages")).toArray();
    if (pages.isEmpty())
        return Fail(errorText, QStringLiteral("\"pages\" muss mindestens Seite 1 enthalten."));

    QStringList mainTexts, contTexts;
    QList<quint16> mainAttrs, contAttrs;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QJsonObject page = pages.at(p).toObject();
        if (page.value(QLatin1String("page")).toInt(-1) != p + 1)
            return Fail(errorText, QStringLiteral("Die Seiten müssen in der Reihenfolge 1, 2, 3, ... stehen (Eintrag %1).").arg(p + 1));
        const QJsonValue fieldsValue = page.value(QLatin1String("fields"));
        if (!fieldsValue.isArray())
            return Fail(errorText, QStringLiteral("Seite %1: \"fields\" fehlt.").arg(p + 1));
        const QJsonArray fields = fieldsValue.toArray();
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QJsonObject field = fields.at(i).toObject();
            const QJsonValue text = field.value(QLatin1String("text"));
            qint64 attributes = 0;
            if (!text.isString())
                return Fail(errorText, QStringLiteral("Seite %1, Feld %2: \"text\" fehlt.").arg(p + 1).arg(i));
            if (!ReadUnsigned(field, "attributes", 0xFFFF, attributes, errorText))
                return Fail(errorText, QStringLiteral("Seite %1, Feld %2: %3").arg(p + 1).arg(i).arg(*errorText));
            (p == 0 ? mainTexts : contTexts).append(text.toString());
            (p == 0 ? mainAttrs : contAttrs).append(static_cast<quint16>(attributes));
        }
        if (p > 0 && fields.size() != contFieldCount)
            return Fail(errorText, QStringLiteral("Seite %1 hat %2 Felder, \"contFieldCount\" sagt %3.")
                                       .arg(p + 1).arg(fields.size()).arg(contFieldCount));
    }
    if (mainTexts.size() > 0xFFFF)
        return Fail(errorText, QStringLiteral("Seite 1 hat zu viele Felder."));

    t2l.clear();
    CArchiveWriter ar(t2l);
    CEinheitspapierDoc::WriteHeader(ar, static_cast<quint16>(continuationCount), static_cast<quint32>(reserved),
                                    static_cast<quint8>(crossMark), static_cast<quint32>(formVariant));
    CKivEditWindow::WriteBlock(ar, mainTexts, mainAttrs, static_cast<quint16>(pageState),
                               static_cast<quint16>(contFieldCount), contTexts, contAttrs);
    CEinheitspapierDoc::WriteTrailer(ar);
    return true;
}

} // namespace T2lJson

#include "CountryCodes.h"

#include "CodeText.h"

#include <algorithm>

namespace CountryCodes {

namespace {

constexpr int kTerminatorNumber = 1999;
const QString kHomeCode = QStringLiteral("DE");

bool SkippedInKey(char16_t c)
{
    switch (c) {
    case u'-':
    case u'\'':
    case u'\u2010': // hyphen
    case u'\u2011': // non-breaking hyphen
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u2019': // typographic apostrophe
        return true;
    default:
        return false;
    }
}

// Row order of a list: entries sorted by their text; entries of equal text
// (shared codes) keep table order, so the first of them is the state itself.
QList<int> SortedRows(QString (*text)(int))
{
    const int n = Count();
    QList<QString> keys;
    QList<QString> texts;
    keys.reserve(n);
    texts.reserve(n);
    QList<int> rows;
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        texts << text(i);
        keys << SortKey(texts.last());
        rows << i;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int byKey = keys.at(a).compare(keys.at(b));
        if (byKey != 0)
            return byKey < 0;
        return texts.at(a).compare(texts.at(b)) < 0;
    });
    return rows;
}

const QList<int>& NameOrder()
{
    static const QList<int> rows = SortedRows(&Name);
    return rows;
}

const QList<int>& CodeOrder()
{
    static const QList<int> rows = SortedRows(&Code);
    return rows;
}

} // namespace

int CountBeforeTerminator(std::span<const SCountryEntry> table)
{
    int n = 0;
    for (const SCountryEntry& e : table) {
        if (CodeText::LeadingNumber(QStringView(e.code)) >= kTerminatorNumber)
            break;
        ++n;
    }
    return n;
}

int Count()
{
    static const int n = CountBeforeTerminator(kCountryTableSpan);
    return n;
}

QString Code(int entry)
{
    if (entry < 0 || entry >= Count())
        return QString();
    return QString::fromUtf16(kCountryTableSpan[size_t(entry)].code);
}

QString Name(int entry)
{
    if (entry < 0 || entry >= Count())
        return QString();
    return QString::fromUtf16(kCountryTableSpan[size_t(entry)].name);
}

int FindByNameBeginning(const QString& beginning)
{
    if (beginning.isEmpty())
        return -1;
    for (int i = 0; i < Count(); ++i) {
        if (QStringView(kCountryTableSpan[size_t(i)].name).startsWith(beginning, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QString Caption(int mode)
{
    switch (mode) {
    case 1: return QStringLiteral("Bestimmungsland");
    case 2: return QStringLiteral("Ursprungsland");
    case 3: return QStringLiteral("Versendungsland");
    case 4: return QStringLiteral("Erzeugungsland");
    default: return QStringLiteral("Ländercodes");
    }
}

QString SortKey(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || SkippedInKey(c.unicode()))
            continue;
        if (c.unicode() == u'ß' || c.unicode() == u'\u1E9E') {
            key += QStringLiteral("ss");
            continue;
        }
        key += c.toCaseFolded();
    }
    return key;
}

int CompareListTexts(QStringView a, QStringView b)
{
    const int byKey = SortKey(a).compare(SortKey(b));
    if (byKey != 0)
        return byKey;
    return a.compare(b);
}

CCountryList::CCountryList()
    : m_nameRows(NameOrder())
    , m_codeRows(CodeOrder())
{
}

int CCountryList::NameRowOfEntry(int entry) const
{
    return int(m_nameRows.indexOf(entry));
}

int CCountryList::FirstCodeRowEqual(const QString& code) const
{
    for (int row = 0; row < m_codeRows.size(); ++row) {
        if (Code(m_codeRows.at(row)).compare(code, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

int CCountryList::FirstCodeRowBeginning(const QString& beginning) const
{
    for (int row = 0; row < m_codeRows.size(); ++row) {
        if (Code(m_codeRows.at(row)).startsWith(beginning, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

void CCountryList::Open(const QString& inName, const QString& inCode)
{
    m_nameRow = -1;
    m_codeRow = -1;
    const int byName = FindByNameBeginning(inName);
    if (byName >= 0) {
        m_nameRow = NameRowOfEntry(byName);
        m_codeRow = FirstCodeRowEqual(Code(byName));
        return;
    }
    // A name no entry begins with leaves the code to decide, as if no name
    // had been given: the dialog then always opens on a country.
    const QString code = inCode.isEmpty() ? kHomeCode : inCode;
    int row = FirstCodeRowBeginning(code);
    if (row < 0)
        row = FirstCodeRowEqual(kHomeCode);
    SelectCodeRow(row);
}

void CCountryList::SelectNameRow(int row)
{
    if (row < 0 || row >= m_nameRows.size())
        return;
    m_nameRow = row;
    m_codeRow = FirstCodeRowEqual(Code(m_nameRows.at(row)));
}

void CCountryList::SelectCodeRow(int row)
{
    if (row < 0 || row >= m_codeRows.size())
        return;
    m_codeRow = row;
    m_nameRow = NameRowOfEntry(m_codeRows.at(row));
}

int CCountryList::ChosenEntry() const
{
    if (m_nameRow < 0 || m_nameRow >= m_nameRows.size())
        return -1;
    return m_nameRows.at(m_nameRow);
}

} // namespace CountryCodes

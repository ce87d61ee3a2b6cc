#include "FederalStates.h"

#include "CodeText.h"

namespace FederalStates {

namespace {

constexpr int kRows = kTextAbroad - kTextFirstState + 1;
constexpr int kAbroadNumber = 99;

const char16_t* const kTexts[kRows] = {
    u"01 - Schleswig-Holstein", u"02 - Hamburg",        u"03 - Niedersachsen",
    u"04 - Bremen",             u"05 - Nordrhein-Westfalen", u"06 - Hessen",
    u"07 - Rheinland-Pfalz",    u"08 - Baden-Würtemberg", u"09 - Bayern",
    u"10 - Saarland",           u"11 - Berlin",         u"12 - Brandenburg",
    u"13 - Mecklenburg-Vorpommern", u"14 - Sachsen",    u"15 - Sachsen-Anhalt",
    u"16 - Thüringen",          u"99 - Ausland",
};

} // namespace

QString Text(int id)
{
    if (id < kTextFirstState || id > kTextAbroad)
        return QString();
    return QString::fromUtf16(kTexts[id - kTextFirstState]);
}

QStringList Texts()
{
    QStringList texts;
    for (int id = kTextFirstState; id <= kTextAbroad; ++id)
        texts << Text(id);
    return texts;
}

QStringList StateTexts()
{
    QStringList texts = Texts();
    texts.removeLast();
    return texts;
}

int InitialRow(const QString& code)
{
    const int n = code.isEmpty() ? 1 : CodeText::LeadingNumber(code);
    // Each row is found by the code it hands out, so "99" finds the last
    // row and 17, a number no row hands out, finds none.
    if (n == kAbroadNumber)
        return kRows - 1;
    if (n >= 1 && n < kRows)
        return n - 1;
    return -1;
}

std::optional<QString> ResultCode(int row)
{
    if (row < 0 || row >= kRows)
        return std::nullopt;
    const int n = row == kRows - 1 ? kAbroadNumber : row + 1;
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace FederalStates

#include "FieldPickers.h"

#include "CodeText.h"
#include "app/SettingsStore.h"

#include <iterator>

namespace FieldPickers {

namespace {

const char16_t* const kTransport[] = {
    u"1 - Seeverkehr",
    u"2 - Eisenbahnverkehr",
    u"3 - Straßenverkehr",
    u"4 - Luftverkehr",
    u"5 - Postsendungen",
    u"7 - Festinstallierte Transporteinrichtungen",
    u"8 - Binnenschiffahrt",
    u"9 - Eigener Antrieb",
};
constexpr int kTransportRows = int(std::size(kTransport));
// Rows from here on skip the missing code 6.
constexpr int kFirstRowAfterGap = 5;

QString TrimmedRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

QString Text(int id)
{
    switch (id) {
    case kTextTipTakeOver: return QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden");
    case kTextTipCancel: return QStringLiteral("Dialog abbrechen");
    case kTextTipAbort: return QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern");
    case kTextTipHelp: return QStringLiteral("Aufruf der On-Line Hilfe");
    case kTextTipTransport: return QStringLiteral("Hier den Verkehrsweg auswählen");
    case kTextTipPlace: return QStringLiteral("Ortsname eintragen");
    default:
        if (id >= kTextTransportFirst && id <= kTextTransportLast)
            return QString::fromUtf16(kTransport[id - kTextTransportFirst]);
        return QString();
    }
}

int CodeFromText(const QString& text)
{
    return CodeText::LeadingNumber(text);
}

QStringList PartCodes(EPart part)
{
    switch (part) {
    case EPart::kA: return {QStringLiteral("EU"), QStringLiteral("EX"), QStringLiteral("IM"), QStringLiteral("CO"), QStringLiteral("IN")};
    case EPart::kB:
        return {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                QStringLiteral("F"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    case EPart::kC:
        return {QStringLiteral("T1"),  QStringLiteral("T2"),   QStringLiteral("T2F"),  QStringLiteral("T"),
                QStringLiteral("T2L"), QStringLiteral("T2LF"), QStringLiteral("T2SM"), QStringLiteral("T2LSM")};
    }
    return {};
}

int PartChoice(EPart part, const QString& text)
{
    return int(PartCodes(part).indexOf(text));
}

QString PartText(EPart part, int choice)
{
    return PartCodes(part).value(choice);
}

QStringList ContainerTexts()
{
    return {QStringLiteral("0 - Nicht in Container befördert"), QStringLiteral("1 - In Container befördert")};
}

int ContainerChoice(int code)
{
    return code == 0 || code == 1 ? code : -1;
}

std::optional<int> ContainerCode(int choice)
{
    if (choice != 0 && choice != 1)
        return std::nullopt;
    return choice;
}

QStringList TransportTexts()
{
    QStringList texts;
    for (int id = kTextTransportFirst; id <= kTextTransportLast; ++id)
        texts << Text(id);
    return texts;
}

int TransportRow(int code)
{
    int row = 0;
    if (code < 1)
        row = 0;
    else if (code <= kFirstRowAfterGap)
        row = code - 1;
    else
        row = code - 2;
    return row < kTransportRows ? row : -1;
}

std::optional<int> TransportCode(int row)
{
    if (row < 0 || row >= kTransportRows)
        return std::nullopt;
    return row < kFirstRowAfterGap ? row + 1 : row + 2;
}

SPlaceMemory ReadPlaceMemory(const CSettingsStore& profile)
{
    SPlaceMemory memory;
    memory.remember = profile.ReadInt(SettingsSection::kSettings, kReusePlaceValue, 1) != 0;
    if (memory.remember)
        memory.place = profile.ReadString(SettingsSection::kSettings, kPlaceValue, QString());
    return memory;
}

QString DateText(const QString& place, const QDate& date)
{
    const QString day = QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
    const QString trimmed = TrimmedRight(place);
    return trimmed.isEmpty() ? day : trimmed + QStringLiteral(", ") + day;
}

QString TakeDate(const CSettingsStore& profile, const QString& place, bool remember, const QDate& date)
{
    const QString trimmed = TrimmedRight(place);
    profile.WriteInt(SettingsSection::kSettings, kReusePlaceValue, remember ? 1 : 0);
    if (remember)
        profile.WriteString(SettingsSection::kSettings, kPlaceValue, trimmed);
    return DateText(trimmed, date);
}

} // namespace FieldPickers

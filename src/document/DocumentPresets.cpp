#include "DocumentPresets.h"

#include "app/SettingsStore.h"
#include "fields/KivEditWindow.h"

namespace {

constexpr int kPresetBit = 4;

// Only writes a field that exists in the engine's pages.
void SetTextIfPresent(CKivEditWindow& engine, quint16 index, const QString& text, quint16 page)
{
    if (page > engine.GetPageCount())
        return;
    engine.SetFieldText(index, text, page);
}

} // namespace

namespace DocumentPresets {

QString DeclarantRoleText(int role)
{
    switch (role) {
    case 1: return QStringLiteral("Ausführer - 00400");
    case 2: return QStringLiteral("Versender - 00300");
    case 3: return QStringLiteral("Einführer - 00500");
    case 4: return QStringLiteral("Subunternehmer gem. Artikel 789 Zollkodex-DVO");
    default: return QString();
    }
}

void ApplyPresets(CKivEditWindow& engine, const CSettingsStore& profile, const QDate& today)
{
    const QString& s = SettingsSection::kDefaults;
    if (profile.ReadInt(s, QStringLiteral("Feld14"), 4) & kPresetBit) {
        SetTextIfPresent(engine, 19, DeclarantRoleText(profile.ReadInt(s, QStringLiteral("Anmelder"), 0)), 1);
        SetTextIfPresent(engine, 18, profile.ReadString(s, QStringLiteral("ZollNummer2"), QString()), 1);
    }
    if (profile.ReadInt(s, QStringLiteral("AutoDateInStamp"), 0) == 1) {
        const QString date = today.isValid()
                                 ? QStringLiteral("%1.%2.%3").arg(today.day()).arg(today.month()).arg(today.year())
                                 : QStringLiteral("0.0.0");
        if (profile.ReadInt(s, QStringLiteral("Stamp_A"), 0) != 0)
            SetTextIfPresent(engine, 6, date, 1);
        if (profile.ReadInt(s, QStringLiteral("Stamp_C"), 0) != 0)
            SetTextIfPresent(engine, 56, date, 1);
    }
}

void ApplyInitialUpdatePresets(CKivEditWindow& engine, const CSettingsStore& profile)
{
    const QString& s = SettingsSection::kDefaults;
    if (!(profile.ReadInt(s, QStringLiteral("Feld2"), 0) & kPresetBit))
        return;
    QString company = QStringList{profile.ReadString(s, QStringLiteral("Firma1"), QString()),
                                  profile.ReadString(s, QStringLiteral("Firma2"), QString()),
                                  profile.ReadString(s, QStringLiteral("Firma3"), QString()),
                                  profile.ReadString(s, QStringLiteral("Firma4"), QString())}
                          .join(QStringLiteral("\r\n"));
    CKivEditWindow::TrimTrailingWhiteSpace(company);
    const QString customsNumber = profile.ReadString(s, QStringLiteral("ZollNummer1"), QString());

    SetTextIfPresent(engine, 17, company, 1);
    SetTextIfPresent(engine, 8, company, 2);
    SetTextIfPresent(engine, 16, customsNumber, 1);
    SetTextIfPresent(engine, 7, customsNumber, 2);
    if (engine.GetPageCount() >= 2 && engine.GetContFieldCount() > 8) {
        engine.SetFieldSize(7, 2, 1);
        engine.SetFieldSize(8, 2, 1);
    }
}

} // namespace DocumentPresets

#include "EinheitspapierDoc.h"

#include "DocumentPresets.h"
#include "platform/Archive.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr char kMagic[] = "KIV-VURivi@3.00";
constexpr int kMagicSize = 15;
constexpr int kFillerSize = 16;
constexpr char kClosingByte = 0x40;

// A .t2l file far beyond any real document (255 sheets of long texts are a
// few MB) is refused before it is read into memory.
constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

} // namespace

QString CEinheitspapierDoc::MessageText(quint32 id)
{
    switch (id) {
    case kFormatErrorId:
        return QStringLiteral("Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!");
    default:
        return QString();
    }
}

QString CEinheitspapierDoc::ForeignFileMessage()
{
    return QStringLiteral("Dies ist keine T2L-Datei und kann leider nicht verwendet werden!");
}

CEinheitspapierDoc::CEinheitspapierDoc(CSettingsStore profile)
    : m_profile(std::move(profile))
{
}

void CEinheitspapierDoc::DeleteContents()
{
    m_continuationCount = 1;
    m_crossMark = 0;
    m_reserved = 0;
    ApplyPresets();
}

void CEinheitspapierDoc::OnNewDocument()
{
    DeleteContents();
    ApplyPresets();
}

void CEinheitspapierDoc::InitialUpdate(quint32 currentFormVariant)
{
    m_formVariant = currentFormVariant;
    DocumentPresets::ApplyInitialUpdatePresets(m_engine, m_profile);
}

void CEinheitspapierDoc::ApplyPresets()
{
    DocumentPresets::ApplyPresets(m_engine, m_profile, m_today.isValid() ? m_today : QDate::currentDate());
}

void CEinheitspapierDoc::SetContinuationCount(quint16 count)
{
    if (m_engine.SetContPageCount(count, 2) >= 0)
        m_continuationCount = count;
}

QByteArray CEinheitspapierDoc::SaveToBytes()
{
    // The editor's text belongs to the document before it is written.
    m_engine.ActivateField(m_engine.GetCurrentField(), m_engine.GetCurrentPage());

    QByteArray out;
    // One allocation: growing a multi-MB buffer step by step costs more than writing it.
    out.reserve(kMagicSize + kFillerSize + 11 + m_engine.BlockSize() + 1);
    CArchiveWriter ar(out);
    WriteHeader(ar, m_continuationCount, m_reserved, m_crossMark, 0);
    m_engine.Serialize(ar);
    WriteTrailer(ar);
    return out;
}

void CEinheitspapierDoc::WriteHeader(CArchiveWriter& ar, quint16 continuationCount, quint32 reserved,
                                     quint8 crossMark, quint32 formVariant)
{
    ar.WriteBytes(kMagic, kMagicSize);
    for (int i = 0; i < kFillerSize; ++i)
        ar.WriteByte(0xFF);
    ar.WriteWord(continuationCount);
    ar.WriteDWord(reserved);
    ar.WriteByte(crossMark);
    ar.WriteDWord(formVariant);
}

void CEinheitspapierDoc::WriteTrailer(CArchiveWriter& ar)
{
    ar.WriteByte(kClosingByte);
}

bool CEinheitspapierDoc::SaveToFile(const QString& path, QString* errorText)
{
    QString reason;
    if (!SaveFileAtomically(path, SaveToBytes(), &reason)) {
        if (errorText)
            *errorText = QStringLiteral("Die Datei %1 konnte nicht gespeichert werden:\n%2")
                             .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    return true;
}

CEinheitspapierDoc::ELoadStatus CEinheitspapierDoc::LoadFromFile(const QString& path, QString* errorText)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden:\n%2").arg(shown, file.errorString());
        return ELoadStatus::kFailed;
    }
    if (file.size() > kMaxFileSize) {
        if (errorText)
            *errorText = QStringLiteral("Die Datei %1 ist zu groß für ein T2L-Dokument und wird nicht geöffnet.").arg(shown);
        return ELoadStatus::kFailed;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = QStringLiteral("Die Datei %1 konnte nicht gelesen werden:\n%2").arg(shown, file.errorString());
        return ELoadStatus::kFailed;
    }
    return Read(bytes, shown, errorText);
}

CEinheitspapierDoc::ELoadStatus CEinheitspapierDoc::LoadFromBytes(const QByteArray& bytes, QString* errorText)
{
    return Read(bytes, QString(), errorText);
}

CEinheitspapierDoc::ELoadStatus CEinheitspapierDoc::Read(const QByteArray& bytes, const QString& name,
                                                         QString* errorText)
{
    auto damaged = [&](const QString& why) {
        if (errorText) {
            *errorText = (name.isEmpty() ? QStringLiteral("Das Dokument") : QStringLiteral("Die Datei %1").arg(name))
                         + QStringLiteral(" ist beschädigt und kann nicht geöffnet werden:\n") + why;
        }
        return ELoadStatus::kFailed;
    };
    const QString truncated = QStringLiteral("Die Daten enden vorzeitig.");
    const QString inconsistent = QStringLiteral("Die Seiten- und Feldangaben widersprechen sich.");

    m_loadErrorId = 0;
    // A document read twice must not keep anything of the first file.
    m_engine.SetupNewForm();
    DeleteContents();
    SetContinuationCount(1);

    if (bytes.size() < kMagicSize)
        return ELoadStatus::kTooShort;
    if (bytes.left(kMagicSize) != QByteArray(kMagic, kMagicSize)) {
        m_loadErrorId = kFormatErrorId;
        return ELoadStatus::kUnknownFormat;
    }

    CArchiveReader ar(bytes);
    quint16 continuationCount = 0;
    quint32 reserved = 0;
    quint8 crossMark = 0;
    quint32 variant = 0;
    if (!ar.Skip(kMagicSize + kFillerSize) || !ar.ReadWord(continuationCount) || !ar.ReadDWord(reserved)
        || !ar.ReadByte(crossMark) || !ar.ReadDWord(variant))
        return damaged(truncated);

    switch (m_engine.Serialize(ar)) {
    case CKivEditWindow::ELoadResult::kLoaded:
        break;
    case CKivEditWindow::ELoadResult::kUnknownBlock:
        // A block of another kind or a newer version: nothing of it can be
        // shown, so it is treated like any other unknown format.
        m_engine.SetupNewForm();
        DeleteContents();
        SetContinuationCount(1);
        m_loadErrorId = kFormatErrorId;
        return ELoadStatus::kUnknownFormat;
    case CKivEditWindow::ELoadResult::kTruncated:
        return damaged(truncated);
    case CKivEditWindow::ELoadResult::kInconsistent:
        return damaged(inconsistent);
    }

    m_reserved = reserved;
    m_crossMark = crossMark;
    m_formVariant = variant != 0 ? kForeignVariant : 0;
    // The header's count must describe the sheets the block really holds;
    // a damaged count would otherwise decide how many sheets the next one adds.
    Q_UNUSED(continuationCount);
    m_continuationCount = static_cast<quint16>(m_engine.GetPageCount() - 1);
    return ELoadStatus::kLoaded;
}

#pragma once

#include "app/SettingsStore.h"
#include "fields/KivEditWindow_EHP.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class CArchiveWriter;

// One T2L document: a few header values of its own and the field engine with
// everything the clerk typed. Reads and writes the .t2l format.
class CEinheitspapierDoc
{
public:
    // Outcome of reading a file.
    enum class ELoadStatus {
        kLoaded,        // read; check LoadErrorId() and IsForeignVariant() for messages
        kUnknownFormat, // not a T2L document: an empty form, message string 18
        kTooShort,      // shorter than the magic characters: an empty form, no message
        kFailed,        // damaged or unreadable: the document is not opened (see error text)
    };

    static constexpr quint32 kFormatErrorId = 18;
    static constexpr quint32 kForeignVariant = 5;

    // The document's own message texts.
    static QString MessageText(quint32 id);
    static QString ForeignFileMessage();

    explicit CEinheitspapierDoc(CSettingsStore profile = CSettingsStore::Profile());

    CKivEditWindow_EHP& Engine() { return m_engine; }
    const CKivEditWindow_EHP& Engine() const { return m_engine; }

    // --- life cycle
    void DeleteContents();
    void OnNewDocument(); // a fresh document: contents reset, presets applied once more
    // What the form view does when it first shows the document: the form
    // variant becomes the application's and the box 8 presets are written.
    void InitialUpdate(quint32 currentFormVariant = 0);
    void ApplyPresets();
    void SetContinuationCount(quint16 count);

    // --- .t2l
    QByteArray SaveToBytes(); // trims trailing white space in the store as well
    // Writes beside the target and renames over it: a failed save leaves the old file.
    bool SaveToFile(const QString& path, QString* errorText = nullptr);
    ELoadStatus LoadFromBytes(const QByteArray& bytes, QString* errorText = nullptr);
    ELoadStatus LoadFromFile(const QString& path, QString* errorText = nullptr);

    // The parts of a .t2l file around the engine's block.
    static void WriteHeader(CArchiveWriter& ar, quint16 continuationCount, quint32 reserved, quint8 crossMark,
                            quint32 formVariant);
    static void WriteTrailer(CArchiveWriter& ar);

    // --- header values
    quint16 ContinuationCount() const { return m_continuationCount; }
    quint32 ReservedValue() const { return m_reserved; }
    void SetReservedValue(quint32 value) { m_reserved = value; }
    quint8 CrossMark() const { return m_crossMark; }
    void SetCrossMark(quint8 flag) { m_crossMark = flag; }
    quint32 FormVariant() const { return m_formVariant; }
    void SetFormVariant(quint32 variant) { m_formVariant = variant; }
    bool IsForeignVariant() const { return m_formVariant == kForeignVariant; }
    quint32 LoadErrorId() const { return m_loadErrorId; }

    // Changed since the last save or load.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }

    void SetToday(const QDate& date) { m_today = date; } // a fixed date for tests
    const CSettingsStore& Profile() const { return m_profile; }

private:
    ELoadStatus Read(const QByteArray& bytes, const QString& name, QString* errorText);

    CSettingsStore m_profile;
    CKivEditWindow_EHP m_engine;
    quint32 m_loadErrorId = 0;
    quint32 m_formVariant = 0;
    quint16 m_continuationCount = 1;
    quint8 m_crossMark = 0;
    quint32 m_reserved = 0;
    QDate m_today;
    bool m_modified = false;
};

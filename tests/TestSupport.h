#pragma once

#include "platform/Archive.h"

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// Points every settings root at a fresh temporary folder, so a test never
// sees or touches the user's real settings. Keep the object alive for the test.
class CIsolatedSettings
{
public:
    CIsolatedSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        // The documents folder (the data directory) lies below HOME.
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", m_dir.path().toLocal8Bit());
    }
    ~CIsolatedSettings() { qputenv("HOME", m_oldHome); }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
};

// Builds .t2l bytes piece by piece, so a test can state exactly what a file holds.
class CT2lBytes
{
public:
    CT2lBytes& Header(quint16 count = 1, quint32 reserved = 0, quint8 crossMark = 0, quint32 variant = 0)
    {
        W().WriteBytes("KIV-VURivi@3.00", 15);
        for (int i = 0; i < 16; ++i)
            W().WriteByte(0xFF);
        W().WriteWord(count);
        W().WriteDWord(reserved);
        W().WriteByte(crossMark);
        W().WriteDWord(variant);
        return *this;
    }
    CT2lBytes& Word(quint16 w) { W().WriteWord(w); return *this; }
    CT2lBytes& DWord(quint32 d) { W().WriteDWord(d); return *this; }
    CT2lBytes& Byte(quint8 b) { W().WriteByte(b); return *this; }
    CT2lBytes& Raw(const QByteArray& b) { W().WriteBytes(b.constData(), b.size()); return *this; }
    CT2lBytes& Texts(const QStringList& texts) { W().WriteStringList(texts); return *this; }
    CT2lBytes& Words(const QList<quint16>& words) { W().WriteWordList(words); return *this; }
    // Main sheet of n fields with texts "m0", "m1", ... and attribute word 3.
    CT2lBytes& MainSheet(int n = 80)
    {
        QStringList t;
        for (int i = 0; i < n; ++i)
            t << QStringLiteral("m%1").arg(i);
        return Texts(t).Words(QList<quint16>(n, 3));
    }
    // Continuation sheets: texts "p<page>f<field>", attribute word 3.
    CT2lBytes& ContSheets(int pages, int k = 44)
    {
        QStringList t;
        for (int p = 2; p <= pages; ++p)
            for (int i = 0; i < k; ++i)
                t << QStringLiteral("p%1f%2").arg(p).arg(i);
        return Texts(t).Words(QList<quint16>(t.size(), 3));
    }
    QByteArray Bytes() const { return m_bytes; }

private:
    CArchiveWriter W() { return CArchiveWriter(m_bytes); } // copies of the builder stay valid
    QByteArray m_bytes;
};

inline QByteArray Repeat(const QByteArray& unit, int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += unit;
    return out;
}

// The file a new, untouched document gives under default settings.
inline QByteArray NewDocumentBytes()
{
    QByteArray e("KIV-VURivi@3.00");
    e += QByteArray(16, char(0xFF));
    e += QByteArray::fromHex("0100 00000000 00 00000000");
    e += QByteArray::fromHex("0612 0200");
    e += QByteArray::fromHex("5000") + Repeat(QByteArray::fromHex("FFFEFF00"), 80);
    e += QByteArray::fromHex("5000") + Repeat(QByteArray::fromHex("0300"), 80);
    e += QByteArray::fromHex("0220 2C00");
    e += QByteArray::fromHex("2C00") + Repeat(QByteArray::fromHex("FFFEFF00"), 44);
    e += QByteArray::fromHex("2C00");
    for (int i = 0; i < 44; ++i) {
        const bool small = i == 7 || i == 8 || i == 17 || i == 26 || i == 35 || (i >= 38 && i <= 42);
        e += QByteArray::fromHex(small ? "0100" : "0300");
    }
    e += '@';
    return e;
}


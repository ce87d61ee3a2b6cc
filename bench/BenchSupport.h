#pragma once

// What the benchmarks share: the largest document the format allows and a
// main that keeps the settings store away from the real one.

#include "document/EinheitspapierDoc.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace BenchSupport {

constexpr int kTextLength = 200;

// 200 characters of customs-style German, different for every field, with
// umlauts and ß, and no trailing blank (saving would trim it and change the size).
inline QString FieldText(int seed)
{
    static const QStringList words = {
        QStringLiteral("Zollanmeldung"),  QStringLiteral("Warenbeschreibung"), QStringLiteral("Größe"),
        QStringLiteral("Rohmasse"),       QStringLiteral("Packstücke"),        QStringLiteral("Übergabe"),
        QStringLiteral("Empfänger"),      QStringLiteral("Versandland"),       QStringLiteral("Bestimmungsstelle"),
        QStringLiteral("Maschinenteile"), QStringLiteral("Edelstahlrohre"),    QStringLiteral("Präzisionslager"),
        QStringLiteral("Düsseldorf"),     QStringLiteral("Lübeck"),            QStringLiteral("Straße"),
        QStringLiteral("Verschluss"),     QStringLiteral("Kennzeichen"),       QStringLiteral("Ölfilter"),
        QStringLiteral("Frachtbrief"),    QStringLiteral("Gemeinschaftsware"), QStringLiteral("Nämlichkeit"),
        QStringLiteral("Bürgschaft"),     QStringLiteral("Zuständigkeit"),     QStringLiteral("Sicherheit"),
    };
    QString text;
    text.reserve(kTextLength + 32);
    text += QString::number(seed);
    for (int k = 0; text.size() < kTextLength; ++k) {
        text += QLatin1Char(k % 5 == 4 ? ',' : ' ');
        text += words.at((seed * 7 + k * 13) % words.size());
    }
    text.truncate(kTextLength);
    if (text.back() == QLatin1Char(' ') || text.back() == QLatin1Char(','))
        text.back() = QChar(0x00E4);
    return text;
}

// 255 sheets, every field of every sheet filled with kTextLength characters.
inline void FillMaximalDocument(CEinheitspapierDoc& doc)
{
    doc.SetContinuationCount(CKivEditWindow::kMaxContPages);
    CKivEditWindow& engine = doc.Engine();
    int seed = 0;
    for (int page = 1; page <= engine.GetPageCount(); ++page) {
        const int count = page == 1 ? engine.GetFieldCount() : engine.GetContFieldCount();
        for (int i = 0; i < count; ++i)
            engine.SetFieldText(static_cast<quint16>(i), FieldText(seed++), static_cast<quint16>(page));
    }
}

// The folder the settings store lives in while the benchmarks run.
inline QTemporaryDir*& TemporaryDir()
{
    static QTemporaryDir* dir = nullptr;
    return dir;
}

// Runs the registered benchmarks with the settings store in a temporary
// folder (TemporaryDir() while they run). Returns the exit status.
inline int RunBenchmarks(int argc, char** argv)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    TemporaryDir() = &dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TemporaryDir() = nullptr;
    return 0;
}

} // namespace BenchSupport

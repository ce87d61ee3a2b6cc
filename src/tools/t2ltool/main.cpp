// t2ltool: creates, dumps and builds .t2l documents without a window.

#include "document/EinheitspapierDoc.h"
#include "document/T2lJson.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

// JSON on standard input beyond this is refused rather than held in memory.
constexpr qint64 kMaxJsonSize = 512LL * 1024 * 1024;

void PrintError(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int Usage()
{
    PrintError(QStringLiteral("Aufruf: t2ltool new DATEI.t2l | dump DATEI.t2l | build DATEI.t2l < JSON"));
    return 2;
}

int New(const QString& path)
{
    CEinheitspapierDoc doc;
    doc.OnNewDocument();
    doc.InitialUpdate();
    QString error;
    if (!doc.SaveToFile(path, &error)) {
        PrintError(error);
        return 1;
    }
    return 0;
}

int Dump(const QString& path)
{
    CEinheitspapierDoc doc;
    QString error;
    switch (doc.LoadFromFile(path, &error)) {
    case CEinheitspapierDoc::ELoadStatus::kLoaded:
        break;
    case CEinheitspapierDoc::ELoadStatus::kUnknownFormat:
    case CEinheitspapierDoc::ELoadStatus::kTooShort:
        PrintError(CEinheitspapierDoc::MessageText(CEinheitspapierDoc::kFormatErrorId));
        return 1;
    case CEinheitspapierDoc::ELoadStatus::kFailed:
        PrintError(error);
        return 1;
    }
    const QByteArray json = T2lJson::ToJson(doc);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    if (std::fflush(stdout) != 0) {
        PrintError(QStringLiteral("Die Ausgabe konnte nicht geschrieben werden."));
        return 1;
    }
    if (doc.IsForeignVariant())
        PrintError(CEinheitspapierDoc::ForeignFileMessage());
    return 0;
}

int Build(const QString& path)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        PrintError(QStringLiteral("Die Standardeingabe kann nicht gelesen werden."));
        return 1;
    }
    const QByteArray json = in.read(kMaxJsonSize + 1);
    if (json.size() > kMaxJsonSize) {
        PrintError(QStringLiteral("Die Eingabe ist zu groß."));
        return 1;
    }
    QByteArray bytes;
    QString error;
    if (!T2lJson::ToT2lBytes(json, bytes, &error)) {
        PrintError(error);
        return 1;
    }
    CEinheitspapierDoc doc;
    if (doc.LoadFromBytes(bytes, &error) != CEinheitspapierDoc::ELoadStatus::kLoaded) {
        PrintError(error.isEmpty() ? QStringLiteral("Die Angaben ergeben kein gültiges T2L-Dokument.") : error);
        return 1;
    }
    if (!doc.SaveToFile(path, &error)) {
        PrintError(error);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return Usage();
    const QString& command = args.at(1);
    const QString& path = args.at(2);
    if (command == QLatin1String("new"))
        return New(path);
    if (command == QLatin1String("dump"))
        return Dump(path);
    if (command == QLatin1String("build"))
        return Build(path);
    return Usage();
}

// t2ltool: creates, dumps and builds .t2l documents without a window.

#include "app/AppConstants.h"
#include "app/FieldDefinitionStore.h"
#include "app/RegeditManagment.h"
#include "GoodsCommand.h"
#include "document/EinheitspapierDoc.h"
#include "document/T2lJson.h"
#include "MasterDataCommands.h"
#include "fields/FieldDefinitions.h"
#include "platform/LometricPainter.h"
#include "print/FormPrinter.h"
#include "print/PrintJob.h"
#include "view/FormLayout.h"
#include "view/FormPainter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>

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
    PrintError(QStringLiteral("Aufruf: t2ltool new DATEI.t2l | dump DATEI.t2l | build DATEI.t2l < JSON\n"
                              "       t2ltool render DATEI.t2l --page N --zoom Z --dpi D BILD.png\n"
                              "       t2ltool print DATEI.t2l --page N [--copies K] [--printer NAME | --pdf AUSGABE.pdf]\n"
                              "       t2ltool dbf-dump DATEI.dbf | addresses import|export DATEI.csv [--table TABELLE.dbf]"));
    return 2;
}

// Rendered images beyond this many pixels are refused rather than allocated.
constexpr qint64 kMaxRenderPixels = 400LL * 1000 * 1000;

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

// Reads a document for the tool; false after the reason is printed.
bool Load(CEinheitspapierDoc& doc, const QString& path)
{
    QString error;
    switch (doc.LoadFromFile(path, &error)) {
    case CEinheitspapierDoc::ELoadStatus::kLoaded:
        return true;
    case CEinheitspapierDoc::ELoadStatus::kUnknownFormat:
    case CEinheitspapierDoc::ELoadStatus::kTooShort:
        PrintError(CEinheitspapierDoc::MessageText(CEinheitspapierDoc::kFormatErrorId));
        return false;
    case CEinheitspapierDoc::ELoadStatus::kFailed:
        PrintError(error);
        return false;
    }
    return false;
}

int Dump(const QString& path)
{
    CEinheitspapierDoc doc;
    if (!Load(doc, path))
        return 1;
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

bool ParseOption(const QStringList& args, const QString& name, int min, int max, int& value)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return false;
    bool ok = false;
    value = args.at(i + 1).toInt(&ok);
    if (!ok || value < min || value > max) {
        PrintError(QStringLiteral("%1 muss zwischen %2 und %3 liegen.").arg(name).arg(min).arg(max));
        return false;
    }
    return true;
}

// A document for drawing one of its pages, with the field definitions of
// the settings; false after the reason is printed.
bool LoadPage(CEinheitspapierDoc& doc, const QString& path, int page, CFieldDefinitions& definitions)
{
    if (!Load(doc, path))
        return false;
    if (page > doc.Engine().GetPageCount()) {
        PrintError(QStringLiteral("Das Dokument hat nur %1 Seite(n).").arg(doc.Engine().GetPageCount()));
        return false;
    }
    CRegeditManagment library;
    library.InitFromNames(AppConstants::kVersionText);
    FieldDefinitionStore::Read(definitions, doc.Profile(), library);
    return true;
}

// What the form view paints for one page: the scrollable area at the zoom,
// form picture and field texts, no editor.
int Render(const QStringList& args)
{
    // render FILE --page N --zoom Z --dpi D OUT.png
    if (args.size() != 10)
        return Usage();
    const QString& path = args.at(2);
    const QString& out = args.at(9);
    int page = 0, zoom = 0, dpi = 0;
    if (!ParseOption(args, QStringLiteral("--page"), 1, 255, page) || !ParseOption(args, QStringLiteral("--zoom"), 1, 100, zoom)
        || !ParseOption(args, QStringLiteral("--dpi"), 10, 2400, dpi))
        return Usage();

    CEinheitspapierDoc doc;
    CFieldDefinitions definitions;
    if (!LoadPage(doc, path, page, definitions))
        return 1;
    CKivEditWindow& engine = doc.Engine();
    const CSettingsStore& profile = doc.Profile();
    const QString& d = SettingsSection::kDefaults;

    const qint64 widthUnits = qint64(qBound(1, profile.ReadInt(d, QStringLiteral("DocWidth"), 205), 10000)) * zoom;
    const qint64 lengthUnits = qint64(qBound(1, profile.ReadInt(d, QStringLiteral("DocLength"), 350), 10000)) * zoom;
    const qint64 w = qMax<qint64>(1, widthUnits * dpi / 254);
    const qint64 h = qMax<qint64>(1, lengthUnits * dpi / 254);
    if (w * h > kMaxRenderPixels || w > 32000 || h > 32000) {
        PrintError(QStringLiteral("Das Bild würde mit %1 × %2 Pixeln zu groß.").arg(w).arg(h));
        return 1;
    }
    QImage image(int(w), int(h), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);

    engine.CreateFontsForDrawing(zoom, dpi);
    CFormPainter::SOptions options;
    options.page = page;
    options.stampA = profile.ReadInt(d, QStringLiteral("Stamp_A"), 0) == 1;
    options.stampC = profile.ReadInt(d, QStringLiteral("Stamp_C"), 0) == 1;
    options.stampC2 = profile.ReadInt(d, QStringLiteral("Stamp_C2"), 0) == 1;
    options.fieldTextColour = CFormPainter::ColourFromSetting(profile.ReadInt(d, QStringLiteral("EditTextColor"), 0xFF0000));
    options.definitions = &definitions;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        CLometricPainter dc(painter, dpi);
        CFormPainter::PaintPage(dc, CFormLayout(zoom), engine, options);
    }
    if (!image.save(out, "PNG")) {
        PrintError(QStringLiteral("Das Bild %1 konnte nicht geschrieben werden.").arg(out));
        return 1;
    }
    return 0;
}

// The print pipeline without a window: one page, K copies, to a printer
// queue or to a PDF of the bare sheet.
int Print(const QStringList& args)
{
    // print FILE --page N [--copies K] [--printer NAME | --pdf OUT]
    if (args.size() < 5 || args.size() % 2 == 0)
        return Usage();
    const QString& path = args.at(2);
    int page = 0, copies = 1;
    QString printerName, pdf;
    bool havePage = false;
    for (qsizetype i = 3; i + 1 < args.size(); i += 2) {
        const QString& option = args.at(i);
        if (option == QLatin1String("--page")) {
            if (!ParseOption(args.mid(i, 2), option, 1, 255, page))
                return Usage();
            havePage = true;
        } else if (option == QLatin1String("--copies")) {
            if (!ParseOption(args.mid(i, 2), option, 1, 9, copies))
                return Usage();
        } else if (option == QLatin1String("--printer")) {
            printerName = args.at(i + 1);
        } else if (option == QLatin1String("--pdf")) {
            pdf = args.at(i + 1);
        } else {
            return Usage();
        }
    }
    if (!havePage || (!printerName.isEmpty() && !pdf.isEmpty()))
        return Usage();

    CEinheitspapierDoc doc;
    CFieldDefinitions definitions;
    if (!LoadPage(doc, path, page, definitions))
        return 1;
    CKivEditWindow& engine = doc.Engine();
    const CSettingsStore& profile = doc.Profile();
    CFormPrinter printer(engine, definitions, profile, int(doc.FormVariant()), doc.CrossMark());
    const QList<int> sheets = PrintJob::Copies(page, copies);

    if (!pdf.isEmpty()) {
        QString error;
        if (!PrintJob::WritePdf(pdf, printer, sheets, &error)) {
            PrintError(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(pdf, error));
            return 1;
        }
        return 0;
    }
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        PrintError(printerName.isEmpty() ? QStringLiteral("Es ist kein Drucker eingerichtet.")
                                         : QStringLiteral("Der Drucker %1 wurde nicht gefunden.").arg(printerName));
        return 1;
    }
    QPrinter device(info, QPrinter::HighResolution);
    device.setDocName(QFileInfo(path).fileName());
    if (!PrintJob::PrintSheets(device, printer, sheets)) {
        PrintError(QStringLiteral("Der Druck auf %1 ist fehlgeschlagen.").arg(info.printerName()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool render = argc > 1 && (qstrcmp(argv[1], "render") == 0 || qstrcmp(argv[1], "print") == 0);
    // Drawing needs fonts, and fonts need a GUI application, but never a display.
    if (render && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(render ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    const QStringList args = QCoreApplication::arguments();
    if (render)
        return args.at(1) == QLatin1String("print") ? Print(args) : Render(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("goods"))
        return RunGoodsCommand(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("dbf-dump"))
        return RunDbfDump(args);
    if (args.size() > 1 && args.at(1) == QLatin1String("addresses"))
        return RunAddressCommand(args);
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

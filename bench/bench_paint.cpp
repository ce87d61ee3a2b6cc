// One full paint of page 1 with every field filled, as the form view paints
// it, into an offscreen image of the view's scrollable area at 96 dpi.

#include "BenchSupport.h"
#include "document/EinheitspapierDoc.h"
#include "platform/LometricPainter.h"
#include "view/FormLayout.h"
#include "view/FormPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qreal kDpi = 96;

void FillPageOne(CEinheitspapierDoc& doc)
{
    CKivEditWindow& e = doc.Engine();
    for (int i = 0; i < e.GetFieldCount(); ++i) {
        QString text = QStringLiteral("Feld %1: Maschinenteile aus Edelstahl, Größe 3, Düsseldorf").arg(i);
        if (i == 10 || i == 17 || i == 19 || i == 29 || i == 35)
            text += QStringLiteral("\r\nHafenstraße 12\r\n20457 Hamburg\r\nDeutschland");
        e.SetFieldText(i, text, 1);
    }
}

void BM_PaintPageOne(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    CEinheitspapierDoc doc;
    FillPageOne(doc);
    doc.Engine().CreateFontsForDrawing(zoom, kDpi);
    const CFormLayout layout(zoom); // prepared once per zoom, as the view does
    const int w = qRound(205 * zoom * kDpi / 254);
    const int h = qRound(350 * zoom * kDpi / 254);
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    CFormPainter::SOptions options;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        CLometricPainter dc(painter, kDpi);
        CFormPainter::PaintPage(dc, layout, doc.Engine(), options);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = double(w) * h;
}
BENCHMARK(BM_PaintPageOne)->Arg(10)->Arg(25)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return BenchSupport::RunBenchmarks(argc, argv);
}

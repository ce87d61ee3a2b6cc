#include "CalibrationSheet.h"

#include "FormPrinter.h"
#include "PrintCalibration.h"
#include "app/SettingsStore.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "view/FormLayout.h"
#include "view/FormPainter.h"

#include <QPainter>
#include <QStringList>

namespace CalibrationSheet {

namespace {

constexpr int kRulerLengthX = 2000; // 0.1 mm
constexpr int kRulerLengthY = 2850;

void Rulers(CLometricPainter& dc)
{
    dc.SetPen(Qt::black, 1);
    dc.SetFont(SLogFont{25, 400, 0});
    dc.SetTextColour(Qt::black);
    for (int mm = 0; mm * 10 <= kRulerLengthX; ++mm) {
        const int x = mm * 10;
        const int len = mm % 10 == 0 ? 40 : mm % 5 == 0 ? 25 : 15;
        dc.MoveTo(x, 0);
        dc.LineTo(x, -len);
        if (mm % 10 == 0 && mm > 0)
            dc.TextOut(x + 5, -30, QString::number(mm / 10), false);
    }
    for (int mm = 0; mm * 10 <= kRulerLengthY; ++mm) {
        const int y = -mm * 10;
        const int len = mm % 10 == 0 ? 40 : mm % 5 == 0 ? 25 : 15;
        dc.MoveTo(0, y);
        dc.LineTo(len, y);
        if (mm % 10 == 0 && mm > 0)
            dc.TextOut(45, y + 12, QString::number(mm / 10), false);
    }
}

QString Percent(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1);
}

int Factor(const CSettingsStore& profile, const QString& key)
{
    return profile.ReadInt(SettingsSection::kSettings, key, PrintCalibration::kFactorDefault);
}

} // namespace

QString SettingsLine(const CSettingsStore& profile)
{
    const PrintCalibration::SMargins m = PrintCalibration::ReadMargins(profile);
    return QStringLiteral("Seite 1: %1 / %2 mm, Ergänzungsblätter: %3 / %4 mm (links / oben); "
                          "Korrektur vertikal %5 %, horizontal %6 %; Druckerschrift %7 %")
        .arg(double(m.left), 0, 'f', 1)
        .arg(double(m.top), 0, 'f', 1)
        .arg(double(m.left2), 0, 'f', 1)
        .arg(double(m.top2), 0, 'f', 1)
        .arg(Percent(Factor(profile, PrintCalibration::kFactorV)), Percent(Factor(profile, PrintCalibration::kFactorH)))
        .arg(CFormPrinter::FontFactor(profile));
}

void Print(CLometricPainter& dc, const CSettingsStore& profile, const CFieldDefinitions* definitions)
{
    QPainter& painter = dc.Painter();
    const QPoint origin = CFormPrinter::OriginFor(profile, 1);
    const qreal s = dc.PixelsPerUnit();
    const int factorV = Factor(profile, PrintCalibration::kFactorV);
    const int factorH = Factor(profile, PrintCalibration::kFactorH);

    // The form, stretched by the correction about the printable corner as
    // the texts are.
    painter.save();
    painter.scale(factorH / 1000.0, factorV / 1000.0);
    {
        CLometricPainter form(painter, dc.Dpi(), QPointF(-origin.x() * s, origin.y() * s));
        CFormPainter::SOptions options;
        options.page = 1;
        options.printer = true;
        options.definitions = definitions;
        CFormPainter::DrawSheet(form, CFormLayout(10), kMainSheet, options);
    }
    painter.restore();

    CFormPrinter::PrintPositioningMark(dc, origin);
    Rulers(dc);

    // In box D, which is empty on every form.
    dc.SetTextColour(Qt::black);
    dc.SetFont(SLogFont{40, 700, 0});
    dc.TextOut(120, -2700, QStringLiteral("Velmora-T2L – Kalibrierblatt"), false);
    dc.SetFont(SLogFont{28, 400, 0});
    const QStringList lines = SettingsLine(profile).split(QStringLiteral("; "));
    int y = -2760;
    for (const QString& line : lines) {
        dc.TextOut(120, y, line, false);
        y -= 40;
    }
    dc.TextOut(120, y - 10, QStringLiteral("Maßstäbe in cm ab der Ecke des bedruckbaren Bereichs."), false);
}

} // namespace CalibrationSheet

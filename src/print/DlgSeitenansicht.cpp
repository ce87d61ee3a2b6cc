#include "DlgSeitenansicht.h"

#include "platform/Help.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Paints the preview sheet at its own size.
class CSheetCanvas : public QWidget
{
public:
    CSheetCanvas(CFormPrinter& printer, const PrintPreview::SSheet& sheet, QWidget* parent)
        : QWidget(parent)
        , m_printer(printer)
        , m_sheet(sheet)
    {
        setAutoFillBackground(false);
    }
    // Draws the sheet once; scrolling only shows it again.
    void SetSheet(const PrintPreview::SSheet& sheet)
    {
        m_sheet = sheet;
        // Fonts are sized for the resolution the sheet is drawn at, so the
        // sheet is drawn into an image of exactly that resolution.
        const qreal dpi = sheet.pixelsPerMm * 25.4;
        m_image = QImage(QSize(int(PrintPreview::kSheetWidthMm * sheet.pixelsPerMm),
                               int(PrintPreview::kSheetHeightMm * sheet.pixelsPerMm)),
                         QImage::Format_RGB32);
        const int dotsPerMeter = qRound(dpi / 0.0254);
        m_image.setDotsPerMeterX(dotsPerMeter);
        m_image.setDotsPerMeterY(dotsPerMeter);
        {
            QPainter painter(&m_image);
            painter.setRenderHint(QPainter::TextAntialiasing);
            PrintPreview::PaintSheet(painter, m_sheet, m_printer);
        }
        setFixedSize(m_image.width() + 2 * kBorder, m_image.height() + 2 * kBorder);
        update();
    }
    static constexpr int kBorder = 12;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        painter.drawImage(QPoint(kBorder, kBorder), m_image);
    }

private:
    CFormPrinter& m_printer;
    PrintPreview::SSheet m_sheet;
    QImage m_image;
};

constexpr int kZoomPercents[] = {50, 75, 100, 150, 200};

} // namespace

CDlgSeitenansicht::CDlgSeitenansicht(CFormPrinter& printer, const PrintPreview::SSheet& sheet, int pageCount,
                                     const QString& printerName, QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
    , m_sheet(sheet)
{
    setWindowTitle(QStringLiteral("Seitenansicht"));
    m_pages = new QComboBox(this);
    for (int p = 1; p <= pageCount; ++p)
        m_pages->addItem(QStringLiteral("Seite %1").arg(p));
    m_pages->setCurrentIndex(qBound(0, sheet.page - 1, pageCount - 1));
    m_pages->setToolTip(QStringLiteral("Die Seite, die gezeigt und gedruckt wird"));
    m_zoom = new QComboBox(this);
    for (int z : kZoomPercents)
        m_zoom->addItem(QStringLiteral("%1 %").arg(z), z);
    m_zoom->setCurrentIndex(1);
    m_zoom->setToolTip(QStringLiteral("Größe der Ansicht"));
    auto* printerLabel = new QLabel(printerName.isEmpty() ? QStringLiteral("Kein Drucker eingerichtet")
                                                          : QStringLiteral("Drucker: %1").arg(printerName),
                                    this);
    auto* hint = new QLabel(QStringLiteral("Schwarz: der Ausdruck mit den eingestellten Rändern und Korrekturen; "
                                           "blass: das Formular, wie es bei genauem Papiereinzug liegt."),
                            this);
    hint->setWordWrap(true);

    m_canvas = new CSheetCanvas(printer, m_sheet, this);
    m_area = new QScrollArea(this);
    m_area->setWidget(m_canvas);
    m_area->setAlignment(Qt::AlignHCenter);
    m_area->setBackgroundRole(QPalette::Dark);

    auto* buttons = new QDialogButtonBox(this);
    m_print = buttons->addButton(QStringLiteral("&Drucken..."), QDialogButtonBox::AcceptRole);
    auto* close = buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    m_print->setToolTip(QStringLiteral("Diese Seite drucken"));
    close->setToolTip(QStringLiteral("Ansicht schließen, ohne zu drucken"));
    help->setToolTip(QStringLiteral("Aufruf der On-Line Hilfe"));
    close->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pages);
    top->addWidget(m_zoom);
    top->addWidget(printerLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(hint);
    layout->addWidget(m_area, 1);
    layout->addWidget(buttons);

    connect(m_pages, &QComboBox::currentIndexChanged, this, [this] { ShowSheet(); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] { ShowSheet(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_printRequested = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgSeitenansicht::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
    Help::InstallHelpKey(this);
    ShowSheet();
    resize(int(PrintPreview::kSheetWidthMm * m_sheet.pixelsPerMm) + 80, 800);
}

void CDlgSeitenansicht::ShowSheet()
{
    m_sheet.page = m_pages->currentIndex() + 1;
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    m_sheet.pixelsPerMm = dpi / 25.4 * m_zoom->currentData().toInt() / 100.0;
    static_cast<CSheetCanvas*>(m_canvas)->SetSheet(m_sheet);
}

QImage CDlgSeitenansicht::Picture() const
{
    QImage image(m_canvas->size(), QImage::Format_RGB32);
    m_canvas->render(&image);
    return image;
}

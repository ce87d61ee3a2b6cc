#include "DlgInternalInfo.h"

#include "app/AppConstants.h"
#include "platform/Prompts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

SupportInfo::PrinterLookup g_lookup;

QString Tip(const QString& title, const QString& description)
{
    return QStringLiteral("<table width=\"300\"><tr><td><b>%1</b><br>%2</td></tr></table>")
        .arg(title.toHtmlEscaped(), description.toHtmlEscaped());
}

} // namespace

void Common_DlgInternalInfo::SetPrinterLookup(SupportInfo::PrinterLookup lookup)
{
    g_lookup = std::move(lookup);
}

std::optional<SupportInfo::SPrinterDetails> Common_DlgInternalInfo::SystemPrinter(const QString& name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return std::nullopt;
    // CUPS names no port or print processor; the queue is where jobs go.
    SupportInfo::SPrinterDetails details;
    details.driver = info.makeAndModel();
    details.port = info.printerName();
    details.processor = QStringLiteral("CUPS");
    return details;
}

Common_DlgInternalInfo::Common_DlgInternalInfo(const CSettingsStore& profile, SContext context, QWidget* parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_context(std::move(context))
{
    setWindowTitle(QStringLiteral("Interne Programminformationen"));

    QSize desktop(0, 0);
    int scaling = 100;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        desktop = screen->size() * screen->devicePixelRatio();
        scaling = qRound(100.0 * screen->logicalDotsPerInch() / 96.0);
    }
    m_environment = new QPlainTextEdit(this);
    m_environment->setReadOnly(true);
    // The text keeps CR LF as the file does; the edit breaks at LF.
    m_environment->setPlainText(
        SupportInfo::EnvironmentText(desktop, scaling, QDir::toNativeSeparators(m_context.programDirectory))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_environment->setToolTip(Tip(QStringLiteral("Betriebssystem"),
                                  QStringLiteral("Hier werden Informationen zum Betriebssystem, der Bildschirmauflösung "
                                                 "und dem Installationsverzeichnis des Programms gezeigt")));
    m_environment->setFixedHeight(m_environment->fontMetrics().lineSpacing() * 4);

    m_version = new QLineEdit(this);
    m_version->setReadOnly(true);
    m_version->setText(SupportInfo::VersionLine(m_context.versionString, m_context.buildDate,
                                                SupportInfo::FirstStartDate(m_profile, QDate::currentDate())));
    m_version->setCursorPosition(0);
    m_version->setMinimumWidth(m_version->fontMetrics().horizontalAdvance(m_version->text()) + 20);
    m_version->setToolTip(Tip(QStringLiteral("Programmdaten"), QStringLiteral("Anzeige der Programmversion")));

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(QStringLiteral("Daten in Datei sichern"), QDialogButtonBox::ActionRole);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    m_save->setToolTip(Tip(QStringLiteral("Schaltfläche \"Daten in Datei sichern\""),
                           QStringLiteral("Mit dieser Schaltfläche werden alle wichtigen Programminformationen für "
                                          "Supportzwecke in eine Datei geschrieben und der Dialog beendet")));
    m_ok->setToolTip(Tip(QStringLiteral("Schaltfläche \"OK\""), QStringLiteral("Dialog beenden")));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_environment);
    layout->addWidget(m_version);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_save, &QPushButton::clicked, this, &Common_DlgInternalInfo::SaveSupportFile);
}

QString Common_DlgInternalInfo::TargetPath() const
{
    return SupportInfo::FilePath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                 AppConstants::kApplicationTitle);
}

void Common_DlgInternalInfo::SaveSupportFile()
{
    SupportInfo::SInput input;
    input.applicationTitle = AppConstants::kApplicationTitle;
    input.recentFiles = m_context.recentFiles;
    input.today = QDate::currentDate();
    input.runtimeVersions = SupportInfo::RuntimeVersions();
    input.printer = g_lookup ? g_lookup : SupportInfo::PrinterLookup(&Common_DlgInternalInfo::SystemPrinter);

    const QString path = TargetPath();
    // A home without a documents folder yet: the folder is made, not a reason to fail.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (SupportInfo::WriteFile(path, SupportInfo::Lines(m_profile, input), &error))
        Prompts::Show(this, QMessageBox::NoIcon, SupportInfo::WrittenMessage(path));
    else
        Prompts::Show(this, QMessageBox::Critical, SupportInfo::FailedMessage(path));
    accept();
}

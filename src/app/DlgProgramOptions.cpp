#include "DlgProgramOptions.h"

#include "platform/Help.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using ProgramOptions::Text;

namespace {

// Status pictures beside "Initialisierung": the table will be created, or not.
const char kYesPicture[] =
    "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' viewBox='0 0 16 16'>"
    "<path d='M2.5,8.5 L6.5,12.5 L13.5,3.5' fill='none' stroke='#1a9a1a' stroke-width='2.5' "
    "stroke-linecap='round' stroke-linejoin='round'/></svg>";
const char kNoPicture[] =
    "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' viewBox='0 0 16 16'>"
    "<path d='M4,4 L12,12 M12,4 L4,12' fill='none' stroke='#909090' stroke-width='2.5' "
    "stroke-linecap='round'/></svg>";

QString Tip(const QString& title, const QString& description = QString())
{
    QString tip = QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped());
    if (!description.isEmpty())
        tip += QStringLiteral("<br>") + description.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    // Descriptions wrap at 300 pixels.
    return QStringLiteral("<table width=\"300\"><tr><td>%1</td></tr></table>").arg(tip);
}

QLabel* Picture(const char* svg, QWidget* parent)
{
    auto* label = new QLabel(parent);
    QPixmap pixmap;
    pixmap.loadFromData(QByteArray(svg), "SVG");
    label->setPixmap(pixmap);
    label->setFixedSize(16, 16);
    return label;
}

} // namespace

CDlgProgramOptions::CDlgProgramOptions(const CSettingsStore& profile, QString dataDirectory, QWidget* parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_dataDirectory(std::move(dataDirectory))
{
    setWindowTitle(QStringLiteral("Programmeinstellungen"));
    const ProgramOptions::SValues values = ProgramOptions::Load(m_profile, m_dataDirectory);

    auto* formGroup = new QGroupBox(QStringLiteral(" Einheitspapier "), this);
    auto* grid = new QGridLayout(formGroup);

    m_addressEdit = new QLineEdit(values.addressPath, formGroup);
    m_addressEdit->setToolTip(Tip(Text(332), Text(333)));
    m_addressEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    m_browse = new QPushButton(QStringLiteral("...."), formGroup);
    m_browse->setToolTip(Tip(Text(334), Text(335)));
    m_addressInitButton = new QPushButton(QStringLiteral("Initialisierung"), formGroup);
    m_addressInitButton->setToolTip(Tip(Text(336), Text(337)));
    m_addressYes = Picture(kYesPicture, formGroup);
    m_addressNo = Picture(kNoPicture, formGroup);

    m_goodsEdit = new QLineEdit(values.goodsPath, formGroup);
    m_goodsEdit->setToolTip(Tip(Text(338), Text(339)));
    m_goodsInitButton = new QPushButton(QStringLiteral("Initialisierung"), formGroup);
    m_goodsInitButton->setToolTip(Tip(Text(336), Text(337)));
    m_goodsYes = Picture(kYesPicture, formGroup);
    m_goodsNo = Picture(kNoPicture, formGroup);

    auto* addressLabel = new QLabel(QStringLiteral("Datenbankdatei für Adressdaten (Feld 2 und 8)"), formGroup);
    addressLabel->setBuddy(m_addressEdit);
    auto* goodsLabel = new QLabel(QStringLiteral("Datenbankdatei für Warendaten (Feld 31, 33, 34)"), formGroup);
    goodsLabel->setBuddy(m_goodsEdit);

    // One place per row for the status picture: only one of the two shows.
    auto status = [](QLabel* yes, QLabel* no) {
        auto* box = new QHBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(yes);
        box->addWidget(no);
        yes->hide();
        return box;
    };
    grid->addWidget(addressLabel, 0, 0, 1, 4);
    grid->addWidget(m_addressEdit, 1, 0);
    grid->addWidget(m_browse, 1, 1);
    grid->addWidget(m_addressInitButton, 1, 2);
    grid->addLayout(status(m_addressYes, m_addressNo), 1, 3);
    grid->addWidget(goodsLabel, 2, 0, 1, 4);
    grid->addWidget(m_goodsEdit, 3, 0);
    grid->addWidget(m_goodsInitButton, 3, 2);
    grid->addLayout(status(m_goodsYes, m_goodsNo), 3, 3);
    grid->setColumnStretch(0, 1);

    auto* printGroup = new QGroupBox(QStringLiteral(" Druck "), this);
    auto* printLayout = new QVBoxLayout(printGroup);
    m_paperCheck = new QCheckBox(QStringLiteral("Papierformat überprüfen"), printGroup);
    m_paperCheck->setChecked(values.paperCheck != 0);
    m_paperCheck->setToolTip(Tip(Text(340), Text(341)));
    printLayout->addWidget(m_paperCheck);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    m_ok->setToolTip(Tip(Text(257)));
    m_cancel->setToolTip(Tip(Text(261)));
    m_help->setToolTip(Tip(Text(262)));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formGroup);
    layout->addWidget(printGroup);
    layout->addWidget(buttons);

    connect(m_browse, &QPushButton::clicked, this, &CDlgProgramOptions::OnBrowse);
    connect(m_addressInitButton, &QPushButton::clicked, this,
            [this] { m_addressInit = AskInit(144, m_addressYes, m_addressNo); });
    connect(m_goodsInitButton, &QPushButton::clicked, this,
            [this] { m_goodsInit = AskInit(145, m_goodsYes, m_goodsNo); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgProgramOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgProgramOptions::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { Help::Open(this); });
    Help::InstallHelpKey(this);
}

bool CDlgProgramOptions::AddressYesShown() const { return !m_addressYes->isHidden(); }
bool CDlgProgramOptions::AddressNoShown() const { return !m_addressNo->isHidden(); }
bool CDlgProgramOptions::GoodsYesShown() const { return !m_goodsYes->isHidden(); }
bool CDlgProgramOptions::GoodsNoShown() const { return !m_goodsNo->isHidden(); }

void CDlgProgramOptions::OnBrowse()
{
    const QString path = Prompts::GetOpenFileName(this, QStringLiteral("Datendatei auswählen"), m_dataDirectory,
                                                  QStringLiteral("Datenbankdateien (*.dbf)"));
    if (!path.isEmpty())
        m_addressEdit->setText(path);
}

bool CDlgProgramOptions::AskInit(int textId, QLabel* yes, QLabel* no)
{
    const bool init = Prompts::Ask(this, QMessageBox::Warning, Text(textId), QMessageBox::Yes | QMessageBox::No,
                                   QMessageBox::No)
                      == QMessageBox::Yes;
    yes->setVisible(init);
    no->setVisible(!init);
    return init;
}

void CDlgProgramOptions::accept()
{
    ProgramOptions::SValues values;
    values.addressPath = m_addressEdit->text();
    values.goodsPath = m_goodsEdit->text();
    values.paperCheck = m_paperCheck->isChecked() ? 1 : 0;
    ProgramOptions::Store(m_profile, values);
    QDialog::accept();

    // The settings are written whatever becomes of the tables.
    QStringList failures;
    if (m_addressInit) {
        const auto outcome = ProgramOptions::CreateAddressTable(m_profile, m_dataDirectory);
        if (outcome.result == ProgramOptions::ECreateResult::kFailed)
            failures << ProgramOptions::CreateFailedText(outcome);
    }
    if (m_goodsInit) {
        const auto outcome = ProgramOptions::CreateGoodsTable(m_profile, m_dataDirectory);
        if (outcome.result == ProgramOptions::ECreateResult::kFailed)
            failures << ProgramOptions::CreateFailedText(outcome);
    }
    for (const QString& text : failures)
        Prompts::Show(parentWidget(), QMessageBox::Critical, text);
}

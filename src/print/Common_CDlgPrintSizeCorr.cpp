#include "Common_CDlgPrintSizeCorr.h"

#include "PrintCalibration.h"
#include "app/SettingsStore.h"
#include "platform/Help.h"
#include "platform/Prompts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Common_CDlgPrintSizeCorr::RunFunction& RunHook()
{
    static Common_CDlgPrintSizeCorr::RunFunction f;
    return f;
}

struct STexts
{
    const char16_t* title;
    const char16_t* warning;
    const char16_t* pointOnly;
    const char16_t* vertical;
    const char16_t* horizontal;
    const char16_t* cancel;
};

const STexts kGerman = {u"Druckbereich-Korrektur",        u"Diese Einstellungen verändern den Ausdruck!",
                        u"Eingabe mit Punkt; kein Komma!", u"Korrektur &vertikal:",
                        u"Korrektur &horizontal:",         u"Abbrechen"};
const STexts kEnglish = {u"Print Area Correction",                  u"This Settings will change the printout!",
                         u"All input with decimal point, no comma", u"&Vertical Correction",
                         u"&Horizontal Correction",                 u"Abort"};

QString Shown(float value)
{
    return QString::number(double(value), 'g', 6);
}

} // namespace

Common_CDlgPrintSizeCorr::Common_CDlgPrintSizeCorr(const CSettingsStore& profile, int languageIndex, QWidget* parent)
    : QDialog(parent)
    , m_verticalEdit(new QLineEdit(this))
    , m_horizontalEdit(new QLineEdit(this))
{
    using namespace PrintCalibration;
    const STexts& t = languageIndex == 1 ? kEnglish : kGerman;
    setWindowTitle(QString::fromUtf16(t.title));

    m_vertical = FromTenths(profile.ReadInt(SettingsSection::kSettings, kFactorV, kFactorDefault));
    m_horizontal = FromTenths(profile.ReadInt(SettingsSection::kSettings, kFactorH, kFactorDefault));
    m_verticalEdit->setText(Shown(m_vertical));
    m_horizontalEdit->setText(Shown(m_horizontal));

    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const char16_t* text, QLineEdit* edit) {
        auto* label = new QLabel(QString::fromUtf16(text), this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), this), row, 2);
    };
    addRow(0, t.vertical, m_verticalEdit);
    addRow(1, t.horizontal, m_horizontalEdit);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QString::fromUtf16(t.cancel), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Help::InstallHelpKey(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf16(t.warning), this));
    layout->addWidget(new QLabel(QString::fromUtf16(t.pointOnly), this));
    layout->addLayout(grid);
    layout->addWidget(buttons);
    m_verticalEdit->setFocus();
}

bool Common_CDlgPrintSizeCorr::Take(QLineEdit* edit, float& value)
{
    using namespace PrintCalibration;
    const std::optional<float> typed = ParseDecimal(edit->text());
    QString message;
    if (!typed)
        message = DecimalMessage();
    else if (*typed < kCorrectionMin || *typed > kCorrectionMax)
        message = DecimalRangeMessage(kCorrectionMin, kCorrectionMax);
    if (!message.isEmpty()) {
        Prompts::Show(this, QMessageBox::Warning, message);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    value = *typed;
    return true;
}

void Common_CDlgPrintSizeCorr::accept()
{
    float vertical = 0;
    float horizontal = 0;
    if (!Take(m_verticalEdit, vertical) || !Take(m_horizontalEdit, horizontal))
        return;
    m_vertical = vertical;
    m_horizontal = horizontal;
    QDialog::accept();
}

void Common_CDlgPrintSizeCorr::SetRunFunction(RunFunction f)
{
    RunHook() = std::move(f);
}

int Common_CDlgPrintSizeCorr::Run()
{
    return RunHook() ? RunHook()(*this) : exec();
}

int Common_CDlgPrintSizeCorr::RunCorrection(const CSettingsStore& profile, int languageIndex, QWidget* parent)
{
    using namespace PrintCalibration;
    Common_CDlgPrintSizeCorr dialog(profile, languageIndex, parent);
    if (dialog.Run() != QDialog::Accepted)
        return QDialog::Rejected;
    profile.WriteInt(SettingsSection::kSettings, kFactorV, ToTenths(dialog.Vertical()));
    profile.WriteInt(SettingsSection::kSettings, kFactorH, ToTenths(dialog.Horizontal()));
    return QDialog::Accepted;
}

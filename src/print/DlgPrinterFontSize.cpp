#include "DlgPrinterFontSize.h"

#include "PrintCalibration.h"
#include "app/SettingsStore.h"
#include "platform/Help.h"
#include "platform/Prompts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

CDlgPrinterFontSize::RunFunction& RunHook()
{
    static CDlgPrinterFontSize::RunFunction f;
    return f;
}

// An edit with arrows: the arrows stay within 50 to 150, while typing may
// go beyond, so that OK can say what the allowed range is.
class CPercentBox : public QSpinBox
{
public:
    explicit CPercentBox(int value, QWidget* parent)
        : QSpinBox(parent)
    {
        setRange(0, 999);
        setValue(value);
    }

    void stepBy(int steps) override
    {
        using namespace PrintCalibration;
        setValue(qBound(kFontFactorMin, value() + steps, kFontFactorMax));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override
    {
        using namespace PrintCalibration;
        StepEnabled e = StepNone;
        if (value() < kFontFactorMax)
            e |= StepUpEnabled;
        if (value() > kFontFactorMin)
            e |= StepDownEnabled;
        return e;
    }
};

} // namespace

CDlgPrinterFontSize::CDlgPrinterFontSize(int percentage, QWidget* parent)
    : QDialog(parent)
    , m_percentage(percentage)
    , m_box(new CPercentBox(qBound(0, percentage, 999), this))
    , m_second(new CPercentBox(100, this))
    , m_secondLabel(new QLabel(QStringLiteral("D.V.1"), this))
{
    setWindowTitle(QStringLiteral("Schriftgrößen für Druck"));

    auto* grid = new QGridLayout;
    auto* label = new QLabel(QStringLiteral("Einheitspapier T2L"), this);
    label->setBuddy(m_box);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_box, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 0, 2);
    auto* secondPercent = new QLabel(QStringLiteral("%"), this);
    grid->addWidget(m_secondLabel, 1, 0);
    grid->addWidget(m_second, 1, 1);
    grid->addWidget(secondPercent, 1, 2);
    for (QWidget* w : {static_cast<QWidget*>(m_secondLabel), static_cast<QWidget*>(m_second),
                       static_cast<QWidget*>(secondPercent)})
        w->setVisible(false);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
    Help::InstallHelpKey(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    m_box->setFocus();
    m_box->selectAll();
}

void CDlgPrinterFontSize::accept()
{
    using namespace PrintCalibration;
    int value = 0;
    for (QSpinBox* box : {m_box, m_second}) {
        const std::optional<int> typed = ParseInteger(box->cleanText());
        QString message;
        if (!typed)
            message = IntegerMessage();
        else if (*typed < kFontFactorMin || *typed > kFontFactorMax)
            message = IntegerRangeMessage(kFontFactorMin, kFontFactorMax);
        if (!message.isEmpty()) {
            Prompts::Show(this, QMessageBox::Warning, message);
            box->setFocus();
            box->selectAll();
            return;
        }
        if (box == m_box)
            value = *typed;
    }
    m_percentage = value;
    QDialog::accept();
}

void CDlgPrinterFontSize::SetRunFunction(RunFunction f)
{
    RunHook() = std::move(f);
}

int CDlgPrinterFontSize::Run()
{
    return RunHook() ? RunHook()(*this) : exec();
}

int CDlgPrinterFontSize::RunFontSize(const CSettingsStore& profile, QWidget* parent)
{
    using namespace PrintCalibration;
    CDlgPrinterFontSize dialog(profile.ReadInt(SettingsSection::kDefaults, kFontFactor, kFontFactorDefault), parent);
    if (dialog.Run() != QDialog::Accepted)
        return QDialog::Rejected;
    profile.WriteInt(SettingsSection::kDefaults, kFontFactor, dialog.Percentage());
    return QDialog::Accepted;
}

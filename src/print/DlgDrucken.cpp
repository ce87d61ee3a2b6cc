#include "DlgDrucken.h"

#include "platform/Help.h"
#include "platform/Prompts.h"
#include "resources/ResourceNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Picture(const QString& resource, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QIcon(resource).pixmap(32, 32));
    return label;
}

} // namespace

CDlgDrucken::CDlgDrucken(int pageCount, const QString& printerName, bool portrait, bool reusePrinter, QWidget* parent)
    : QDialog(parent)
    , m_printerName(printerName)
{
    setWindowTitle(QStringLiteral("Einheitspapier T2L bedrucken"));

    auto* printerGroup = new QGroupBox(QStringLiteral(" Ausgewählter Drucker "), this);
    m_printerLabel = new QLabel(printerName, printerGroup);
    m_printerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* orientation = new QLabel(QStringLiteral("Ausrichtung:"), printerGroup);
    m_landscapePicture = Picture(ResourceNames::kLandscapeIcon, printerGroup);
    m_portraitPicture = Picture(ResourceNames::kPortraitIcon, printerGroup);
    m_portraitText = new QLabel(QStringLiteral("Hochformat"), printerGroup);
    m_landscapeText = new QLabel(QStringLiteral("Querformat"), printerGroup);
    m_portraitPicture->setVisible(portrait);
    m_portraitText->setVisible(portrait);
    m_landscapePicture->setVisible(!portrait);
    m_landscapeText->setVisible(!portrait);
    m_reuseCheck = new QCheckBox(QStringLiteral("Immer diesen Drucker verwenden"), printerGroup);
    m_reuseCheck->setChecked(reusePrinter);
    m_reuseCheck->setToolTip(QStringLiteral("Drucker wird beim nächsten Druck wieder ausgewählt"));
    m_choice = new QPushButton(QStringLiteral("Druckerauswahl"), printerGroup);
    m_choice->setAutoDefault(false);
    m_choice->setToolTip(QStringLiteral("Aufruf des Dialogs zur Druckereinrichtung"));

    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(orientation);
    orientationRow->addWidget(m_landscapePicture);
    orientationRow->addWidget(m_portraitPicture);
    orientationRow->addWidget(m_portraitText);
    orientationRow->addWidget(m_landscapeText);
    orientationRow->addStretch(1);
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(m_reuseCheck);
    choiceRow->addStretch(1);
    choiceRow->addWidget(m_choice);
    auto* printerLayout = new QVBoxLayout(printerGroup);
    printerLayout->addWidget(m_printerLabel);
    printerLayout->addLayout(orientationRow);
    printerLayout->addLayout(choiceRow);

    auto* presetGroup = new QGroupBox(QStringLiteral(" Druckvorgaben "), this);
    m_pages = new QComboBox(presetGroup);
    for (int p = 1; p <= pageCount; ++p)
        m_pages->addItem(QStringLiteral("Seite %1 drucken").arg(p));
    m_pages->setCurrentIndex(0);
    m_pages->setToolTip(QStringLiteral("Auswahl der zu druckenden Seite"));
    auto* copiesLabel = new QLabel(QStringLiteral("Anzahl &Kopien:"), presetGroup);
    m_copiesEdit = new QLineEdit(QStringLiteral("1"), presetGroup);
    m_copiesEdit->setMaxLength(3);
    m_copiesEdit->setMaximumWidth(m_copiesEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    m_copiesEdit->setToolTip(QStringLiteral("Anzahl der Kopien, die gedruckt werden sollen"));
    copiesLabel->setBuddy(m_copiesEdit);
    auto* presetLayout = new QGridLayout(presetGroup);
    presetLayout->addWidget(m_pages, 0, 0, 1, 3);
    presetLayout->addWidget(copiesLabel, 1, 0);
    presetLayout->addWidget(m_copiesEdit, 1, 1);
    presetLayout->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    m_ok->setToolTip(QStringLiteral("Dialog beenden und Dokument drucken"));
    m_cancel->setToolTip(QStringLiteral("Dialog abbrechen"));
    m_help->setToolTip(QStringLiteral("Aufruf der On-Line Hilfe"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addWidget(presetGroup);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgDrucken::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgDrucken::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
    connect(m_choice, &QPushButton::clicked, this, [this] {
        m_choiceRequested = true;
        reject();
    });
    Help::InstallHelpKey(this);
    m_pages->setFocus();
}

int CDlgDrucken::ParseCopies(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= kMinCopies && n <= kMaxCopies ? n : 0;
}

void CDlgDrucken::accept()
{
    const int copies = ParseCopies(m_copiesEdit->text());
    if (copies == 0) {
        Prompts::Show(this, QMessageBox::Warning,
                      QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(kMinCopies).arg(kMaxCopies));
        m_copiesEdit->setFocus();
        m_copiesEdit->selectAll();
        return;
    }
    m_page = m_pages->currentIndex() + 1;
    m_copies = copies;
    m_reuse = m_reuseCheck->isChecked();
    QDialog::accept();
}

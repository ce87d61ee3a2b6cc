#include "DlgDefaultTexte_EH.h"

#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "fields/KivEditWindow.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "view/EinheitspapierView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using PresetSettings::Text;

namespace {

CDlgDefaultTexte_EH::RunFunction& RunHook()
{
    static CDlgDefaultTexte_EH::RunFunction f;
    return f;
}

QLabel* Buddy(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CDlgDefaultTexte_EH::CDlgDefaultTexte_EH(const CSettingsStore& profile, const CRegeditManagment& library,
                                         CFieldDefinitions& definitions, QWidget* parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_library(library)
    , m_definitions(definitions)
{
    setWindowTitle(QStringLiteral("Voreinstellungen und Vorgabetexte (Einheitspapier)"));

    // Box 8: consignee.
    auto* consigneeGroup = new QGroupBox(QStringLiteral(" Feld 8: Empfänger"), this);
    m_consignee = new QPlainTextEdit(consigneeGroup);
    m_consignee->setLineWrapMode(QPlainTextEdit::NoWrap); // a line on screen is a stored line
    m_consignee->setTabChangesFocus(true);
    m_consignee->setToolTip(Text(272));
    {
        // Room for four lines of the stored length.
        const QFontMetrics fm(m_consignee->font());
        const int frame = 2 * (m_consignee->frameWidth() + int(m_consignee->document()->documentMargin()));
        m_consignee->setMinimumWidth(fm.averageCharWidth() * PresetSettings::kConsigneeLineLength + frame);
        m_consignee->setFixedHeight(fm.lineSpacing() * PresetSettings::kConsigneeLines + frame + 2);
    }
    m_consigneeNumber = new QLineEdit(consigneeGroup);
    m_consigneeNumber->setToolTip(Text(273));
    m_useConsignee = NewCheck(QStringLiteral("Vorgabetext benutzen"), 278);
    m_notOnPage2 = NewCheck(QStringLiteral("Auf Seite 2 nicht drucken"), 283);
    {
        auto* l = new QGridLayout(consigneeGroup);
        l->addWidget(m_consignee, 0, 0, 1, 2);
        l->addWidget(Buddy(QStringLiteral("Zollnummer"), m_consigneeNumber, consigneeGroup), 1, 0);
        l->addWidget(m_consigneeNumber, 1, 1);
        l->addWidget(m_useConsignee, 2, 0, 1, 2);
        l->addWidget(m_notOnPage2, 3, 0, 1, 2);
        l->setColumnStretch(1, 1);
        l->setRowStretch(4, 1); // the group is as tall as the three beside it; keep its rows together
    }

    // Box 14: declarant.
    auto* declarantGroup = new QGroupBox(QStringLiteral(" Feld 14: Anmelder/Vertreter "), this);
    m_role = new QComboBox(declarantGroup);
    m_role->addItems(PresetSettings::DeclarantRoleEntries());
    m_role->setToolTip(Text(276));
    m_declarantNumber = new QLineEdit(declarantGroup);
    m_declarantNumber->setToolTip(Text(274));
    m_useDeclarant = NewCheck(QStringLiteral("Vorgabetext benutzen"), 279);
    {
        auto* l = new QGridLayout(declarantGroup);
        l->addWidget(m_role, 0, 0, 1, 2);
        l->addWidget(Buddy(QStringLiteral("Zollnummer"), m_declarantNumber, declarantGroup), 1, 0);
        l->addWidget(m_declarantNumber, 1, 1);
        l->addWidget(m_useDeclarant, 2, 0, 1, 2);
        l->setColumnStretch(1, 1);
    }

    // Boxes 17b and 34b: federal states.
    auto stateGroup = [this](const QString& title, QComboBox*& list, int listTip, QCheckBox*& use, int useTip) {
        auto* group = new QGroupBox(title, this);
        list = new QComboBox(group);
        list->addItems(PresetSettings::FederalStateTexts());
        list->setToolTip(Text(listTip));
        use = NewCheck(QStringLiteral("Vorgabetext benutzen"), useTip);
        auto* l = new QVBoxLayout(group);
        l->addWidget(list);
        l->addWidget(use);
        return group;
    };
    QGroupBox* field17Group = stateGroup(QStringLiteral("Feld 17b: Bestimmungsland/Code "), m_field17, 275, m_useField17, 280);
    QGroupBox* field34Group = stateGroup(QStringLiteral("Feld 34b: Ursprungsland/Code "), m_field34, 277, m_useField34, 281);

    // Input conveniences and stamps.
    m_autoFill = NewCheck(QStringLiteral("Automatisches Ausfüllen von Feld 3, 5 und 32 erlauben"), 282);
    m_stampA = NewCheck(QStringLiteral("Stempel im Feld A"), 284);
    m_stampC = NewCheck(QStringLiteral("Stempel im Feld C"), 285);
    m_stampC2 = NewCheck(QStringLiteral("Stempel im Feld C (auf Ergänzungsblatt)"), 0);
    m_dateInStamp = NewCheck(QStringLiteral("Automatisch das aktuelle Datum im Stempel einsetzen"), 286);
    m_threeLine = NewCheck(QStringLiteral("Feld 2 und Feld 5 im Stempel dreizeilig."), 287);
    m_showXxx = NewCheck(QStringLiteral("XXX in unbenutzten Feldern anzeigen"), 0);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    m_ok->setToolTip(Text(290));
    m_cancel->setToolTip(Text(288));
    m_help->setToolTip(Text(289));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgDefaultTexte_EH::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgDefaultTexte_EH::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { Help::Open(this); });
    // The main window's F1 does not reach past a modal dialog.
    Help::InstallHelpKey(this);

    auto* grid = new QGridLayout;
    grid->addWidget(consigneeGroup, 0, 0, 3, 1);
    grid->addWidget(declarantGroup, 0, 1);
    grid->addWidget(field17Group, 1, 1);
    grid->addWidget(field34Group, 2, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    auto* switches = new QGridLayout;
    switches->addWidget(m_autoFill, 0, 0);
    switches->addWidget(m_threeLine, 1, 0);
    switches->addWidget(m_showXxx, 2, 0);
    switches->addWidget(m_dateInStamp, 3, 0);
    switches->addWidget(m_stampA, 0, 1);
    switches->addWidget(m_stampC, 1, 1);
    switches->addWidget(m_stampC2, 2, 1);
    switches->setColumnStretch(0, 3);
    switches->setColumnStretch(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(switches);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The tab order follows the form: box 8, box 14, 17b, 34b, switches, buttons.
    QWidget* order[] = {m_consignee, m_consigneeNumber, m_useConsignee, m_notOnPage2, m_role, m_declarantNumber,
                        m_useDeclarant, m_field17, m_useField17, m_field34, m_useField34, m_autoFill, m_threeLine,
                        m_showXxx, m_dateInStamp, m_stampA, m_stampC, m_stampC2, m_ok, m_cancel, m_help};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    SetValues(PresetSettings::Read(m_profile));
    m_consignee->setFocus();
}

QCheckBox* CDlgDefaultTexte_EH::NewCheck(const QString& text, int tipId)
{
    auto* box = new QCheckBox(text, this);
    if (tipId != 0)
        box->setToolTip(Text(tipId));
    return box;
}

SPresetValues CDlgDefaultTexte_EH::Values() const
{
    SPresetValues v;
    v.consignee = m_consignee->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    v.consigneeCustomsNumber = m_consigneeNumber->text();
    v.declarantRole = m_role->currentIndex();
    v.declarantCustomsNumber = m_declarantNumber->text();
    v.useConsignee = m_useConsignee->isChecked();
    v.notOnPage2 = m_notOnPage2->isChecked();
    v.useDeclarant = m_useDeclarant->isChecked();
    v.useField17 = m_useField17->isChecked();
    v.useField34 = m_useField34->isChecked();
    v.autoFill = m_autoFill->isChecked();
    v.stampA = m_stampA->isChecked();
    v.stampC = m_stampC->isChecked();
    v.stampC2 = m_stampC2->isChecked();
    v.dateInStamp = m_dateInStamp->isChecked();
    v.threeLineStamp = m_threeLine->isChecked();
    v.showXxx = m_showXxx->isChecked();
    v.field17State = m_field17->currentIndex();
    v.field34State = m_field34->currentIndex();
    return v;
}

void CDlgDefaultTexte_EH::SetValues(const SPresetValues& v)
{
    m_consignee->setPlainText(QString(v.consignee).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_consigneeNumber->setText(v.consigneeCustomsNumber);
    m_role->setCurrentIndex(v.declarantRole >= 0 && v.declarantRole < m_role->count() ? v.declarantRole : -1);
    m_declarantNumber->setText(v.declarantCustomsNumber);
    m_useConsignee->setChecked(v.useConsignee);
    m_notOnPage2->setChecked(v.notOnPage2);
    m_useDeclarant->setChecked(v.useDeclarant);
    m_useField17->setChecked(v.useField17);
    m_useField34->setChecked(v.useField34);
    m_autoFill->setChecked(v.autoFill);
    m_stampA->setChecked(v.stampA);
    m_stampC->setChecked(v.stampC);
    m_stampC2->setChecked(v.stampC2);
    m_dateInStamp->setChecked(v.dateInStamp);
    m_threeLine->setChecked(v.threeLineStamp);
    m_showXxx->setChecked(v.showXxx);
    m_field17->setCurrentIndex(v.field17State >= 0 && v.field17State < m_field17->count() ? v.field17State : -1);
    m_field34->setCurrentIndex(v.field34State >= 0 && v.field34State < m_field34->count() ? v.field34State : -1);
}

void CDlgDefaultTexte_EH::accept()
{
    const SPresetValues values = Values();
    QDialog::accept();
    m_stored = PresetSettings::Store(values, m_profile, m_library, m_definitions);
    if (m_stored)
        Prompts::Show(parentWidget(), QMessageBox::Information, Text(33));
    else
        Prompts::Show(parentWidget(), QMessageBox::Warning,
                      PresetSettings::NotStoredMessage({m_profile.FileName(), m_library.Root().FileName()}));
}

void CDlgDefaultTexte_EH::SetRunFunction(RunFunction f)
{
    RunHook() = std::move(f);
}

int CDlgDefaultTexte_EH::Run()
{
    return RunHook() ? RunHook()(*this) : exec();
}

void CDlgDefaultTexte_EH::ShowChangedFlags(CEinheitspapierView& view)
{
    view.ReadStampSettings();
    const int page = view.CurrentPage();
    if (view.Editor() && !view.Navigator().IsEditable(view.Engine().GetCurrentField(), page))
        view.Navigator().NextField(page);
    view.viewport()->update();
}

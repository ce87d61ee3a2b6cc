#include "Common_DlgMargin02.h"

#include "Common_DlgMargin02_Page.h"
#include "PrintCalibration.h"
#include "app/SettingsStore.h"
#include "platform/Help.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

Common_DlgMargin02::RunFunction& RunHook()
{
    static Common_DlgMargin02::RunFunction f;
    return f;
}

} // namespace

Common_DlgMargin02::Common_DlgMargin02(const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_apply = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::ApplyRole);
    m_ok->setDefault(true);
    // Nothing to take over until a page has been changed.
    m_apply->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < PageCount(); ++i)
            Page(i)->SetModified(false);
        m_apply->setEnabled(false);
    });
    connect(m_tabs, &QTabWidget::currentChanged, this, &Common_DlgMargin02::PageChanged);
    Help::InstallHelpKey(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

Common_DlgMargin02_Page* Common_DlgMargin02::AddPage(const QString& title, float horizontal, float vertical)
{
    if (PageCount() >= kMaxPages)
        return nullptr;
    auto* page = new Common_DlgMargin02_Page(title, m_tabs);
    page->SetHorizontal(horizontal);
    page->SetVertical(vertical);
    connect(page, &Common_DlgMargin02_Page::Modified, this, [this] { m_apply->setEnabled(true); });
    m_tabs->addTab(page, title); // the first page added becomes current and takes the state
    return page;
}

int Common_DlgMargin02::PageCount() const
{
    return m_tabs->count();
}

Common_DlgMargin02_Page* Common_DlgMargin02::Page(int index) const
{
    return qobject_cast<Common_DlgMargin02_Page*>(m_tabs->widget(index));
}

void Common_DlgMargin02::SetChecked(bool checked)
{
    m_checked = checked;
    if (Common_DlgMargin02_Page* page = Page(m_tabs->currentIndex()))
        page->SetChecked(checked);
}

void Common_DlgMargin02::PageChanged(int index)
{
    if (Common_DlgMargin02_Page* left = Page(m_current))
        m_checked = left->Checked();
    m_current = index;
    if (Common_DlgMargin02_Page* shown = Page(index))
        shown->SetChecked(m_checked);
}

void Common_DlgMargin02::accept()
{
    if (Common_DlgMargin02_Page* page = Page(m_tabs->currentIndex()))
        m_checked = page->Checked();
    QDialog::accept();
}

void Common_DlgMargin02::SetRunFunction(RunFunction f)
{
    RunHook() = std::move(f);
}

int Common_DlgMargin02::Run()
{
    return RunHook() ? RunHook()(*this) : exec();
}

int Common_DlgMargin02::RunMargins(const CSettingsStore& profile, QWidget* parent)
{
    using namespace PrintCalibration;
    const SMargins stored = ReadMargins(profile);
    Common_DlgMargin02 sheet(QStringLiteral("Ränder bei Ausdruck (Einheitspapier T2L)"), parent);
    sheet.SetChecked(stored.dontShow);
    Common_DlgMargin02_Page* first = sheet.AddPage(QStringLiteral("  Einheitspapier T2L"), stored.left, stored.top);
    Common_DlgMargin02_Page* second =
        sheet.AddPage(QStringLiteral("  Ergänzungsblätter T2L"), stored.left2, stored.top2);
    if (sheet.Run() != QDialog::Accepted)
        return QDialog::Rejected;
    SMargins m;
    m.left = first->Horizontal();
    m.top = first->Vertical();
    m.left2 = second->Horizontal();
    m.top2 = second->Vertical();
    m.dontShow = sheet.Checked();
    StoreMargins(profile, m);
    return QDialog::Accepted;
}

#include "DlgEH_Default08.h"

#include "platform/Help.h"
#include "platform/Prompts.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Adressdaten");
const QString kEditText = QStringLiteral("Bearbeiten");
const QString kNewText = QStringLiteral("Neuer Datensatz");
const QString kTakeOverText = QStringLiteral("Übernehmen");
const QString kSaveText = QStringLiteral("Speichern");
const QString kCancelText = QStringLiteral("Abbrechen");
const QString kCustomsLabel = QStringLiteral("Zollnummer:");
const QString kRecreateQuestion = QStringLiteral("Soll die Datenbankdatei neu erstellt werden?");

const QString kTipList = QStringLiteral("Auflistung aller gespeicherten Datensätze");
const QString kTipAddress = QStringLiteral("Hier können Sie die Daten editieren");
const QString kTipCustoms = QStringLiteral("Eingebe der Zollnummer des Empfängers");
const QString kTipEdit = QStringLiteral("Ausgewählten Datensatz editieren");
const QString kTipNew = QStringLiteral("Neuen Datensat erstellen");
const QString kTipOk = QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden");
const QString kTipCancel = QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern");

constexpr int kRecordRole = Qt::UserRole;

// The list sorts itself in the address table's order.
class CAddressItem : public QListWidgetItem
{
public:
    CAddressItem(const QString& text, quint32 record)
        : QListWidgetItem(text)
        , m_key(CAddressTable::ListKey(text))
    {
        setData(kRecordRole, record);
    }
    bool operator<(const QListWidgetItem& other) const override
    {
        // The key is made once; comparing texts again at every step of a sort
        // of tens of thousands of addresses is what makes a list slow.
        const auto* o = dynamic_cast<const CAddressItem*>(&other);
        if (!o)
            return CAddressTable::ListLess(text(), other.text());
        const int order = m_key.compare(o->m_key);
        return order != 0 ? order < 0 : text() < other.text();
    }

private:
    QCollatorSortKey m_key;
};

// Typing stops at the edit's length; a longer stored number is still shown
// whole (and may not grow), so nothing of it is lost unseen.
class CLengthValidator : public QValidator
{
public:
    CLengthValidator(const int& length, QObject* parent)
        : QValidator(parent)
        , m_length(length)
    {
    }
    State validate(QString& input, int&) const override { return input.size() <= m_length ? Acceptable : Invalid; }

private:
    const int& m_length;
};

QString TrimmedRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

CDlgEH_Default08::CDlgEH_Default08(const CSettingsStore& profile, const QString& dataDirectory, QWidget* parent)
    : QDialog(parent)
    , m_table(CAddressTable::TablePath(profile, dataDirectory), dataDirectory)
    , m_list(new QListWidget(this))
    , m_addressEdit(new QPlainTextEdit(this))
    , m_customsEdit(new QLineEdit(this))
    , m_editButton(new QPushButton(kEditText, this))
    , m_newButton(new QPushButton(kNewText, this))
    , m_okButton(new QPushButton(kTakeOverText, this))
    , m_cancelButton(new QPushButton(kCancelText, this))
{
    setWindowTitle(kTitle);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(true);
    m_addressEdit->setTabChangesFocus(true);
    m_addressEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_customsEdit->setValidator(new CLengthValidator(m_customsLength, m_customsEdit));
    m_okButton->setDefault(true);
    m_okButton->setAutoDefault(true);
    for (QPushButton* b : {m_editButton, m_newButton, m_cancelButton})
        b->setAutoDefault(false);

    // Four address lines of the usual length fit without scrolling, and the
    // list shows names of that length whole.
    const QFontMetrics metrics(m_addressEdit->font());
    const int charWidth = metrics.averageCharWidth();
    m_addressEdit->setMinimumSize(charWidth * 42, metrics.lineSpacing() * 6 + 2 * m_addressEdit->frameWidth());
    m_list->setMinimumWidth(charWidth * 34);

    auto* label = new QLabel(kCustomsLabel, this);
    label->setBuddy(m_customsEdit);
    auto* customsRow = new QHBoxLayout;
    customsRow->addWidget(label);
    customsRow->addWidget(m_customsEdit, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_addressEdit, 1);
    right->addLayout(customsRow);
    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 4);
    top->addLayout(right, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_newButton);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    m_list->setToolTip(kTipList);
    m_addressEdit->setToolTip(kTipAddress);
    m_customsEdit->setToolTip(kTipCustoms);
    m_editButton->setToolTip(kTipEdit);
    m_newButton->setToolTip(kTipNew);
    m_okButton->setToolTip(kTipOk);
    m_cancelButton->setToolTip(kTipCancel);

    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    m_addressEdit->installEventFilter(this);
    m_customsEdit->installEventFilter(this);

    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && !m_editing)
            ShowRecord(item->data(kRecordRole).toUInt());
    });
    connect(m_editButton, &QPushButton::clicked, this, &CDlgEH_Default08::OnEdit);
    connect(m_newButton, &QPushButton::clicked, this, &CDlgEH_Default08::OnNew);
    connect(m_okButton, &QPushButton::clicked, this, &CDlgEH_Default08::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &CDlgEH_Default08::reject);
    Help::InstallHelpKey(this);
    SetEditing(false);
}

bool CDlgEH_Default08::OpenTable()
{
    if (!m_table.Open()) {
        Prompts::Show(this, QMessageBox::Warning, m_table.ErrorText());
        if (Prompts::Ask(this, QMessageBox::Question, kRecreateQuestion, QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Yes)
            != QMessageBox::Yes)
            return false;
        if (!m_table.Create()) {
            Prompts::Show(this, QMessageBox::Warning, m_table.ErrorText());
            return false;
        }
    }
    FillList();
    SelectRow(StartRow());
    m_list->setFocus();
    return true;
}

int CDlgEH_Default08::StartRow() const
{
    // The field's current address leads to its own entry, so F2 on a filled
    // box shows where it came from instead of the first entry of the list.
    const QString first = CAddressTable::SplitLines(m_addressText).first().trimmed();
    if (first.isEmpty())
        return 0;
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row)
        texts.append(m_list->item(row)->text());
    return qMax(0, CAddressTable::FindPrefix(texts, first));
}

void CDlgEH_Default08::CloseTable()
{
    m_table.Close();
    m_addressText = TrimmedRight(m_addressText);
}

CDlgEH_Default08::EResult CDlgEH_Default08::Run()
{
    if (!OpenTable())
        return EResult::kAbort;
    const int result = exec();
    CloseTable();
    return result == QDialog::Accepted ? EResult::kTakeOver : EResult::kCancel;
}

void CDlgEH_Default08::FillList()
{
    m_list->clear();
    // Sorted once after filling, not at every insertion.
    m_list->setSortingEnabled(false);
    for (const CAddressTable::SEntry& entry : m_table.Entries())
        m_list->addItem(new CAddressItem(entry.text, entry.record));
    m_list->sortItems(Qt::AscendingOrder);
    m_list->setSortingEnabled(true);
}

void CDlgEH_Default08::SelectRow(int row)
{
    if (row < 0 || row >= m_list->count())
        return;
    m_list->setCurrentRow(row);
    ShowRecord(m_list->item(row)->data(kRecordRole).toUInt());
}

void CDlgEH_Default08::ShowRecord(quint32 record)
{
    const CAddressTable::SAddress address = m_table.Read(record);
    m_addressEdit->setPlainText(QString(address.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    SetCustomsText(address.customsNumber);
}

void CDlgEH_Default08::SetCustomsText(const QString& text)
{
    m_customsLength = qMax<int>(CAddressTable::kCustomsInputLength, int(text.size()));
    m_customsEdit->setText(text);
}

quint32 CDlgEH_Default08::SelectedRecord() const
{
    const QList<QListWidgetItem*> items = m_list->selectedItems();
    return items.isEmpty() ? 0 : items.first()->data(kRecordRole).toUInt();
}

void CDlgEH_Default08::SetEditing(bool editing)
{
    m_editing = editing;
    m_okButton->setText(editing ? kSaveText : kTakeOverText);
    m_editButton->setVisible(!editing);
    m_newButton->setVisible(!editing);
    m_addressEdit->setReadOnly(!editing);
    m_customsEdit->setReadOnly(!editing);
    if (editing)
        m_addressEdit->setFocus();
    else if (isVisible())
        m_list->setFocus();
}

QString CDlgEH_Default08::EditedAddress() const
{
    return m_addressEdit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void CDlgEH_Default08::OnEdit()
{
    if (!m_editing)
        SetEditing(true);
}

void CDlgEH_Default08::OnNew()
{
    if (m_editing)
        return;
    m_newEntry = true;
    SetEditing(true);
    m_list->clearSelection();
    m_addressEdit->clear();
    SetCustomsText(QString());
}

bool CDlgEH_Default08::SaveEdits()
{
    const QString text = EditedAddress();
    const QString customs = m_customsEdit->text();
    const QString tooLong = CAddressTable::CheckLines(text);
    if (!tooLong.isEmpty()) {
        Prompts::Show(this, QMessageBox::Warning, tooLong);
        return false;
    }
    // A number longer than the edit takes is still saved, after the reminder.
    const QString customsMessage = CAddressTable::CheckCustomsNumber(customs);
    if (!customsMessage.isEmpty())
        Prompts::Show(this, QMessageBox::Warning, customsMessage);

    const bool newEntry = m_newEntry || SelectedRecord() == 0;
    const quint32 record = newEntry ? m_table.Table().RecordCount() + 1 : SelectedRecord();
    const CAddressTable::ESaveResult result = m_table.Save(record, text, customs, newEntry);
    if (result == CAddressTable::ESaveResult::kFailed || result == CAddressTable::ESaveResult::kTooLong) {
        Prompts::Show(this, QMessageBox::Warning, m_table.WriteFailedText());
        return false;
    }
    m_newEntry = false;
    SetEditing(false);
    if (result == CAddressTable::ESaveResult::kNothingToSave) {
        SelectRow(0);
        return true;
    }
    const QString first = CAddressTable::SplitLines(text).first();
    if (newEntry) {
        FillList();
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row)
            texts.append(m_list->item(row)->text());
        SelectRow(qMax(0, CAddressTable::FindPrefix(texts, first)));
    } else {
        delete m_list->takeItem(m_list->row(m_list->selectedItems().first()));
        auto* item = new CAddressItem(first, record);
        m_list->addItem(item);
        m_list->setCurrentItem(item);
        ShowRecord(record);
    }
    return true;
}

void CDlgEH_Default08::accept()
{
    if (m_editing) {
        SaveEdits();
        return;
    }
    const QString customs = m_customsEdit->text();
    const QString customsMessage = CAddressTable::CheckCustomsNumber(customs);
    if (!customsMessage.isEmpty()) {
        Prompts::Show(this, QMessageBox::Warning, customsMessage);
        m_customsEdit->setFocus();
        return;
    }
    m_addressText = TrimmedRight(EditedAddress());
    m_customsNumber = customs;
    QDialog::accept();
}

void CDlgEH_Default08::reject()
{
    if (!m_editing) {
        QDialog::reject();
        return;
    }
    const bool wasNew = m_newEntry;
    m_newEntry = false;
    SetEditing(false);
    if (wasNew || SelectedRecord() == 0)
        SelectRow(0);
    else
        ShowRecord(SelectedRecord());
}

bool CDlgEH_Default08::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // Browsing keeps the focus in the list, editing keeps it in the edits.
        if (!m_editing && (watched == m_addressEdit || watched == m_customsEdit)) {
            m_list->setFocus();
            return false;
        }
        if (m_editing && watched == m_list) {
            m_addressEdit->setFocus();
            return false;
        }
    }
    // While editing, a click in the list must not replace the text being edited.
    if (m_editing && watched == m_list->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick
            || event->type() == QEvent::MouseButtonRelease))
        return true;
    return QDialog::eventFilter(watched, event);
}

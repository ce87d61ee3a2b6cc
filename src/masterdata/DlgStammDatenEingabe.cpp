#include "DlgStammDatenEingabe.h"

#include "platform/Help.h"
#include "platform/Prompts.h"
#include "presets/Common_DlgBundeslaenderCode.h"
#include "presets/Common_DlgLaenderCode.h"
#include "presets/CountryCodes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QValidator>
#include <QVBoxLayout>

using Store = CVelmoraStammDaten;

namespace {

constexpr int kSortKeyRole = Qt::UserRole + 1;

const QString kCaption = QStringLiteral("Stammdateneingabe");
const QString kSelectionCaption = QStringLiteral("Stammdatenauswahl");
const QString kEditText = QStringLiteral("Editieren");
const QString kSaveText = QStringLiteral("Speichern");

// Sorted alphabetically as a dictionary does, whatever the machine's locale.
class CSortedItem : public QListWidgetItem
{
public:
    CSortedItem(const QString& text, int entry)
        : QListWidgetItem(text)
    {
        setData(Qt::UserRole, entry);
        setData(kSortKeyRole, CountryCodes::SortKey(text));
    }
    bool operator<(const QListWidgetItem& other) const override
    {
        const int c = data(kSortKeyRole).toString().compare(other.data(kSortKeyRole).toString());
        return c != 0 ? c < 0 : text() < other.text();
    }
};

// Refuses typing beyond the limit but keeps a longer stored value as it is,
// so showing an entry never cuts it.
class CLimitValidator : public QValidator
{
public:
    CLimitValidator(int limit, QObject* parent)
        : QValidator(parent)
        , m_limit(limit)
    {
    }
    State validate(QString& input, int&) const override { return input.size() > m_limit ? Invalid : Acceptable; }

private:
    int m_limit;
};

QString ToCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString FromCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString TrimmedRight(QString text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    text.truncate(n);
    return text;
}

QListWidgetItem* ItemOfEntry(const QListWidget* list, int entry)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toInt() == entry)
            return list->item(row);
    }
    return nullptr;
}

} // namespace

CDlgStammDatenEingabe::ECodeList CDlgStammDatenEingabe::CodeListFor(int focusKind)
{
    switch (focusKind) {
    case kFocusLand1: return ECodeList::kCountries;
    case kFocusLand2: return ECodeList::kFederalStates;
    default: return ECodeList::kNone;
    }
}

CDlgStammDatenEingabe::CDlgStammDatenEingabe(const CSettingsStore& profile, const QString& dataDirectory,
                                             bool selectionMode, QWidget* parent)
    : QDialog(parent)
    , m_store(dataDirectory)
    , m_selectionMode(selectionMode)
    , m_descriptionList(new QListWidget(this))
    , m_numberList(new QListWidget(this))
    , m_inputFrame(new QGroupBox(QStringLiteral(" Eingabe "), this))
    , m_description(new QPlainTextEdit(this))
    , m_presets(new QPushButton(QStringLiteral("Vorgaben"), this))
    , m_new(new QPushButton(QStringLiteral("Neuer Datensatz"), this))
    , m_edit(new QPushButton(kEditText, this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Abbruch"), this))
    , m_help(new QPushButton(QStringLiteral("Hilfe"), this))
{
    setWindowTitle(kCaption);
    for (int k = 0; k < int(m_edits.size()); ++k) {
        m_edits[k] = new QLineEdit(this);
        m_edits[k]->setValidator(new CLimitValidator(kEditLimits[k + 1], m_edits[k]));
    }
    QLineEdit* land1 = ValueEdit(Store::kLAND1);
    QLineEdit* land2 = ValueEdit(Store::kLAND2);

    // --- layout
    auto* selection = new QGroupBox(QStringLiteral(" Auswahl "), this);
    auto* selectionLayout = new QVBoxLayout(selection);
    selectionLayout->addWidget(new QLabel(QStringLiteral("31 Zeichen und Nummern - Container Nr. - Anzahl und Art"), this));
    selectionLayout->addWidget(m_descriptionList, 3);
    selectionLayout->addWidget(new QLabel(QStringLiteral("33 Warennummer"), this));
    selectionLayout->addWidget(m_numberList, 2);

    const QFontMetrics metrics(font());
    m_description->setTabChangesFocus(true);
    m_description->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_description->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('M')) * 30);
    auto* numbers = new QHBoxLayout;
    for (int k = Store::kWNR1; k <= Store::kWNR5; ++k) {
        QLineEdit* e = ValueEdit(k);
        e->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * (kEditLimits[k] + 2) + 12);
        numbers->addWidget(e);
    }
    numbers->addStretch(1);
    auto* origin = new QHBoxLayout;
    origin->addWidget(new QLabel(QStringLiteral("34 Ursprungsland Code"), this));
    for (QLineEdit* e : {land1, land2}) {
        e->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('W')) * 4 + 12);
        origin->addWidget(e);
    }
    origin->addWidget(m_presets);
    origin->addStretch(1);
    auto* inputLayout = new QVBoxLayout(m_inputFrame);
    inputLayout->addWidget(m_description, 1);
    inputLayout->addLayout(numbers);
    inputLayout->addLayout(origin);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_edit);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto* top = new QHBoxLayout;
    top->addWidget(selection, 1);
    top->addWidget(m_inputFrame, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    for (QPushButton* b : {m_presets, m_new, m_edit, m_cancel, m_help})
        b->setAutoDefault(false);
    resize(760, 440);

    // --- tooltips
    m_descriptionList->setToolTip(QStringLiteral("Datensatzauswahl nach Bezeichnung"));
    m_numberList->setToolTip(QStringLiteral("Datensatzauswahl nach Warennummer"));
    m_description->setToolTip(QStringLiteral("Eingabe des Textes für Feld 31"));
    for (int k = Store::kWNR1; k <= Store::kWNR5; ++k)
        ValueEdit(k)->setToolTip(QStringLiteral("Eingabe der Warennummer (Feld 33)"));
    land1->setToolTip(QStringLiteral("Eingabe des Ursprungslandes (Feld 34)"));
    land2->setToolTip(QStringLiteral("Eingabe des Ursprungslandes (Feld 34)"));
    m_presets->setToolTip(QStringLiteral("Dialog für Ursprungsland öffnen (auch mit F2 möglich)"));
    m_new->setToolTip(QStringLiteral("Neuen Datensatz erstellen"));
    m_edit->setToolTip(QStringLiteral("Ausgewählen Datensatz editieren"));
    m_ok->setToolTip(QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden"));
    m_cancel->setToolTip(QStringLiteral("Dialog abbrechen"));
    m_help->setToolTip(QStringLiteral("Aufruf der On-Line Hilfe"));

    // --- behaviour
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        // The limit counts a line break as CR LF, as the table stores it.
        if (ToCrLf(m_description->toPlainText()).size() <= kEditLimits[Store::kWBESCH1])
            return;
        const QSignalBlocker block(m_description);
        QTextCursor cursor = m_description->textCursor();
        while (ToCrLf(m_description->toPlainText()).size() > kEditLimits[Store::kWBESCH1]) {
            if (cursor.atStart())
                cursor.movePosition(QTextCursor::End);
            cursor.deletePreviousChar();
        }
        m_description->setTextCursor(cursor);
    });
    connect(m_descriptionList, &QListWidget::itemSelectionChanged, this, [this] { ShowSelectedEntry(); });
    connect(m_numberList, &QListWidget::itemSelectionChanged, this, [this] {
        const int entry = SelectedEntry(m_numberList);
        if (entry < 0)
            return;
        SelectEntryIn(m_descriptionList, entry);
        ShowEntry(entry);
    });
    for (QListWidget* list : {m_descriptionList, m_numberList}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(true);
        connect(list, &QListWidget::itemDoubleClicked, this, [this] {
            if (m_selectionMode)
                accept();
            else if (!m_editing)
                OnEditOrSave();
        });
    }
    connect(m_new, &QPushButton::clicked, this, &CDlgStammDatenEingabe::OnNewEntry);
    connect(m_edit, &QPushButton::clicked, this, &CDlgStammDatenEingabe::OnEditOrSave);
    connect(m_presets, &QPushButton::clicked, this, &CDlgStammDatenEingabe::OnPresets);
    connect(m_ok, &QPushButton::clicked, this, &CDlgStammDatenEingabe::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgStammDatenEingabe::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { Help::Open(this); });
    Help::InstallHelpKey(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    // --- the table
    const Store::SLocation location = Store::LocationFromSettings(profile);
    m_store.SetLocation(location.directory, location.fileName, location.layout);
    if (m_store.LoadEntries() < 0)
        Prompts::Show(parent, QMessageBox::Warning, m_store.ErrorText());

    if (m_selectionMode) {
        setWindowTitle(kSelectionCaption);
        m_ok->setText(QStringLiteral("Übernehmen"));
        m_inputFrame->setTitle(QStringLiteral(" Inhalt "));
        m_presets->hide();
        m_new->hide();
        m_edit->hide();
    }
    m_presets->setEnabled(false);
    if (m_store.EntryCount() == 0) {
        m_newEntry = true;
        SetEditing(true);
    } else {
        FillLists();
        SetEditing(false);
        if (m_descriptionList->count() > 0)
            m_descriptionList->setCurrentRow(0);
        ShowSelectedEntry();
    }
}

int CDlgStammDatenEingabe::SelectedEntry(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : items.first()->data(Qt::UserRole).toInt();
}

void CDlgStammDatenEingabe::FillLists()
{
    // One sort at the end, not one insertion in order per line.
    m_descriptionList->setSortingEnabled(false);
    m_numberList->setSortingEnabled(false);
    for (int e = 0; e < m_store.EntryCount(); ++e)
        AddListLines(e);
    for (QListWidget* list : {m_descriptionList, m_numberList}) {
        list->setSortingEnabled(true);
        list->sortItems();
    }
}

void CDlgStammDatenEingabe::AddListLines(int entry)
{
    m_descriptionList->addItem(new CSortedItem(Store::DescriptionListText(m_store.Value(entry, Store::kWBESCH1)), entry));
    m_numberList->addItem(new CSortedItem(Store::GoodsNumberText(m_store.Entry(entry)), entry));
}

void CDlgStammDatenEingabe::SetEditing(bool editing)
{
    m_editing = editing;
    m_descriptionList->setEnabled(!editing);
    m_numberList->setEnabled(!editing);
    m_new->setEnabled(!editing);
    m_ok->setEnabled(!editing);
    // Editing needs an entry to edit.
    m_edit->setEnabled(editing || SelectedEntry(m_descriptionList) >= 0);
    m_description->setEnabled(editing);
    for (QLineEdit* e : m_edits)
        e->setEnabled(editing);
    m_edit->setText(editing ? kSaveText : kEditText);
    if (editing) {
        m_description->setFocus();
        SetFocusKind(kFocusDescription);
    } else {
        m_descriptionList->setFocus();
        SetFocusKind(kFocusDescriptionList);
    }
}

void CDlgStammDatenEingabe::SelectEntryIn(QListWidget* list, int entry)
{
    const QSignalBlocker block(list);
    QListWidgetItem* item = ItemOfEntry(list, entry);
    if (item) {
        list->setCurrentItem(item);
        list->scrollToItem(item);
    } else {
        list->clearSelection();
    }
}

void CDlgStammDatenEingabe::ShowSelectedEntry()
{
    const int entry = SelectedEntry(m_descriptionList);
    if (entry < 0 || !ItemOfEntry(m_numberList, entry)) {
        if (entry < 0) {
            m_description->clear();
            for (QLineEdit* e : m_edits)
                e->clear();
        }
        if (!m_editing)
            m_edit->setEnabled(false);
        return;
    }
    ShowEntry(entry);
    SelectEntryIn(m_numberList, entry);
    if (!m_editing)
        m_edit->setEnabled(true);
}

void CDlgStammDatenEingabe::ShowEntry(int entry)
{
    m_description->setPlainText(FromCrLf(m_store.Value(entry, Store::kWBESCH1)));
    for (int k = Store::kWNR1; k < Store::kValueCount; ++k)
        ValueEdit(k)->setText(m_store.Value(entry, k));
}

bool CDlgStammDatenEingabe::ReadEdits(Store::SValues& values)
{
    values[Store::kWBESCH1] = ToCrLf(m_description->toPlainText());
    for (int k = Store::kWNR1; k < Store::kValueCount; ++k)
        values[k] = ValueEdit(k)->text();
    for (int k = 0; k < Store::kValueCount; ++k) {
        if (values[k].size() > kEditLimits[k]) {
            Prompts::Show(this, QMessageBox::Warning, QStringLiteral("Geben Sie höchstens %1 Zeichen ein.").arg(kEditLimits[k]));
            if (k == Store::kWBESCH1)
                m_description->setFocus();
            else
                ValueEdit(k)->setFocus();
            return false;
        }
    }
    return true;
}

void CDlgStammDatenEingabe::OnNewEntry()
{
    if (m_editing)
        return;
    m_newEntry = true;
    SetEditing(true);
    m_numberList->clearSelection();
    m_description->clear();
    for (QLineEdit* e : m_edits)
        e->clear();
}

void CDlgStammDatenEingabe::OnEditOrSave()
{
    if (!m_editing) {
        if (SelectedEntry(m_descriptionList) >= 0)
            SetEditing(true);
        return;
    }
    SaveEdits();
}

void CDlgStammDatenEingabe::SaveEdits()
{
    Store::SValues values;
    ReadEdits(values); // a stored value beyond the edit limit still fits its field
    const QString tooLong = m_store.CheckFits(values);
    if (!tooLong.isEmpty()) {
        Prompts::Show(this, QMessageBox::Warning, tooLong);
        return;
    }
    int entry = -1;
    if (m_newEntry) {
        entry = m_store.AppendEntry(values);
    } else {
        entry = SelectedEntry(m_descriptionList);
        if (entry < 0)
            return;
        m_store.SetEntry(entry, values);
        delete ItemOfEntry(m_descriptionList, entry);
        delete ItemOfEntry(m_numberList, entry);
    }
    if (m_store.SaveEntries() < 0)
        Prompts::Show(this, QMessageBox::Warning,
                      QStringLiteral("Die Stammdaten konnten nicht gespeichert werden.\n%1").arg(m_store.ErrorText()));
    {
        const QSignalBlocker a(m_descriptionList);
        const QSignalBlocker b(m_numberList);
        AddListLines(entry);
    }
    m_newEntry = false;
    SetEditing(false);
    SelectEntryIn(m_descriptionList, entry);
    ShowSelectedEntry();
}

void CDlgStammDatenEingabe::accept()
{
    if (m_editing)
        return;
    if (m_store.SaveEntries() < 0)
        Prompts::Show(this, QMessageBox::Warning,
                      QStringLiteral("Die Stammdaten konnten nicht gespeichert werden.\n%1").arg(m_store.ErrorText()));
    Store::SValues values;
    if (!ReadEdits(values))
        return;
    m_values = values;
    m_values[Store::kWBESCH1] = TrimmedRight(m_values[Store::kWBESCH1]);
    QDialog::accept();
}

void CDlgStammDatenEingabe::reject()
{
    if (!m_editing) {
        QDialog::reject();
        return;
    }
    // Leaving a new entry unsaved ends it: a later "Speichern" of an
    // existing entry must replace that entry, not add one.
    m_newEntry = false;
    SetEditing(false);
    ShowSelectedEntry();
}

void CDlgStammDatenEingabe::SetFocusKind(int kind)
{
    m_focusKind = kind;
    m_codeListAllowed = CodeListFor(kind) != ECodeList::kNone;
    m_presets->setEnabled(m_codeListAllowed);
}

void CDlgStammDatenEingabe::OnPresets()
{
    if (!m_codeListAllowed || !m_editing)
        return;
    QLineEdit* target = nullptr;
    switch (CodeListFor(m_focusKind)) {
    case ECodeList::kCountries: {
        target = ValueEdit(Store::kLAND1);
        Common_DlgLaenderCode dialog(0, QString(), target->text(), this);
        if (dialog.exec() == QDialog::Accepted)
            target->setText(dialog.CountryCode());
        break;
    }
    case ECodeList::kFederalStates: {
        target = ValueEdit(Store::kLAND2);
        Common_DlgBundeslaenderCode dialog(target->text(), QString(), this);
        if (dialog.exec() == QDialog::Accepted)
            target->setText(dialog.StateCode());
        break;
    }
    case ECodeList::kNone: return;
    }
    target->setFocus();
}

bool CDlgStammDatenEingabe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2
        && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        // F2 belongs to the dialog wherever the focus is; it only acts in the origin edits.
        OnPresets();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_descriptionList)
            SetFocusKind(kFocusDescriptionList);
        else if (watched == m_numberList)
            SetFocusKind(kFocusNumberList);
        else if (watched == m_description)
            SetFocusKind(kFocusDescription);
        else if (watched == ValueEdit(Store::kLAND1))
            SetFocusKind(kFocusLand1);
        else if (watched == ValueEdit(Store::kLAND2))
            SetFocusKind(kFocusLand2);
        else {
            for (int k = Store::kWNR1; k <= Store::kWNR5; ++k) {
                if (watched == ValueEdit(k))
                    SetFocusKind(kFocusNumber);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

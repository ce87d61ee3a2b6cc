#pragma once

#include "AddressTable.h"

#include <QDialog>

class CSettingsStore;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Adressdaten": lists the address table, shows, edits and adds addresses,
// and hands one address with its customs number to the form.
class CDlgEH_Default08 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 356;
    enum class EResult { kTakeOver, kCancel, kAbort };

    CDlgEH_Default08(const CSettingsStore& profile, const QString& dataDirectory, QWidget* parent = nullptr);

    // Opens (or, when the user agrees, creates) the table, runs the dialog
    // modally and closes the table again.
    EResult Run();
    // The address the field holds; the list starts on the entry it begins with.
    void SetStartAddress(const QString& text) { m_addressText = text; }
    // The first half of Run: false when there is no table to show; the
    // reasons have been shown already.
    bool OpenTable();
    // The second half of Run, after the dialog has ended.
    void CloseTable();

    // After take-over: the address (lines joined by CR LF, no trailing white
    // space) and the customs number.
    const QString& AddressText() const { return m_addressText; }
    const QString& CustomsNumber() const { return m_customsNumber; }
    bool IsEditing() const { return m_editing; }
    const QString& TablePath() const { return m_table.Path(); }

    QListWidget* List() const { return m_list; }
    QPlainTextEdit* AddressEdit() const { return m_addressEdit; }
    QLineEdit* CustomsEdit() const { return m_customsEdit; }
    QPushButton* EditButton() const { return m_editButton; }
    QPushButton* NewButton() const { return m_newButton; }
    QPushButton* OkButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

public Q_SLOTS:
    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList();
    int StartRow() const;
    void SelectRow(int row);
    void ShowRecord(quint32 record);
    void SetCustomsText(const QString& text);
    quint32 SelectedRecord() const;
    void SetEditing(bool editing);
    QString EditedAddress() const;
    void OnEdit();
    void OnNew();
    // false: the edit state stays, the user's input with it.
    bool SaveEdits();

    CAddressTable m_table;
    QString m_addressText;
    QString m_customsNumber;
    bool m_editing = false;
    bool m_newEntry = false;
    int m_customsLength = CAddressTable::kCustomsInputLength; // what typing may reach
    QListWidget* m_list;
    QPlainTextEdit* m_addressEdit;
    QLineEdit* m_customsEdit;
    QPushButton* m_editButton;
    QPushButton* m_newButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};

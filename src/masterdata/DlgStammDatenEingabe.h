#pragma once

#include "VelmoraStammDaten.h"

#include <QDialog>

#include <array>

class CSettingsStore;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

// Goods master data: two sorted lists to pick an entry (by description and
// by goods number), edits for its eight values, and buttons to edit, add and
// save entries. Maintenance mode keeps the table; selection mode hands the
// chosen entry's values to the form.
class CDlgStammDatenEingabe : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 346;

    // Which control has the focus; decides what "Vorgaben" and F2 open.
    enum EFocusKind : int {
        kFocusNone = 0,
        kFocusDescriptionList = 1,
        kFocusNumberList = 2,
        kFocusDescription = 3,
        kFocusNumber = 4,
        kFocusLand1 = 5,
        kFocusLand2 = 6,
    };
    // The code list "Vorgaben" opens for a focus kind.
    enum class ECodeList { kNone, kCountries, kFederalStates };
    static ECodeList CodeListFor(int focusKind);

    // Edit limits of the eight values, in value order.
    static constexpr std::array<int, CVelmoraStammDaten::kValueCount> kEditLimits = {253, 8, 2, 3, 3, 1, 2, 2};

    // Loads the goods table the settings name. Selection mode: caption
    // "Stammdatenauswahl" and "Übernehmen", no editing.
    CDlgStammDatenEingabe(const CSettingsStore& profile, const QString& dataDirectory, bool selectionMode,
                          QWidget* parent = nullptr);

    // After OK the eight values shown, the description without trailing white space.
    const CVelmoraStammDaten::SValues& Values() const { return m_values; }
    const QString& Description() const { return m_values[CVelmoraStammDaten::kWBESCH1]; }

    const CVelmoraStammDaten& Store() const { return m_store; }
    bool IsEditing() const { return m_editing; }
    bool IsNewEntry() const { return m_newEntry; }
    int FocusKind() const { return m_focusKind; }
    bool CodeListAllowed() const { return m_codeListAllowed; }

    QListWidget* DescriptionList() const { return m_descriptionList; }
    QListWidget* NumberList() const { return m_numberList; }
    QPlainTextEdit* DescriptionEdit() const { return m_description; }
    // WNR1 to WNR5, LAND1, LAND2 for values 1 to 7.
    QLineEdit* ValueEdit(int value) const { return m_edits.at(value - 1); }
    QGroupBox* InputFrame() const { return m_inputFrame; }
    QPushButton* PresetsButton() const { return m_presets; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;
    void reject() override;
    // "Editieren" / "Speichern".
    void OnEditOrSave();
    void OnNewEntry();
    // "Vorgaben" and F2: the code list of the focused origin edit.
    void OnPresets();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillLists();
    void AddListLines(int entry);
    void SetEditing(bool editing);
    void ShowSelectedEntry();
    void ShowEntry(int entry);
    void SelectEntryIn(QListWidget* list, int entry);
    // The edit texts; shows the length message once for the first value
    // beyond its edit limit and reports whether all are within.
    bool ReadEdits(CVelmoraStammDaten::SValues& values);
    void SaveEdits();
    void SetFocusKind(int kind);
    static int SelectedEntry(const QListWidget* list);

    CVelmoraStammDaten m_store;
    CVelmoraStammDaten::SValues m_values;
    bool m_selectionMode;
    bool m_newEntry = false;
    bool m_editing = false;
    int m_focusKind = kFocusNone;
    bool m_codeListAllowed = false;

    QListWidget* m_descriptionList;
    QListWidget* m_numberList;
    QGroupBox* m_inputFrame;
    QPlainTextEdit* m_description;
    std::array<QLineEdit*, CVelmoraStammDaten::kValueCount - 1> m_edits {};
    QPushButton* m_presets;
    QPushButton* m_new;
    QPushButton* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

#pragma once

#include "PresetSettings.h"
#include "app/SettingsStore.h"

#include <QDialog>

#include <functional>

class CEinheitspapierView;
class CFieldDefinitions;
class CRegeditManagment;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The presets for new documents and the stamp switches. Shows what the
// profile holds; OK stores it, rewrites the stamp flags and saves them.
class CDlgDefaultTexte_EH : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 353;

    CDlgDefaultTexte_EH(const CSettingsStore& profile, const CRegeditManagment& library, CFieldDefinitions& definitions,
                        QWidget* parent = nullptr);

    // What the controls hold / put values into the controls.
    SPresetValues Values() const;
    void SetValues(const SPresetValues& values);
    // Whether OK got every value into the settings.
    bool Stored() const { return m_stored; }

    // The modal run; tests put in their own so that nothing waits for a
    // click. Null brings back exec().
    using RunFunction = std::function<int(QDialog& dialog)>;
    static void SetRunFunction(RunFunction f);
    int Run();

    // After OK: an open form shows the stamp boxes as they now are, and its
    // caret leaves a box that can no longer be edited.
    static void ShowChangedFlags(CEinheitspapierView& view);

    QPlainTextEdit* ConsigneeEdit() const { return m_consignee; }
    QLineEdit* ConsigneeNumberEdit() const { return m_consigneeNumber; }
    QComboBox* RoleList() const { return m_role; }
    QLineEdit* DeclarantNumberEdit() const { return m_declarantNumber; }
    QComboBox* Field17List() const { return m_field17; }
    QComboBox* Field34List() const { return m_field34; }
    QCheckBox* UseConsigneeBox() const { return m_useConsignee; }
    QCheckBox* NotOnPage2Box() const { return m_notOnPage2; }
    QCheckBox* UseDeclarantBox() const { return m_useDeclarant; }
    QCheckBox* UseField17Box() const { return m_useField17; }
    QCheckBox* UseField34Box() const { return m_useField34; }
    QCheckBox* AutoFillBox() const { return m_autoFill; }
    QCheckBox* StampABox() const { return m_stampA; }
    QCheckBox* StampCBox() const { return m_stampC; }
    QCheckBox* StampC2Box() const { return m_stampC2; }
    QCheckBox* DateInStampBox() const { return m_dateInStamp; }
    QCheckBox* ThreeLineBox() const { return m_threeLine; }
    QCheckBox* ShowXxxBox() const { return m_showXxx; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;

private:
    QCheckBox* NewCheck(const QString& text, int tipId);

    const CSettingsStore m_profile; // a copy: callers often hand a temporary
    const CRegeditManagment& m_library;
    CFieldDefinitions& m_definitions;
    QPlainTextEdit* m_consignee;
    QLineEdit* m_consigneeNumber;
    QComboBox* m_role;
    QLineEdit* m_declarantNumber;
    QComboBox* m_field17;
    QComboBox* m_field34;
    QCheckBox* m_useConsignee;
    QCheckBox* m_notOnPage2;
    QCheckBox* m_useDeclarant;
    QCheckBox* m_useField17;
    QCheckBox* m_useField34;
    QCheckBox* m_autoFill;
    QCheckBox* m_stampA;
    QCheckBox* m_stampC;
    QCheckBox* m_stampC2;
    QCheckBox* m_dateInStamp;
    QCheckBox* m_threeLine;
    QCheckBox* m_showXxx;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    bool m_stored = false;
};

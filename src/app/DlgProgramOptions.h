#pragma once

#include "ProgramOptions.h"
#include "SettingsStore.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Programmeinstellungen": where the two master data tables live, their
// creation as empty tables, and the paper format check before printing.
class CDlgProgramOptions : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 347;

    CDlgProgramOptions(const CSettingsStore& profile, QString dataDirectory, QWidget* parent = nullptr);

    bool AddressInitRequested() const { return m_addressInit; }
    bool GoodsInitRequested() const { return m_goodsInit; }
    // Which status picture a row shows: the table will be created / not.
    bool AddressYesShown() const;
    bool AddressNoShown() const;
    bool GoodsYesShown() const;
    bool GoodsNoShown() const;

    QLineEdit* AddressEdit() const { return m_addressEdit; }
    QLineEdit* GoodsEdit() const { return m_goodsEdit; }
    QPushButton* BrowseButton() const { return m_browse; }
    QPushButton* AddressInitButton() const { return m_addressInitButton; }
    QPushButton* GoodsInitButton() const { return m_goodsInitButton; }
    QCheckBox* PaperCheckBox() const { return m_paperCheck; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;

private:
    void OnBrowse();
    // Asks the row's question and shows the answer.
    bool AskInit(int textId, QLabel* yes, QLabel* no);

    const CSettingsStore m_profile; // a copy: callers often hand a temporary
    const QString m_dataDirectory;
    QLineEdit* m_addressEdit;
    QLineEdit* m_goodsEdit;
    QPushButton* m_browse;
    QPushButton* m_addressInitButton;
    QPushButton* m_goodsInitButton;
    QLabel* m_addressYes;
    QLabel* m_addressNo;
    QLabel* m_goodsYes;
    QLabel* m_goodsNo;
    QCheckBox* m_paperCheck;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    bool m_addressInit = false;
    bool m_goodsInit = false;
};

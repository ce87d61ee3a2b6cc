#pragma once

#include <QDialog>

#include <functional>

class CSettingsStore;
class QLabel;
class QPushButton;
class QSpinBox;

// "Schriftgrößen für Druck": the print fonts as a percentage of their
// configured heights. A second row exists for another form kind; it stays
// hidden at 100 and is not stored.
class CDlgPrinterFontSize : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 376;

    explicit CDlgPrinterFontSize(int percentage, QWidget* parent = nullptr);

    // The percentage; valid after OK.
    int Percentage() const { return m_percentage; }

    QSpinBox* PercentageBox() const { return m_box; }
    QSpinBox* SecondBox() const { return m_second; }
    QLabel* SecondLabel() const { return m_secondLabel; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

    // The modal run; tests put in their own. Null brings back exec().
    using RunFunction = std::function<int(QDialog& dialog)>;
    static void SetRunFunction(RunFunction f);
    int Run();

    // Shows PrinterFontFactor; OK stores it. QDialog::Accepted or Rejected.
    static int RunFontSize(const CSettingsStore& profile, QWidget* parent);

public Q_SLOTS:
    // Checks both rows; a wrong value keeps the dialog open with a message.
    void accept() override;

private:
    int m_percentage;
    QSpinBox* m_box;
    QSpinBox* m_second;
    QLabel* m_secondLabel;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

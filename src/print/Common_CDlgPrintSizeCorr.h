#pragma once

#include <QDialog>

#include <functional>

class CSettingsStore;
class QLabel;
class QLineEdit;
class QPushButton;

// "Druckbereich-Korrektur": stretches or shrinks the printed layout by a
// percentage, vertically and horizontally. OK takes numbers with a decimal
// point between 97 and 103 and stores them in tenths of a percent.
class Common_CDlgPrintSizeCorr : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 21146;
    static constexpr int kVerticalId = 21147;
    static constexpr int kHorizontalId = 21148;

    // languageIndex 1 shows the English texts.
    Common_CDlgPrintSizeCorr(const CSettingsStore& profile, int languageIndex, QWidget* parent = nullptr);

    // The values in percent; valid after OK.
    float Vertical() const { return m_vertical; }
    float Horizontal() const { return m_horizontal; }

    QLineEdit* VerticalEdit() const { return m_verticalEdit; }
    QLineEdit* HorizontalEdit() const { return m_horizontalEdit; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // The modal run; tests put in their own. Null brings back exec().
    using RunFunction = std::function<int(QDialog& dialog)>;
    static void SetRunFunction(RunFunction f);
    int Run();

    // Shows the stored correction; OK stores it. QDialog::Accepted or Rejected.
    static int RunCorrection(const CSettingsStore& profile, int languageIndex, QWidget* parent);

public Q_SLOTS:
    // Checks both values; a wrong one keeps the dialog open with a message.
    void accept() override;

private:
    bool Take(QLineEdit* edit, float& value);

    float m_vertical;
    float m_horizontal;
    QLineEdit* m_verticalEdit;
    QLineEdit* m_horizontalEdit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Formular bedrucken": the printer in use, the page to print and the
// number of copies. "Druckerauswahl" ends the dialog like a cancel and
// asks the caller for the printer setup.
class CDlgDrucken : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 344;
    static constexpr int kMinCopies = 1;
    static constexpr int kMaxCopies = 9;

    CDlgDrucken(int pageCount, const QString& printerName, bool portrait, bool reusePrinter, QWidget* parent = nullptr);

    // After OK: the page (1 based), the copies and the check box.
    int Page() const { return m_page; }
    int Copies() const { return m_copies; }
    bool ReusePrinter() const { return m_reuse; }
    const QString& PrinterName() const { return m_printerName; }
    // The dialog was left through "Druckerauswahl".
    bool PrinterChoiceRequested() const { return m_choiceRequested; }

    // The copies a text stands for; 0 when it is not a whole number in range.
    static int ParseCopies(const QString& text);

    QComboBox* PageList() const { return m_pages; }
    QLineEdit* CopiesEdit() const { return m_copiesEdit; }
    QCheckBox* ReuseCheck() const { return m_reuseCheck; }
    QPushButton* ChoiceButton() const { return m_choice; }
    QPushButton* OkButton() const { return m_ok; }
    QLabel* PrinterLabel() const { return m_printerLabel; }
    QLabel* PortraitPicture() const { return m_portraitPicture; }
    QLabel* LandscapePicture() const { return m_landscapePicture; }

public Q_SLOTS:
    void accept() override;

private:
    QString m_printerName;
    QLabel* m_printerLabel;
    QLabel* m_landscapePicture; // 1011
    QLabel* m_portraitPicture;  // 1012
    QLabel* m_portraitText;     // 1013
    QLabel* m_landscapeText;    // 1014
    QCheckBox* m_reuseCheck;
    QPushButton* m_choice;
    QComboBox* m_pages;
    QLineEdit* m_copiesEdit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    int m_page = 1;
    int m_copies = 1;
    bool m_reuse = false;
    bool m_choiceRequested = false;
};

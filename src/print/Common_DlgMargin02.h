#pragma once

#include <QDialog>

#include <functional>

class CSettingsStore;
class Common_DlgMargin02_Page;
class QPushButton;
class QTabWidget;

// The margins of the print-out, one page per sheet kind, with the one
// "do not show before printing" state that all pages share.
class Common_DlgMargin02 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kCaptionId = 21115;
    static constexpr int kMaxPages = 6;

    explicit Common_DlgMargin02(const QString& caption, QWidget* parent = nullptr);

    // Null when the sheet holds its six pages already.
    Common_DlgMargin02_Page* AddPage(const QString& title, float horizontal, float vertical);
    int PageCount() const;
    Common_DlgMargin02_Page* Page(int index) const;

    // The shared check state; the page on show takes it when it is shown and
    // gives it back when it is left and on OK.
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);

    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ApplyButton() const { return m_apply; }

    // The modal run; tests put in their own so that nothing waits for a
    // click. Null brings back exec().
    using RunFunction = std::function<int(QDialog& dialog)>;
    static void SetRunFunction(RunFunction f);
    int Run();

    // The margins of page 1 and of the continuation sheets from the profile;
    // OK stores them and the check state, Cancel nothing. QDialog::Accepted
    // or Rejected.
    static int RunMargins(const CSettingsStore& profile, QWidget* parent);

public Q_SLOTS:
    void accept() override;

private:
    void PageChanged(int index);

    QTabWidget* m_tabs;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_apply;
    int m_current = -1;
    bool m_checked = false;
};

#pragma once

#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QLineEdit;

// One sheet kind's print margins: a horizontal and a vertical shift in mm,
// moved in 0.5 mm steps by four arrow buttons, with their descriptions, and
// the "do not show before printing" check box that all pages share through
// their sheet.
class Common_DlgMargin02_Page : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 21114;

    explicit Common_DlgMargin02_Page(const QString& title, QWidget* parent = nullptr);

    const QString& Title() const { return m_title; }

    // Positive moves the text to the right / down.
    float Horizontal() const { return m_horizontal; }
    float Vertical() const { return m_vertical; }
    void SetHorizontal(float h);
    void SetVertical(float v);

    bool Checked() const;
    void SetChecked(bool checked);

    // Set by every change the user makes; the sheet's "Übernehmen" clears it.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);

    QAbstractButton* LeftButton() const { return m_left; }
    QAbstractButton* RightButton() const { return m_right; }
    QAbstractButton* UpButton() const { return m_up; }
    QAbstractButton* DownButton() const { return m_down; }
    QLineEdit* HorizontalEdit() const { return m_horizontalText; }
    QLineEdit* VerticalEdit() const { return m_verticalText; }
    QCheckBox* DontShowBox() const { return m_dontShow; }

Q_SIGNALS:
    void Modified();

private:
    void ShowDescriptions();
    void Changed();

    QString m_title;
    float m_horizontal = 0;
    float m_vertical = 0;
    bool m_modified = false;
    QAbstractButton* m_left;
    QAbstractButton* m_right;
    QAbstractButton* m_up;
    QAbstractButton* m_down;
    QLineEdit* m_horizontalText;
    QLineEdit* m_verticalText;
    QCheckBox* m_dontShow;
};

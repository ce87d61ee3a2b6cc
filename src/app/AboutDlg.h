#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

// The about box: program and version, the maker, its web page, "Systeminfo".
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    CAboutDlg(const QString& versionString, QWidget* parent = nullptr);

    QPushButton* WebButton() const { return m_web; }
    QPushButton* SystemInfoButton() const { return m_systemInfo; }
    bool WebPageRequested() const { return m_webRequested; }
    // What "Systeminfo" opens (modally); the box closes after it. Without
    // one the button stays disabled.
    void SetSystemInfoFunction(std::function<void(QWidget* parent)> f);

private:
    QPushButton* m_web;
    QPushButton* m_systemInfo;
    bool m_webRequested = false;
    std::function<void(QWidget*)> m_systemInfoFunction;
};

#pragma once

#include <QMainWindow>

class QMdiArea;

// The main window: documents as tabs.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return m_mdiArea; }
    void AddDocumentWindow(QWidget* window, const QString& title);

private:
    QMdiArea* m_mdiArea;
};

#include "MainFrame.h"

#include "AppConstants.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
    , m_mdiArea(new QMdiArea(this))
{
    setWindowTitle(AppConstants::kApplicationTitle);
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setDocumentMode(true);
    m_mdiArea->setTabsClosable(true);
    setCentralWidget(m_mdiArea);
    statusBar()->showMessage(QStringLiteral("Bereit"));
}

void CMainFrame::AddDocumentWindow(QWidget* window, const QString& title)
{
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(title);
    sub->showMaximized();
}

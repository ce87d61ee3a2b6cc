#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class CChildFrame;
class CEinheitspapierView;
class CVelmoraImportApp;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

// The main window: documents as tabs, the menus of the active state, the
// toolbar, the status bar with its two panes, and the routing of commands
// to the active view, its document window, this frame and the application.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kMaxUserToolbars = 10;

    explicit CMainFrame(CVelmoraImportApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CChildFrame* ActiveChild() const;
    CEinheitspapierView* ActiveView() const;
    QList<CChildFrame*> Children() const;
    void AddChild(CChildFrame* child);

    QAction* Action(int id) const { return m_actions.value(id, nullptr); }
    // Runs a command where it belongs: view, document window, frame, application.
    void RouteCommand(int id);
    // Brings every command's enabled, checked and text state up to date.
    void UpdateCommands();
    // The menu bar shown: 128 without a document, 130 with one.
    int CurrentMenuId() const { return m_menuId; }
    void SetStatusPaneText(int pane, const QString& text);
    QString StatusPaneText(int pane) const;

    QToolBar* StandardToolbar() const { return m_toolbar; }
    QList<QToolBar*> UserToolbars() const { return m_userToolbars; }
    // A new toolbar of the user's with the given commands; null beyond ten.
    QToolBar* AddUserToolbar(const QString& title, const QList<int>& commands);
    void RemoveUserToolbar(QToolBar* bar);

    // What a drop onto the window does: every local file in it is opened.
    void OpenDroppedFiles(const class QMimeData* data);

    void RestoreWorkspace();
    void SaveWorkspace();
    // Close the window without questions and without storing anything.
    void CloseForReset();

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void CreateActions();
    void BuildMenuBar(int menuId);
    void BuildToolbar();
    void OnActiveChildChanged();
    void UpdateStatusPanes();
    bool HandleFrameCommand(int id);
    void ShowWindowList();
    void ShowCustomizeDialog();
    static QList<int> ToolbarCommands(const QToolBar* bar);

    CVelmoraImportApp& m_app;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolbar = nullptr;
    QList<QToolBar*> m_userToolbars;
    QLabel* m_pagePane;
    QLabel* m_modePane;
    QHash<int, QAction*> m_actions;
    QPointer<CChildFrame> m_currentChild;
    int m_menuId = 0;
    bool m_resetting = false;
};

#include "MainFrame.h"

#include "AppConstants.h"
#include "ChildFrame.h"
#include "CommandTable.h"
#include "FrameCommands.h"
#include "MenuTable.h"
#include "StartUp.h"
#include "VelmoraImportApp.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldEditor.h"
#include "view/EinheitspapierView.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kWorkspace = QStringLiteral("Workspace");

QString IconPath(int id)
{
    return QStringLiteral(":/toolbar/%1.svg").arg(id);
}

} // namespace

CMainFrame::CMainFrame(CVelmoraImportApp& app, QWidget* parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_mdiArea(new QMdiArea(this))
    , m_pagePane(new QLabel(this))
    , m_modePane(new QLabel(this))
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(AppConstants::kApplicationTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setAcceptDrops(true);

    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setDocumentMode(true);
    m_mdiArea->setTabsClosable(true);
    m_mdiArea->setTabsMovable(true);
    m_mdiArea->setTabShape(QTabWidget::Rounded);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // The MDI area forgets its active window whenever the main window loses
        // the focus; the commands still belong to the document last active.
        if (auto* child = qobject_cast<CChildFrame*>(sub); child && !child->IsClosing())
            m_currentChild = child;
        OnActiveChildChanged();
    });

    CreateActions();
    BuildToolbar();
    BuildMenuBar(128);

    // Pane 0 is the message line; panes 1 and 2 belong to the form view.
    m_pagePane->setMinimumWidth(200);
    m_modePane->setMinimumWidth(80);
    m_pagePane->setFrameShape(QFrame::StyledPanel);
    m_modePane->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(m_pagePane, 2);
    statusBar()->addPermanentWidget(m_modePane, 1);
    statusBar()->showMessage(QStringLiteral("Bereit"));
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
    // The document windows go while this frame still exists to hear of it.
    m_mdiArea->disconnect(this);
    for (CChildFrame* c : Children()) {
        c->disconnect(this);
        delete c;
    }
}

void CMainFrame::CreateActions()
{
    QList<const SCommand*> commands;
    for (const SCommand& c : CommandTable::All())
        commands.append(&c);
    for (const SCommand* c : commands) {
        auto* a = new QAction(c->menuText, this);
        a->setShortcuts(c->keys);
        // The main window is the program's one window: its keys apply wherever the focus is in it.
        a->setShortcutContext(Qt::ApplicationShortcut);
        a->setStatusTip(c->statusTip);
        a->setToolTip(c->toolTip.isEmpty() ? QString(c->menuText).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0)
                                           : c->toolTip);
        if (QFile::exists(IconPath(c->id)))
            a->setIcon(QIcon(IconPath(c->id)));
        a->setData(c->id);
        const int id = c->id;
        connect(a, &QAction::triggered, this, [this, id] { RouteCommand(id); });
        addAction(a); // keys work whatever menu is shown
        m_actions.insert(id, a);
    }
    QList<QKeySequence> keys;
    for (const SCommand* c : commands)
        keys += c->keys;
    CFieldEditor::SetReservedKeys(keys);
    for (int i = 0; i < 8; ++i) {
        auto* a = new QAction(this);
        const int id = Cmd::kRecentFile1 + i;
        connect(a, &QAction::triggered, this, [this, i] { m_app.OpenRecentFile(i); });
        m_actions.insert(id, a);
    }
}

void CMainFrame::BuildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Standard"));
    m_toolbar->setObjectName(QStringLiteral("Standard"));
    m_toolbar->setIconSize(QSize(16, 16));
    for (int id : MenuTable::ToolbarButtons()) {
        if (id == 0)
            m_toolbar->addSeparator();
        else if (QAction* a = Action(id))
            m_toolbar->addAction(a);
    }
    m_toolbar->addSeparator();
    m_toolbar->addAction(Action(Cmd::kCustomize));
}

void CMainFrame::BuildMenuBar(int menuId)
{
    if (m_menuId == menuId)
        return;
    m_menuId = menuId;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (const MenuTable::SMenu& m : MenuTable::Menus(menuId)) {
        QMenu* menu = bar->addMenu(m.title);
        for (int id : m.entries) {
            if (id == 0) {
                menu->addSeparator();
            } else if (id == MenuTable::kRecentFiles) {
                // Filled when the menu opens, from the current list.
                connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                    const QStringList recent = m_app.RecentFiles();
                    for (int i = 0; i < 8; ++i) {
                        QAction* a = Action(Cmd::kRecentFile1 + i);
                        a->setVisible(i < recent.size());
                        if (i < recent.size())
                            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(StartUp::AbbreviatePath(recent.at(i))));
                    }
                });
                for (int i = 0; i < 8; ++i)
                    menu->addAction(Action(Cmd::kRecentFile1 + i));
                menu->addSeparator();
            } else if (id == MenuTable::kToolbarsSubmenu) {
                QMenu* sub = menu->addMenu(QStringLiteral("&Symbolleisten und Andockfenster"));
                connect(sub, &QMenu::aboutToShow, this, [this, sub] {
                    sub->clear();
                    sub->addAction(m_toolbar->toggleViewAction());
                    for (QToolBar* t : m_userToolbars)
                        sub->addAction(t->toggleViewAction());
                    sub->addSeparator();
                    sub->addAction(Action(Cmd::kCustomize));
                });
            } else if (QAction* a = Action(id)) {
                menu->addAction(a);
            }
        }
    }
    // The window list sits at the right of the menus while documents are open.
    if (menuId == 130) {
        QMenu* windows = bar->addMenu(QStringLiteral("&Fenster"));
        windows->addAction(Action(Cmd::kWindowList));
    }
}

CChildFrame* CMainFrame::ActiveChild() const
{
    if (m_currentChild && !m_currentChild->IsClosing())
        return m_currentChild;
    const QList<CChildFrame*> children = Children();
    return children.isEmpty() ? nullptr : children.last();
}

CEinheitspapierView* CMainFrame::ActiveView() const
{
    CChildFrame* c = ActiveChild();
    return c ? &c->View() : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const
{
    QList<CChildFrame*> list;
    for (QMdiSubWindow* s : m_mdiArea->subWindowList())
        if (auto* c = qobject_cast<CChildFrame*>(s); c && !c->IsClosing())
            list.append(c);
    return list;
}

void CMainFrame::AddChild(CChildFrame* child)
{
    m_mdiArea->addSubWindow(child);
    connect(child, &CChildFrame::StateChanged, this, [this] {
        UpdateStatusPanes();
        UpdateCommands();
    });
    connect(child, &CChildFrame::Closing, this, [this] { OnActiveChildChanged(); });
    child->showMaximized();
    m_mdiArea->setActiveSubWindow(child);
    m_currentChild = child;
    OnActiveChildChanged();
}

void CMainFrame::OnActiveChildChanged()
{
    const bool hasDocument = !Children().isEmpty();
    BuildMenuBar(hasDocument ? 130 : 128);
    if (CEinheitspapierView* v = ActiveView())
        m_app.SetCurrentFormVariant(int(v->Document().FormVariant()));
    UpdateStatusPanes();
    UpdateCommands();
}

void CMainFrame::UpdateStatusPanes()
{
    CEinheitspapierView* v = ActiveView();
    SetStatusPaneText(1, v ? v->PageText() : QString());
    SetStatusPaneText(2, v ? v->InsertModeText() : QString());
}

void CMainFrame::SetStatusPaneText(int pane, const QString& text)
{
    if (pane == 1)
        m_pagePane->setText(text);
    else if (pane == 2)
        m_modePane->setText(text);
    else
        statusBar()->showMessage(text);
}

QString CMainFrame::StatusPaneText(int pane) const
{
    if (pane == 1)
        return m_pagePane->text();
    if (pane == 2)
        return m_modePane->text();
    return statusBar()->currentMessage();
}

void CMainFrame::RouteCommand(int id)
{
    CEinheitspapierView* view = ActiveView();
    if (view && view->HandlesCommand(id))
        view->ExecuteCommand(id);
    else if (CChildFrame* child = ActiveChild(); child && id == Cmd::kSave)
        child->Save();
    else if (child && id == Cmd::kSaveAs)
        child->SaveAs();
    else if (child && id == Cmd::kClose)
        child->close();
    else if (!HandleFrameCommand(id))
        m_app.ExecuteCommand(id);
    UpdateStatusPanes();
    UpdateCommands();
}

bool CMainFrame::HandleFrameCommand(int id)
{
    switch (id) {
    case Cmd::kExit: close(); return true;
    case Cmd::kStatusBar: statusBar()->setVisible(!statusBar()->isVisible()); return true;
    case Cmd::kCustomize: ShowCustomizeDialog(); return true;
    case Cmd::kWindowList: ShowWindowList(); return true;
    case Cmd::kNextPane: m_mdiArea->activateNextSubWindow(); return true;
    case Cmd::kPreviousPane: m_mdiArea->activatePreviousSubWindow(); return true;
    default: return false;
    }
}

void CMainFrame::UpdateCommands()
{
    CEinheitspapierView* view = ActiveView();
    CChildFrame* child = ActiveChild();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        QAction* a = it.value();
        if (id >= Cmd::kRecentFile1 && id < Cmd::kRecentFile1 + 8)
            continue;
        SCommandState s;
        if (view && view->HandlesCommand(id)) {
            s = view->UpdateCommand(id);
        } else if (id == Cmd::kSave || id == Cmd::kSaveAs || id == Cmd::kClose || id == Cmd::kNextPane
                   || id == Cmd::kPreviousPane || id == Cmd::kWindowList) {
            s.enabled = child != nullptr;
        } else if (id == Cmd::kStatusBar) {
            s.checked = statusBar()->isVisible();
        } else if (id == Cmd::kExit || id == Cmd::kCustomize) {
            s.enabled = true;
        } else if (CommandTable::IsViewCommand(id)) {
            s.enabled = false; // needs a form
        } else {
            s = m_app.UpdateCommand(id);
        }
        a->setEnabled(s.enabled);
        a->setCheckable(s.checked || id == Cmd::kStatusBar || id == Cmd::kFontBold || id == Cmd::kAlignLeft
                        || id == Cmd::kAlignCentre || id == Cmd::kAlignRight);
        a->setChecked(s.checked);
        if (!s.text.isEmpty())
            a->setText(s.text);
    }
}

QList<int> CMainFrame::ToolbarCommands(const QToolBar* bar)
{
    QList<int> ids;
    for (QAction* a : bar->actions())
        ids.append(a->isSeparator() ? 0 : a->data().toInt());
    return ids;
}

QToolBar* CMainFrame::AddUserToolbar(const QString& title, const QList<int>& commands)
{
    if (m_userToolbars.size() >= kMaxUserToolbars)
        return nullptr;
    // Window ids 59432 to 59441 name the user's toolbars.
    int number = 59432;
    auto taken = [this](const QString& name) {
        for (QToolBar* t : m_userToolbars)
            if (t->objectName() == name)
                return true;
        return false;
    };
    while (taken(QStringLiteral("UserToolbar%1").arg(number)))
        ++number;
    QToolBar* bar = addToolBar(title);
    bar->setObjectName(QStringLiteral("UserToolbar%1").arg(number));
    bar->setIconSize(QSize(16, 16));
    for (int id : commands) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction* a = Action(id))
            bar->addAction(a);
    }
    bar->addSeparator();
    bar->addAction(Action(Cmd::kCustomize));
    m_userToolbars.append(bar);
    return bar;
}

void CMainFrame::RemoveUserToolbar(QToolBar* bar)
{
    if (m_userToolbars.removeOne(bar)) {
        removeToolBar(bar);
        bar->deleteLater();
    }
}

void CMainFrame::RestoreWorkspace()
{
    const CSettingsStore& p = m_app.Profile();
    const int count = qBound(0, p.ReadInt(kWorkspace, QStringLiteral("UserToolbars"), 0), kMaxUserToolbars);
    for (int i = 0; i < count; ++i) {
        const QString title = p.ReadString(kWorkspace, QStringLiteral("UserToolbar%1Title").arg(i), QString());
        QList<int> ids;
        const QStringList parts = p.ReadString(kWorkspace, QStringLiteral("UserToolbar%1").arg(i), QString()).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            const int id = part.toInt();
            if (id == 0 || (Action(id) && id != Cmd::kCustomize))
                ids.append(id);
        }
        while (!ids.isEmpty() && ids.last() == 0)
            ids.removeLast();
        AddUserToolbar(title.isEmpty() ? QStringLiteral("Benutzerdefiniert %1").arg(i + 1) : title, ids);
    }
    restoreGeometry(p.ReadBytes(kWorkspace, QStringLiteral("Geometry")));
    restoreState(p.ReadBytes(kWorkspace, QStringLiteral("State")));
    statusBar()->setVisible(p.ReadInt(kWorkspace, QStringLiteral("StatusBar"), 1) != 0);
}

void CMainFrame::SaveWorkspace()
{
    const CSettingsStore& p = m_app.Profile();
    p.DeleteSection(kWorkspace);
    p.WriteBytes(kWorkspace, QStringLiteral("Geometry"), saveGeometry());
    p.WriteBytes(kWorkspace, QStringLiteral("State"), saveState());
    p.WriteInt(kWorkspace, QStringLiteral("StatusBar"), statusBar()->isVisible() ? 1 : 0);
    p.WriteInt(kWorkspace, QStringLiteral("UserToolbars"), int(m_userToolbars.size()));
    for (int i = 0; i < m_userToolbars.size(); ++i) {
        QStringList ids;
        QList<int> commands = ToolbarCommands(m_userToolbars.at(i));
        // The customise button and the separator before it are added anew.
        if (!commands.isEmpty() && commands.last() == Cmd::kCustomize)
            commands.removeLast();
        for (int id : commands)
            ids.append(QString::number(id));
        p.WriteString(kWorkspace, QStringLiteral("UserToolbar%1").arg(i), ids.join(QLatin1Char(',')));
        p.WriteString(kWorkspace, QStringLiteral("UserToolbar%1Title").arg(i), m_userToolbars.at(i)->windowTitle());
    }
}

void CMainFrame::CloseForReset()
{
    m_resetting = true;
    for (CChildFrame* c : Children())
        c->CloseWithoutAsking();
    close();
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    if (!m_resetting) {
        for (CChildFrame* c : Children()) {
            m_mdiArea->setActiveSubWindow(c);
            if (!c->SaveModified()) {
                e->ignore();
                return;
            }
        }
        for (CChildFrame* c : Children())
            c->CloseWithoutAsking();
    }
    m_app.OnMainFrameClosing();
    if (!m_app.RegistryCleared())
        SaveWorkspace();
    e->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* e)
{
    OpenDroppedFiles(e->mimeData());
    e->acceptProposedAction();
}

void CMainFrame::OpenDroppedFiles(const QMimeData* data)
{
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            m_app.OpenDocument(url.toLocalFile());
}

void CMainFrame::ShowWindowList()
{
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Fenster"));
    auto* list = new QListWidget(&dialog);
    const QList<CChildFrame*> children = Children();
    for (CChildFrame* c : children)
        list->addItem(c->Title());
    if (CChildFrame* active = ActiveChild())
        list->setCurrentRow(int(children.indexOf(active)));
    auto* activate = new QPushButton(QStringLiteral("&Aktivieren"), &dialog);
    auto* closeButton = new QPushButton(QStringLiteral("Fenster &schließen"), &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    auto* layout = new QHBoxLayout(&dialog);
    auto* right = new QVBoxLayout;
    layout->addWidget(list);
    right->addWidget(activate);
    right->addWidget(closeButton);
    right->addStretch();
    right->addWidget(buttons);
    layout->addLayout(right);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto activateRow = [&] {
        const int row = list->currentRow();
        if (row >= 0 && row < children.size())
            m_mdiArea->setActiveSubWindow(children.at(row));
        dialog.accept();
    };
    connect(activate, &QPushButton::clicked, &dialog, activateRow);
    connect(list, &QListWidget::itemDoubleClicked, &dialog, activateRow);
    connect(closeButton, &QPushButton::clicked, &dialog, [&] {
        const int row = list->currentRow();
        if (row >= 0 && row < children.size())
            children.at(row)->close();
        dialog.accept();
    });
    dialog.exec();
}

void CMainFrame::ShowCustomizeDialog()
{
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Anpassen"));
    auto* toolbars = new QListWidget(&dialog);
    auto* commands = new QListWidget(&dialog);
    auto* buttons = new QListWidget(&dialog);
    auto refreshToolbars = [&] {
        toolbars->clear();
        toolbars->addItem(m_toolbar->windowTitle());
        for (QToolBar* t : m_userToolbars)
            toolbars->addItem(t->windowTitle());
        toolbars->setCurrentRow(toolbars->count() - 1);
    };
    auto currentBar = [&]() -> QToolBar* {
        const int row = toolbars->currentRow();
        if (row <= 0)
            return row == 0 ? m_toolbar : nullptr;
        return row - 1 < m_userToolbars.size() ? m_userToolbars.at(row - 1) : nullptr;
    };
    auto refreshButtons = [&] {
        buttons->clear();
        if (QToolBar* bar = currentBar())
            for (QAction* a : bar->actions())
                buttons->addItem(a->isSeparator() ? QStringLiteral("――――") : QString(a->text()).remove(QLatin1Char('&')));
    };
    for (const SCommand& c : CommandTable::All()) {
        auto* item = new QListWidgetItem(QIcon(IconPath(c.id)), QString(c.menuText).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
        item->setData(Qt::UserRole, c.id);
        commands->addItem(item);
    }
    auto* newBar = new QPushButton(QStringLiteral("&Neue Symbolleiste..."), &dialog);
    auto* deleteBar = new QPushButton(QStringLiteral("Symbolleiste &löschen"), &dialog);
    auto* add = new QPushButton(QStringLiteral("&Hinzufügen →"), &dialog);
    auto* remove = new QPushButton(QStringLiteral("← &Entfernen"), &dialog);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    auto* grid = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Symbolleisten:"), &dialog));
    left->addWidget(toolbars);
    left->addWidget(newBar);
    left->addWidget(deleteBar);
    auto* middle = new QVBoxLayout;
    middle->addWidget(new QLabel(QStringLiteral("Befehle:"), &dialog));
    middle->addWidget(commands);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(add);
    moves->addWidget(remove);
    moves->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Schaltflächen:"), &dialog));
    right->addWidget(buttons);
    grid->addLayout(left);
    grid->addLayout(middle);
    grid->addLayout(moves);
    grid->addLayout(right);
    auto* outer = new QVBoxLayout(&dialog);
    outer->addLayout(grid);
    outer->addWidget(close);
    connect(close, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(toolbars, &QListWidget::currentRowChanged, &dialog, refreshButtons);
    connect(newBar, &QPushButton::clicked, &dialog, [&] {
        if (m_userToolbars.size() >= kMaxUserToolbars) {
            QMessageBox::information(&dialog, windowTitle(), QStringLiteral("Es können höchstens zehn eigene Symbolleisten angelegt werden."));
            return;
        }
        bool ok = false;
        const QString name = QInputDialog::getText(&dialog, QStringLiteral("Neue Symbolleiste"), QStringLiteral("Name der Symbolleiste:"),
                                                   QLineEdit::Normal, QStringLiteral("Benutzerdefiniert %1").arg(m_userToolbars.size() + 1), &ok);
        if (ok && !name.trimmed().isEmpty()) {
            AddUserToolbar(name.trimmed(), {});
            refreshToolbars();
        }
    });
    connect(deleteBar, &QPushButton::clicked, &dialog, [&] {
        QToolBar* bar = currentBar();
        if (bar && bar != m_toolbar) {
            RemoveUserToolbar(bar);
            refreshToolbars();
        }
    });
    connect(add, &QPushButton::clicked, &dialog, [&] {
        QToolBar* bar = currentBar();
        QListWidgetItem* item = commands->currentItem();
        if (!bar || !item)
            return;
        QAction* a = Action(item->data(Qt::UserRole).toInt());
        const QList<QAction*> existing = bar->actions();
        // New buttons go before the customise button at the end.
        QAction* before = existing.isEmpty() ? nullptr : existing.last();
        if (before && before->data().toInt() == Cmd::kCustomize && existing.size() >= 2)
            before = existing.at(existing.size() - 2);
        bar->insertAction(before, a);
        refreshButtons();
    });
    connect(remove, &QPushButton::clicked, &dialog, [&] {
        QToolBar* bar = currentBar();
        const int row = buttons->currentRow();
        if (!bar || row < 0 || row >= bar->actions().size())
            return;
        QAction* a = bar->actions().at(row);
        if (a->data().toInt() == Cmd::kCustomize)
            return; // every toolbar keeps its customise button
        bar->removeAction(a);
        refreshButtons();
    });
    refreshToolbars();
    refreshButtons();
    dialog.resize(760, 420);
    dialog.exec();
}

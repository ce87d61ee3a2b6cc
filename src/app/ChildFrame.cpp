#include "ChildFrame.h"

#include "AppConstants.h"
#include "document/EinheitspapierDoc.h"
#include "platform/Prompts.h"
#include "view/EinheitspapierView.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

CChildFrame::CChildFrame(std::unique_ptr<CEinheitspapierDoc> doc, const CFieldDefinitions& definitions, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_doc(std::move(doc))
    , m_view(new CEinheitspapierView(*m_doc, definitions))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    connect(m_view, &CEinheitspapierView::ModifiedChanged, this, [this] {
        UpdateTitle();
        Q_EMIT StateChanged();
    });
    connect(m_view, &CEinheitspapierView::StatusChanged, this, &CChildFrame::StateChanged);
}

CChildFrame::~CChildFrame()
{
    // The view refers to the document: it goes first.
    delete m_view;
}

void CChildFrame::SetPathName(const QString& path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    UpdateTitle();
}

void CChildFrame::SetUntitledTitle(const QString& title)
{
    m_untitled = title;
    UpdateTitle();
}

QString CChildFrame::Title() const
{
    return m_path.isEmpty() ? m_untitled : QFileInfo(m_path).fileName();
}

void CChildFrame::UpdateTitle()
{
    setWindowTitle(Title() + QStringLiteral("[*]"));
    setWindowModified(m_doc->IsModified());
}

bool CChildFrame::SaveTo(const QString& path)
{
    QString error;
    if (!m_doc->SaveToFile(path, &error)) {
        Prompts::Show(this, QMessageBox::Warning, error);
        return false;
    }
    m_doc->SetModified(false);
    SetPathName(path);
    m_view->viewport()->update(); // trimmed texts show as saved
    Q_EMIT StateChanged();
    return true;
}

bool CChildFrame::Save()
{
    if (m_path.isEmpty())
        return SaveAs();
    return SaveTo(m_path);
}

bool CChildFrame::SaveAs()
{
    const QString suggested = m_path.isEmpty() ? QDir::current().filePath(Title() + AppConstants::kDocumentExtension) : m_path;
    QString path = Prompts::GetSaveFileName(this, QStringLiteral("Speichern unter"), suggested,
                                            QStringLiteral("EhPapiert2l (*.t2l);;Alle Dateien (*.*)"));
    if (path.isEmpty())
        return false;
    // A name typed without an extension gets the document's.
    if (QFileInfo(path).suffix().isEmpty())
        path += AppConstants::kDocumentExtension;
    return SaveTo(path);
}

bool CChildFrame::SaveModified()
{
    if (!m_doc->IsModified())
        return true;
    const auto answer = Prompts::Ask(this, QMessageBox::Question,
                                     QStringLiteral("Änderungen in %1 speichern?").arg(Title()),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return Save();
    return true;
}

void CChildFrame::CloseWithoutAsking()
{
    m_closeWithoutAsking = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* e)
{
    if (m_closeWithoutAsking || SaveModified()) {
        e->accept();
        m_closing = true;
        QMdiSubWindow::closeEvent(e);
        Q_EMIT Closing();
    } else {
        e->ignore();
    }
}

#pragma once

#include <QMdiSubWindow>

#include <memory>

class CEinheitspapierDoc;
class CEinheitspapierView;
class CFieldDefinitions;
class CSettingsStore;

// One document window: the document, its form view, its file path and title.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    CChildFrame(std::unique_ptr<CEinheitspapierDoc> doc, const CFieldDefinitions& definitions, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CEinheitspapierDoc& Document() { return *m_doc; }
    CEinheitspapierView& View() { return *m_view; }

    const QString& PathName() const { return m_path; }
    void SetPathName(const QString& path);
    // The title of a document never saved ("VuRiviT2L1", ...).
    void SetUntitledTitle(const QString& title);
    QString Title() const;
    void UpdateTitle();

    // Save under the path it has, or ask for one. False: not saved (the
    // message has been shown) or the clerk cancelled.
    bool Save();
    bool SaveAs();
    // Asks whether to save a changed document. False: the clerk cancelled.
    bool SaveModified();

    // Close without the question (the program ends after a reset).
    void CloseWithoutAsking();

    // Closed and about to go; no longer one of the frame's documents.
    bool IsClosing() const { return m_closing; }

Q_SIGNALS:
    void StateChanged();
    void Closing();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool SaveTo(const QString& path);

    std::unique_ptr<CEinheitspapierDoc> m_doc;
    CEinheitspapierView* m_view;
    QString m_path;
    QString m_untitled;
    bool m_closeWithoutAsking = false;
    bool m_closing = false;
};

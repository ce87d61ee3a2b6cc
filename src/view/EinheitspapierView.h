#pragma once

#include "FormLayout.h"
#include "FormNavigator.h"
#include "KivScrollViewBase.h"
#include "fields/FieldEditor.h"
#include "fields/FieldTable.h"

#include <functional>
#include <optional>

class CEinheitspapierDoc;
class CFieldDefinitions;
class QDialog;
class QMenu;

// What a command looks like at the moment: enabled, checked (with a radio
// mark for one of a group), and a text where the command changes it.
struct SCommandState
{
    bool enabled = true;
    bool checked = false;
    bool radio = false;
    QString text;
};

// The form view: the picture of the current page with the field texts, the
// editor over the active field, zoom and scrolling, and the field commands.
class CFormPrinter;
class QPrinter;

class CEinheitspapierView : public CKivScrollViewBase, public CFormNavigator::IHost, public IFieldEditorHost
{
    Q_OBJECT
public:
    static constexpr int kEditorId = 120;

    CEinheitspapierView(CEinheitspapierDoc& doc, const CFieldDefinitions& definitions, QWidget* parent = nullptr);
    ~CEinheitspapierView() override;

    CEinheitspapierDoc& Document() { return m_doc; }
    CKivEditWindow& Engine();
    CFieldEditor* Editor() const { return m_editor; }
    CFormNavigator& Navigator() { return m_navigator; }

    // After the document is read: scroll sizes, back to the top-left corner.
    void OnInitialUpdate();
    int CurrentPage() const { return m_currentPage; }
    void SetCurrentPage(int page);

    // Which stamp frames the form shows, from the settings as they are now.
    void ReadStampSettings();

    // What the first paint does before drawing: the editor and the layout.
    void PrepareForDisplay();
    // Builds what a zoom needs: scaled tables, fonts, the editor's pixel rectangles.
    void PrepareLayout();
    const CFormLayout* Layout() const { return m_layout ? &*m_layout : nullptr; }
    // A field's table rectangle at the zoom (kind 1 or less: page 1).
    SFieldTableRect GetFieldScreenRect(int index, int kind) const;

    int GoToField(int field, int page) { return m_navigator.GoToField(field, page); }
    void EnsureVisible() override;
    void UpdateStatusPanes() override;
    void FocusEditor() override;
    int FormVariant() const override;
    const CSettingsStore& NavigatorSettings() const override { return Profile(); }
    void ShowMessage(const QString& text) override;
    std::optional<QString> RunTextInput3L(const QString& text) override;
    void DocumentModified() override { EditorModified(); }

    QString InsertModeText() const;
    QString PageText() const;

    // Commands the view owns.
    bool HandlesCommand(int id) const;
    void ExecuteCommand(int id);
    SCommandState UpdateCommand(int id) const;
    QMenu* CreateEditorContextMenu(QWidget* parent);

    // Numbers the sheets and goods positions (boxes 3, 5 and 32).
    void FillPositionFields() override;

    // The dialogs of the view run through this; tests put in their own
    // so that nothing waits for a click. Null brings back exec().
    using DialogFunction = std::function<int(QDialog& dialog)>;
    static void SetDialogFunction(DialogFunction f);

    // Printing: where the printer comes from and how the sheets reach it.
    // Tests replace both; null brings back the real ones.
    struct SPrintHooks
    {
        // Points the printer at the printer in use and returns its name;
        // empty when there is no printer at all.
        std::function<QString(QPrinter& printer)> configure;
        std::function<bool(QPrinter& printer, CFormPrinter& formPrinter, const QList<int>& sheets)> print;
    };
    static void SetPrintHooks(SPrintHooks hooks);
    // "Drucken...": margins, paper check, the print dialog, the sheets. The
    // print dialog offers firstPage (the preview's page) to begin with.
    void OnFilePrint(int firstPage = 1);
    // "Seitenansicht...": the page as it will be printed, over the form.
    void ShowPrintPreview();

    // The two mouse cursors of the form: over the sheet, over an editable field.
    static const QCursor& FormCursor();
    static const QCursor& FieldCursor();
    int CursorKind() const { return m_cursorKind; }

    // Form coordinates (0.1 mm, y downwards) of a point in the viewport.
    QPoint ViewportToForm(QPoint viewportPos) const;

Q_SIGNALS:
    void StatusChanged();
    void ModifiedChanged();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void OnScrolled() override;

    // IFieldEditorHost
    QPoint ScrollOffsetPixels() const override { return ScrollPixels(); }
    void EditorNextField() override;
    void EditorPreviousField() override;
    void EditorInsertModeChanged() override { UpdateStatusPanes(); }
    void EditorScrollPage(int units) override { ScrollByUnits(0, units); }
    void EditorWheel(QWheelEvent* event) override { wheelEvent(event); }
    void EditorContextMenu(const QPoint& globalPos) override;
    void EditorModified() override;

private:
    void CreateEditor();
    void FieldFormatChanged();

    // Pages and goods positions.
    int ContinuationCount() const;
    void StoreCurrentEdit();
    void RedrawNow();
    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();
    void AddPage();
    void RemoveLastPage();
    void MoveGoodsPosition();
    void DeleteGoodsPosition();
    // Stores the edit, runs a goods-position dialog, and shows what it changed.
    template <typename TDialog>
    void RunPositionDialog();
    bool CanAddPage() const;
    int RunDialog(QDialog& dialog);
    void InsertPresets();
    // One pass of the print command; true when it is to start again (after
    // "Druckerauswahl").
    bool PrintOnce(int firstPage);

    CEinheitspapierDoc& m_doc;
    const CFieldDefinitions& m_definitions;
    CFormNavigator m_navigator;
    CFieldEditor* m_editor = nullptr;
    std::optional<CFormLayout> m_layout;
    int m_currentPage = 1;
    int m_cursorKind = 0;
    bool m_stampA = false;
    bool m_stampC = false;
    bool m_stampC2 = false;
    QColor m_fieldTextColour;
};

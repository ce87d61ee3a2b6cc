#include "EinheitspapierView.h"

#include "DlgDeleteEHWarenpositon.h"
#include "DlgMoveEHWarenpositon.h"
#include "DlgTextInput3L.h"
#include "FormPainter.h"
#include "PagesAndPositions.h"
#include "app/CommandTable.h"
#include "app/FrameCommands.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "resources/ResourceNames.h"
#include "app/RegeditManagment.h"
#include "masterdata/DlgEH_Default08.h"
#include "masterdata/DlgStammDatenEingabe.h"
#include "presets/Common_DlgLaenderCode.h"
#include "presets/DlgEH_Default01.h"
#include "presets/DlgEH_Default19.h"
#include "presets/DlgEH_Default25.h"
#include "presets/DlgEH_Default54.h"
#include "presets/FieldPickers.h"

#include <QDate>

#include <QIcon>
#include "platform/Prompts.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kScrollStepUnits = 150; // 15 mm per step while keeping the editor in sight

} // namespace

CEinheitspapierView::CEinheitspapierView(CEinheitspapierDoc& doc, const CFieldDefinitions& definitions, QWidget* parent)
    : CKivScrollViewBase(parent)
    , m_doc(doc)
    , m_definitions(definitions)
    , m_navigator(doc.Engine(), definitions, *this)
{
    SetProfile(doc.Profile());
    SetSettingsSection(SettingsSection::kDefaults);
    InitZoom();
    const CSettingsStore& p = Profile();
    const QString& d = SettingsSection::kDefaults;
    m_fieldTextColour = CFormPainter::ColourFromSetting(p.ReadInt(d, QStringLiteral("EditTextColor"), 0xFF0000));
    ReadStampSettings();
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
}

CEinheitspapierView::~CEinheitspapierView()
{
    // The engine outlives the view; it must not keep the editor.
    Engine().SetEditorWindow(nullptr);
}

CKivEditWindow& CEinheitspapierView::Engine()
{
    return m_doc.Engine();
}

int CEinheitspapierView::FormVariant() const
{
    return int(m_doc.FormVariant());
}

void CEinheitspapierView::OnInitialUpdate()
{
    const int z = ZoomFactor();
    const CSettingsStore& p = Profile();
    SetScrollSizes(p.ReadInt(SettingsSection::kDefaults, QStringLiteral("DocWidth"), 205) * z,
                   p.ReadInt(SettingsSection::kDefaults, QStringLiteral("DocLength"), 350) * z, 50 * z, 70 * z);
    ScrollToPixels(QPoint(0, 0));
}

void CEinheitspapierView::SetCurrentPage(int page)
{
    m_currentPage = qBound(1, page, qMax(1, Engine().GetPageCount()));
    viewport()->update();
}

SFieldTableRect CEinheitspapierView::GetFieldScreenRect(int index, int kind) const
{
    return CFieldTable::ScreenRect(index, kind <= 1 ? kMainSheet : kContSheet, ZoomFactor());
}

void CEinheitspapierView::CreateEditor()
{
    m_editor = new CFieldEditor(Engine(), *this, viewport());
    m_editor->SetColours(m_fieldTextColour, CFieldEditor::kBackground);
    Engine().CreateEditorWithFonts(m_editor, ZoomFactor(), Dpi());
    // Undo, cut and copy follow what the editor can do at this moment.
    connect(m_editor, &QPlainTextEdit::undoAvailable, this, &CEinheitspapierView::StatusChanged);
    connect(m_editor, &QPlainTextEdit::copyAvailable, this, &CEinheitspapierView::StatusChanged);
}

void CEinheitspapierView::PrepareLayout()
{
    if (m_layoutPrepared)
        return;
    if (ZoomFactor() < 10)
        InitZoom();
    const int z = ZoomFactor();
    const CSettingsStore& p = Profile();
    // Width and length of the scrollable area in mm, held to something sensible.
    const int docWidth = qBound(1, p.ReadInt(SettingsSection::kDefaults, QStringLiteral("DocWidth"), 205), 2000);
    const int docLength = qBound(1, p.ReadInt(SettingsSection::kDefaults, QStringLiteral("DocLength"), 350), 2000);
    SetScrollSizes(docWidth * z, docLength * z, 50 * z, 70 * z);
    m_layout.emplace(z);

    if (m_editor) {
        CKivEditWindow& e = Engine();
        const qreal dpi = Dpi();
        auto toPixels = [dpi](int units) { return quint16(qBound(0, qRound(units * 10 * dpi / 2540.0), 0xFFFF)); };
        for (int i = 0; i < kMainFieldCount; ++i) {
            const SFieldTableRect r = GetFieldScreenRect(i, 1);
            e.DefineField(i, toPixels(r.left), toPixels(r.top), toPixels(r.right), toPixels(r.bottom));
        }
        for (int i = 0; i < kContFieldCount; ++i) {
            const SFieldTableRect r = GetFieldScreenRect(i, 2);
            e.DefineContField(i, toPixels(r.left), toPixels(r.top), toPixels(r.right), toPixels(r.bottom));
        }
        e.CreateScreenFonts(z, dpi);
        const QString text = e.GetFieldText(0, m_currentPage);
        e.ActivateField(0, m_currentPage);
        m_editor->SetWindowText(text);
        e.SetFieldText(0, text, m_currentPage);
        FocusEditor();
    }
    m_layoutPrepared = true;
}

void CEinheitspapierView::PrepareForDisplay()
{
    if (!m_editor)
        CreateEditor();
    if (!m_layoutPrepared)
        PrepareLayout();
}

void CEinheitspapierView::ReadStampSettings()
{
    const CSettingsStore& p = Profile();
    const QString& d = SettingsSection::kDefaults;
    m_stampA = p.ReadInt(d, QStringLiteral("Stamp_A"), 0) == 1;
    m_stampC = p.ReadInt(d, QStringLiteral("Stamp_C"), 0) == 1;
    m_stampC2 = p.ReadInt(d, QStringLiteral("Stamp_C2"), 0) == 1;
}

void CEinheitspapierView::paintEvent(QPaintEvent*)
{
    PrepareForDisplay();
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::TextAntialiasing);
    CLometricPainter dc(painter, Dpi(), ScrollPixels());
    CFormPainter::SOptions o;
    o.page = m_currentPage;
    o.stampA = m_stampA;
    o.stampC = m_stampC;
    o.stampC2 = m_stampC2;
    o.fieldTextColour = m_fieldTextColour;
    o.definitions = &m_definitions;
    o.formVariant = FormVariant();
    CFormPainter::PaintPage(dc, *m_layout, Engine(), o);
}

void CEinheitspapierView::OnScrolled()
{
    if (m_editor)
        m_editor->Reposition();
}

void CEinheitspapierView::EnsureVisible()
{
    if (!m_editor || !m_editor->isVisible())
        return;
    const int step = UnitsToPixels(kScrollStepUnits);
    auto editorRect = [this] { return m_editor->geometry(); };
    const QRect v = viewport()->rect();
    auto scrolled = [this](QPoint before) { return ScrollPixels() != before; };

    auto down = [&] {
        while (editorRect().bottom() > v.bottom()) {
            if (editorRect().top() - 50 <= v.top())
                break; // taller than the room that is left
            const QPoint before = ScrollPixels();
            ScrollToPixels(before + QPoint(0, step));
            if (!scrolled(before))
                break;
        }
    };
    down();
    while (editorRect().top() < v.top()) {
        const QPoint before = ScrollPixels();
        if (editorRect().top() < -200)
            ScrollToPixels(QPoint(before.x(), 0));
        else
            ScrollToPixels(before - QPoint(0, step));
        if (!scrolled(before))
            break;
    }
    // The jump to the top can leave a field far down out of sight.
    down();
    while (editorRect().right() > v.right() - 20) {
        const QPoint before = ScrollPixels();
        ScrollToPixels(before + QPoint(step, 0));
        if (!scrolled(before))
            break;
    }
    while (editorRect().left() < v.left()) {
        const QPoint before = ScrollPixels();
        ScrollToPixels(before - QPoint(step, 0));
        if (!scrolled(before))
            break;
    }
}

void CEinheitspapierView::UpdateStatusPanes()
{
    Q_EMIT StatusChanged();
}

QString CEinheitspapierView::InsertModeText() const
{
    return m_doc.Engine().GetInsertMode() ? QStringLiteral("Einfügen") : QStringLiteral("Überschreiben");
}

QString CEinheitspapierView::PageText() const
{
    return QStringLiteral("Einheitspapier - Seite %1 von %2").arg(m_doc.Engine().GetCurrentPage()).arg(m_doc.Engine().GetPageCount());
}

void CEinheitspapierView::FocusEditor()
{
    if (m_editor) {
        m_editor->show();
        m_editor->setFocus(Qt::OtherFocusReason);
    }
}

void CEinheitspapierView::focusInEvent(QFocusEvent* e)
{
    CKivScrollViewBase::focusInEvent(e);
    UpdateStatusPanes();
    if (m_editor)
        m_editor->setFocus(Qt::OtherFocusReason);
}

QPoint CEinheitspapierView::ViewportToForm(QPoint viewportPos) const
{
    const QPoint device = viewportPos + ScrollPixels();
    const qreal dpi = Dpi();
    // Pixels to 0.01 mm, then to 0.1 mm truncated.
    const int x = int(qRound(device.x() * 2540.0 / dpi) / 10);
    const int y = int(qRound(device.y() * 2540.0 / dpi) / 10);
    return QPoint(x, y);
}

void CEinheitspapierView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        CKivScrollViewBase::mousePressEvent(e);
        return;
    }
    const int kind = m_currentPage == 1 ? kMainSheet : kContSheet;
    const int hit = m_navigator.HitTest(ViewportToForm(e->position().toPoint()), kind, ZoomFactor());
    if (hit < 0) {
        QApplication::beep();
        CKivScrollViewBase::mousePressEvent(e);
        return;
    }
    GoToField(hit, m_currentPage);
}

void CEinheitspapierView::mouseMoveEvent(QMouseEvent* e)
{
    const int sheet = m_currentPage == 1 ? kMainSheet : kContSheet;
    const int hit = m_navigator.HitTest(ViewportToForm(e->position().toPoint()), sheet, ZoomFactor());
    const int kind = hit >= 0 ? 2 : 0;
    if (kind != m_cursorKind || !viewport()->testAttribute(Qt::WA_SetCursor)) {
        m_cursorKind = kind;
        viewport()->setCursor(m_cursorKind == 2 ? FieldCursor() : FormCursor());
    }
    CKivScrollViewBase::mouseMoveEvent(e);
}

const QCursor& CEinheitspapierView::FormCursor()
{
    static const QCursor cursor(QIcon(ResourceNames::kFormCursor).pixmap(ResourceNames::kCursorSize),
                                ResourceNames::kFormCursorHotX, ResourceNames::kFormCursorHotY);
    return cursor;
}

const QCursor& CEinheitspapierView::FieldCursor()
{
    static const QCursor cursor(QIcon(ResourceNames::kFieldCursor).pixmap(ResourceNames::kCursorSize),
                                ResourceNames::kFieldCursorHotX, ResourceNames::kFieldCursorHotY);
    return cursor;
}

void CEinheitspapierView::wheelEvent(QWheelEvent* e)
{
    QAbstractScrollArea::wheelEvent(e);
}

void CEinheitspapierView::EditorNextField()
{
    m_navigator.NextField(m_currentPage);
}

void CEinheitspapierView::EditorPreviousField()
{
    m_navigator.PreviousField(m_currentPage);
}

void CEinheitspapierView::EditorModified()
{
    if (!m_doc.IsModified()) {
        m_doc.SetModified(true);
        Q_EMIT ModifiedChanged();
    }
}

void CEinheitspapierView::FieldFormatChanged()
{
    EditorModified();
    viewport()->update();
}

bool CEinheitspapierView::HandlesCommand(int id) const
{
    switch (id) {
    case Cmd::kUndo: case Cmd::kCut: case Cmd::kCopy: case Cmd::kPaste: case Cmd::kSelectAll:
    case Cmd::kInsertMode: case Cmd::kNextField: case Cmd::kPreviousField:
    case Cmd::kFontLarger: case Cmd::kFontSmaller: case Cmd::kFontBold:
    case Cmd::kAlignLeft: case Cmd::kAlignCentre: case Cmd::kAlignRight:
    case Cmd::kZoomIn: case Cmd::kZoomOut:
    case Cmd::kFirstPage: case Cmd::kPreviousPage: case Cmd::kNextPage: case Cmd::kLastPage:
    case Cmd::kAddPage: case Cmd::kRemoveLastPage: case Cmd::kFillPositions:
    case Cmd::kMovePosition: case Cmd::kDeletePosition: case Cmd::kInsertPresets:
    case Cmd::kPrint: case Cmd::kPrintPreview:
        return true;
    default:
        return false;
    }
}

void CEinheitspapierView::ExecuteCommand(int id)
{
    CKivEditWindow& e = Engine();
    switch (id) {
    case Cmd::kUndo:
        if (m_editor)
            m_editor->undo();
        break;
    case Cmd::kCut:
        if (m_editor) {
            m_editor->cut();
            EditorModified();
        }
        break;
    case Cmd::kCopy:
        if (m_editor)
            m_editor->copy();
        break;
    case Cmd::kPaste:
        if (m_editor)
            m_editor->PasteFromClipboard();
        break;
    case Cmd::kSelectAll:
        if (m_editor)
            m_editor->SelectAllText();
        break;
    case Cmd::kInsertMode:
        e.SetInsertMode(e.GetInsertMode() ? 0 : 1);
        UpdateStatusPanes();
        break;
    case Cmd::kNextField: EditorNextField(); break;
    case Cmd::kPreviousField: EditorPreviousField(); break;
    case Cmd::kFontLarger: e.IncreaseSize(); FieldFormatChanged(); break;
    case Cmd::kFontSmaller: e.DecreaseSize(); FieldFormatChanged(); break;
    case Cmd::kFontBold: e.ToggleBold(); FieldFormatChanged(); break;
    case Cmd::kAlignLeft: e.AlignLeft(); FieldFormatChanged(); break;
    case Cmd::kAlignCentre: e.AlignCentre(); FieldFormatChanged(); break;
    case Cmd::kAlignRight: e.AlignRight(); FieldFormatChanged(); break;
    case Cmd::kZoomIn: ZoomIn(); break;
    case Cmd::kZoomOut: ZoomOut(); break;
    case Cmd::kFirstPage: FirstPage(); break;
    case Cmd::kPreviousPage: PreviousPage(); break;
    case Cmd::kNextPage: NextPage(); break;
    case Cmd::kLastPage: LastPage(); break;
    case Cmd::kAddPage: AddPage(); break;
    case Cmd::kRemoveLastPage: RemoveLastPage(); break;
    case Cmd::kFillPositions: FillPositionFields(); break;
    case Cmd::kMovePosition: MoveGoodsPosition(); break;
    case Cmd::kDeletePosition: DeleteGoodsPosition(); break;
    case Cmd::kInsertPresets: InsertPresets(); break;
    case Cmd::kPrint: OnFilePrint(); break;
    case Cmd::kPrintPreview: ShowPrintPreview(); break;
    default: break;
    }
}

SCommandState CEinheitspapierView::UpdateCommand(int id) const
{
    const CKivEditWindow& e = m_doc.Engine();
    SCommandState s;
    switch (id) {
    case Cmd::kUndo: s.enabled = m_editor && m_editor->document()->isUndoAvailable(); break;
    case Cmd::kCut:
    case Cmd::kCopy: s.enabled = m_editor && m_editor->textCursor().hasSelection(); break;
    case Cmd::kInsertMode:
        s.text = e.GetInsertMode() ? QStringLiteral("Einfügemodus ausschalten\tEinfg")
                                   : QStringLiteral("Einfügemodus einschalten\tEinfg");
        break;
    case Cmd::kFontLarger: s.enabled = e.CanIncreaseSize(); break;
    case Cmd::kFontSmaller: s.enabled = e.CanDecreaseSize(); break;
    case Cmd::kFontBold: s.checked = e.IsBold(); break;
    case Cmd::kAlignLeft: s.checked = s.radio = e.IsAlignedLeft(); break;
    case Cmd::kAlignCentre: s.checked = s.radio = e.IsAlignedCentre(); break;
    case Cmd::kAlignRight: s.checked = s.radio = e.IsAlignedRight(); break;
    case Cmd::kZoomIn: s.enabled = CanZoomIn(); break;
    case Cmd::kZoomOut: s.enabled = CanZoomOut(); break;
    case Cmd::kFirstPage:
    case Cmd::kPreviousPage: s.enabled = m_currentPage >= 2; break;
    case Cmd::kNextPage:
    case Cmd::kLastPage: s.enabled = m_currentPage < ContinuationCount() + 1; break;
    case Cmd::kAddPage: s.enabled = CanAddPage(); break;
    case Cmd::kRemoveLastPage: s.enabled = ContinuationCount() >= 2; break;
    case Cmd::kDeletePosition: s.enabled = m_currentPage != 1; break;
    case Cmd::kInsertPresets: s.enabled = CFormNavigator::HasPresets(e.GetCurrentField(), e.GetCurrentPage()); break;
    default: break;
    }
    return s;
}

QMenu* CEinheitspapierView::CreateEditorContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (const CommandTable::SMenuEntry& entry : CommandTable::EditorContextMenu()) {
        if (entry.id == 0) {
            menu->addSeparator();
            continue;
        }
        const SCommandState state = UpdateCommand(entry.id);
        QAction* a = menu->addAction(state.text.isEmpty() ? entry.text : state.text);
        a->setData(entry.id);
        a->setEnabled(state.enabled && (HandlesCommand(entry.id)));
        a->setCheckable(state.checked);
        a->setChecked(state.checked);
        const int id = entry.id;
        connect(a, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    }
    return menu;
}

void CEinheitspapierView::EditorContextMenu(const QPoint& globalPos)
{
    QMenu* menu = CreateEditorContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

// ---------------------------------------------------------------- pages and goods positions

namespace {

CEinheitspapierView::DialogFunction& DialogHook()
{
    static CEinheitspapierView::DialogFunction f;
    return f;
}

} // namespace

void CEinheitspapierView::SetDialogFunction(DialogFunction f)
{
    DialogHook() = std::move(f);
}

int CEinheitspapierView::RunDialog(QDialog& dialog)
{
    if (DialogHook())
        return DialogHook()(dialog);
    const int result = dialog.exec();
    // Typing goes on in the form: the window that opened the dialog takes
    // the keyboard back even where no window manager hands it over.
    if (isVisible()) {
        window()->activateWindow();
        FocusEditor();
    }
    return result;
}

void CEinheitspapierView::ShowMessage(const QString& text)
{
    Prompts::Show(this, QMessageBox::Warning, text);
}

std::optional<QString> CEinheitspapierView::RunTextInput3L(const QString& text)
{
    CDlgTextInput3L dlg(text, this);
    if (RunDialog(dlg) != QDialog::Accepted)
        return std::nullopt;
    return dlg.Text();
}

int CEinheitspapierView::ContinuationCount() const
{
    return m_doc.ContinuationCount();
}

void CEinheitspapierView::StoreCurrentEdit()
{
    Engine().ActivateField(0, quint16(m_currentPage));
}

void CEinheitspapierView::RedrawNow()
{
    viewport()->repaint();
}

void CEinheitspapierView::FirstPage()
{
    StoreCurrentEdit();
    SetCurrentPage(1);
    GoToField(0, 1);
    if (!m_navigator.IsEditable(Engine().GetCurrentField(), 1))
        EditorNextField();
    RedrawNow();
    UpdateStatusPanes();
}

void CEinheitspapierView::PreviousPage()
{
    if (m_currentPage <= 1)
        return;
    if (m_currentPage == 2) {
        FirstPage();
        return;
    }
    StoreCurrentEdit();
    SetCurrentPage(m_currentPage - 1);
    GoToField(0, m_currentPage);
    if (!m_definitions.IsShown(0, kContSheet, FormVariant()))
        EditorNextField();
    RedrawNow();
    UpdateStatusPanes();
}

void CEinheitspapierView::NextPage()
{
    if (m_currentPage >= ContinuationCount() + 1)
        return;
    StoreCurrentEdit();
    SetCurrentPage(m_currentPage + 1);
    GoToField(0, m_currentPage);
    if (!m_navigator.IsEditable(Engine().GetCurrentField(), m_currentPage))
        EditorNextField();
    RedrawNow();
    UpdateStatusPanes();
}

void CEinheitspapierView::LastPage()
{
    const int last = ContinuationCount() + 1;
    if (last <= 1) {
        FirstPage(); // a document of page 1 only
        return;
    }
    StoreCurrentEdit();
    SetCurrentPage(last);
    GoToField(0, m_currentPage);
    if (!m_definitions.IsShown(0, kContSheet, FormVariant()))
        EditorNextField();
    RedrawNow();
    UpdateStatusPanes();
}

bool CEinheitspapierView::CanAddPage() const
{
    // The text being typed counts before it is committed.
    const QString typed = m_editor ? m_editor->WindowText() : QString();
    return PagesAndPositions::LastSheetFilled(m_doc.Engine(), ContinuationCount(), m_editor ? &typed : nullptr);
}

void CEinheitspapierView::AddPage()
{
    using namespace PagesAndPositions;
    Engine().ActivateField(Engine().GetCurrentField(), quint16(m_currentPage));
    switch (AddSheet(m_doc)) {
    case EAddSheet::kAdded:
        break;
    case EAddSheet::kUnfilled:
        Prompts::Show(this, QMessageBox::Warning, Text(kTextUnfilledPositions));
        return;
    case EAddSheet::kLimit:
        Prompts::Show(this, QMessageBox::Warning, SheetLimitMessage());
        return;
    case EAddSheet::kNoSheetLayout:
        Prompts::Show(this, QMessageBox::Warning, NoSheetLayoutMessage());
        return;
    }
    EditorModified();
    LastPage();
    PrepareAddedSheet(Engine(), m_currentPage, CopyStampsToNewSheet(m_doc.Profile()));
    RedrawNow();
}

void CEinheitspapierView::RemoveLastPage()
{
    if (ContinuationCount() < 2)
        return;
    if (Prompts::Ask(this, QMessageBox::Question, PagesAndPositions::Text(PagesAndPositions::kTextRemoveLastPage),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return;
    // The editor leaves the sheet before the sheet goes.
    FirstPage();
    if (PagesAndPositions::RemoveLastSheet(m_doc))
        EditorModified();
    RedrawNow();
    UpdateStatusPanes(); // the page count changed
}

void CEinheitspapierView::FillPositionFields()
{
    PagesAndPositions::FillPositionFields(Engine(), ContinuationCount());
    EditorModified();
    RedrawNow();
}

template <typename TDialog>
void CEinheitspapierView::RunPositionDialog()
{
    GoToField(Engine().GetCurrentField(), m_currentPage);
    TDialog dlg(this);
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    // Moved or deleted texts are a change to the document like any other.
    if (dlg.Changed())
        EditorModified();
    RedrawNow();
}

void CEinheitspapierView::MoveGoodsPosition()
{
    RunPositionDialog<CDlgMoveEHWarenpositon>();
}

void CEinheitspapierView::DeleteGoodsPosition()
{
    if (m_currentPage == 1)
        return;
    RunPositionDialog<CDlgDeleteEHWarenpositon>();
}

// ---------------------------------------------------------------- F2: the picker of the current field

void CEinheitspapierView::InsertPresets()
{
    CKivEditWindow& e = Engine();
    const quint16 page = e.GetCurrentPage();
    const int field = e.GetCurrentField();
    if (!CFormNavigator::HasPresets(field, page))
        return;
    e.ActivateField(quint16(field), page);
    const int variant = FormVariant();

    auto askDate = [&]() {
        if (Prompts::Ask(this, QMessageBox::Question, QStringLiteral("Soll das aktuelle Datum eingefügt werden?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            != QMessageBox::Yes)
            return false;
        const QDate d = QDate::currentDate();
        e.SetCurrentText(QStringLiteral("%1.%2.%3").arg(d.day()).arg(d.month()).arg(d.year()));
        return true;
    };
    // The address table is opened before and closed after the dialog; no
    // table, no dialog.
    auto pickAddress = [&](CDlgEH_Default08& dlg) {
        dlg.SetStartAddress(e.GetFieldText(quint16(field), page));
        if (!dlg.OpenTable())
            return false;
        return RunDialog(dlg) == QDialog::Accepted;
    };
    auto pickGoods = [&](std::unique_ptr<CDlgStammDatenEingabe>& dlg) {
        dlg = std::make_unique<CDlgStammDatenEingabe>(Profile(), CRegeditManagment().GetDataDirectory(), true, this);
        return RunDialog(*dlg) == QDialog::Accepted;
    };

    // A picker whose one result goes into the current field.
    auto pickInto = [&](QDialog& dlg, const std::function<QString()>& result) {
        if (RunDialog(dlg) != QDialog::Accepted)
            return false;
        e.SetCurrentText(result());
        return true;
    };

    bool written = false;
    if (page == 1) {
        switch (field) {
        case 0: case 1: case 2: {
            QString parts[3];
            bool shown[3];
            for (int i = 0; i < 3; ++i) {
                shown[i] = m_definitions.IsShown(i, kMainSheet, variant);
                if (shown[i])
                    parts[i] = e.GetFieldText(quint16(i), 1);
            }
            CDlgEH_Default01 dlg(parts[0], parts[1], parts[2], this);
            if (RunDialog(dlg) != QDialog::Accepted)
                break;
            const QString result[3] = {dlg.PartA(), dlg.PartB(), dlg.PartC()};
            for (int i = 0; i < 3; ++i) {
                e.ActivateField(quint16(i), page);
                if (shown[i])
                    e.SetCurrentText(result[i]);
            }
            written = true;
            break;
        }
        case 6: case 56:
            written = askDate();
            break;
        case 10: case 17: {
            CDlgEH_Default08 dlg(Profile(), CRegeditManagment().GetDataDirectory(), this);
            const bool taken = pickAddress(dlg);
            dlg.CloseTable();
            if (!taken)
                break;
            e.SetCurrentText(dlg.AddressText());
            e.ActivateField(quint16(field == 10 ? 9 : 16), 1);
            e.SetCurrentText(dlg.CustomsNumber());
            m_navigator.NextField(page);
            written = true;
            break;
        }
        case 20: case 21: {
            Common_DlgLaenderCode dlg(field == 20 ? 3 : 1, e.GetFieldText(quint16(field), page), QString(), this);
            if (RunDialog(dlg) != QDialog::Accepted)
                break;
            e.ActivateField(quint16(field), page);
            e.SetCurrentText(dlg.CountryName());
            if (field == 21)
                e.ActivateField(quint16(field), page);
            written = true;
            break;
        }
        case 23: case 26: {
            Common_DlgLaenderCode dlg(0, QString(), e.GetCurrentText(), this);
            written = pickInto(dlg, [&] { return dlg.CountryCode(); });
            break;
        }
        case 24: {
            CDlgEH_Default19 dlg(FieldPickers::CodeFromText(e.GetCurrentText()), this);
            written = pickInto(dlg, [&] { return QString::number(dlg.Code()); });
            break;
        }
        case 27: {
            CDlgEH_Default25 dlg(FieldPickers::CodeFromText(e.GetCurrentText()), this);
            written = pickInto(dlg, [&] { return QString::number(dlg.Code()); });
            break;
        }
        case 29: {
            std::unique_ptr<CDlgStammDatenEingabe> dlg;
            if (!pickGoods(dlg))
                break;
            e.ActivateField(29, page);
            e.SetCurrentText(dlg->Description());
            e.ActivateField(31, page);
            e.SetCurrentText(dlg->Values()[CVelmoraStammDaten::kWNR1]);
            written = true;
            break;
        }
        case 69: {
            CDlgEH_Default54 dlg(this);
            written = pickInto(dlg, [&] { return dlg.Result(); });
            break;
        }
        default:
            break;
        }
    } else {
        switch (field) {
        case 4:
            written = askDate();
            break;
        case 8: {
            CDlgEH_Default08 dlg(Profile(), CRegeditManagment().GetDataDirectory(), this);
            const bool taken = pickAddress(dlg);
            dlg.CloseTable();
            if (!taken)
                break;
            e.SetCurrentText(dlg.AddressText());
            m_navigator.PreviousField(page);
            e.SetCurrentText(dlg.CustomsNumber());
            m_navigator.NextField(page);
            written = true;
            break;
        }
        case 11: case 20: case 29: {
            std::unique_ptr<CDlgStammDatenEingabe> dlg;
            if (!pickGoods(dlg))
                break;
            e.SetCurrentText(dlg->Description());
            e.ActivateField(quint16(field + 2), page);
            e.SetCurrentText(dlg->Values()[CVelmoraStammDaten::kWNR1]);
            written = true;
            break;
        }
        default:
            break;
        }
    }
    if (!written)
        return;
    m_navigator.NextField(e.GetCurrentPage());
    EditorModified();
    viewport()->update();
}

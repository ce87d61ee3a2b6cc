#pragma once

#include "FieldFonts.h"
#include "app/SettingsStore.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

class CArchiveReader;
class CArchiveWriter;
class CLometricPainter;

// A rectangle in 0.1 mm with y negative downwards (top > bottom on the sheet).
struct SLogRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const SLogRect&, const SLogRect&) = default;
};

// A field address that lies outside the stored texts or attribute words.
// Raised before anything is read or changed.
class CFieldRangeError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

// Field rectangle in device units of the screen at the current zoom.
struct SFieldRect
{
    quint16 left = 0;
    quint16 top = 0;
    quint16 right = 0;
    quint16 bottom = 0;
    friend bool operator==(const SFieldRect&, const SFieldRect&) = default;
};

// The editor window the engine moves from field to field. The engine only
// needs its text and a way to put it over a field; the widget lives in the GUI.
class IFieldEditorWindow
{
public:
    virtual ~IFieldEditorWindow() = default;
    virtual QString WindowText() const = 0;
    virtual void SetWindowText(const QString& text) = 0;
    // Puts the editor over a field (device pixels, not yet scrolled) and loads
    // it; attributes give the alignment, font is the editor font (null: keep).
    virtual void ShowField(const SFieldRect& rect, quint16 attributes, const QString& text, const SLogFont* font) = 0;
};

// The field engine: every text and attribute word of one document, the page
// model, and the field rectangles. Page 1 is the main sheet (M fields), pages
// 2.. are continuation sheets (K fields each); page 0 means the current page.
class CKivEditWindow
{
public:
    // Attribute word: size code in bits 0-7 (bit 4 is bold), alignment in 8-11.
    static constexpr quint16 kBoldBit = 0x0010;
    static constexpr quint16 kAlignMask = 0x0F00;
    static constexpr quint16 kAlignLeft = 0x0000;
    static constexpr quint16 kAlignCentre = 0x0100;
    static constexpr quint16 kAlignRight = 0x0200;
    static constexpr quint16 kModeSingle = 0x1000;
    static constexpr quint16 kModeContinued = 0x2000;
    static constexpr int kMaxContPages = 254; // the page count has eight bits

    enum class ELoadResult {
        kLoaded,
        kUnknownBlock, // foreign tag or newer block version; nothing was read
        kTruncated,    // the data ends inside the block
        kInconsistent, // counts that contradict each other or the page-state word
    };

    CKivEditWindow();
    virtual ~CKivEditWindow();

    CKivEditWindow(const CKivEditWindow&) = delete;
    CKivEditWindow& operator=(const CKivEditWindow&) = delete;

    // --- field counts and pages
    virtual void SetFieldCount(quint16 mainCount, quint16 contCount, bool initialise);
    quint16 GetFieldCount() const { return m_mainCount; }
    quint16 GetContFieldCount() const { return m_contCount; }
    int GetPageCount() const;
    int GetPageMode() const { return m_pageState & 0xF000; }
    quint16 GetPageState() const { return m_pageState; }
    quint16 GetCurrentField() const { return m_currentField; }
    quint16 GetCurrentPage() const { return m_currentPage; }
    // Sets the number of continuation sheets; new sheets get `word` in every
    // attribute. Returns count, or -1 (nothing changed) beyond 254 sheets.
    int SetContPageCount(int count, quint16 word);

    // --- rectangles
    int DefineField(quint16 index, const SFieldRect& rect);
    int DefineField(quint16 index, quint16 left, quint16 top, quint16 right, quint16 bottom);
    int GetFieldRect(quint16 index, SFieldRect& rect) const;
    int DefineContField(quint16 index, const SFieldRect& rect);
    int DefineContField(quint16 index, quint16 left, quint16 top, quint16 right, quint16 bottom);
    quint16 GetFieldBottom(quint16 index) const;
    quint16 GetFieldTop(quint16 index) const;
    quint16 GetFieldRight(quint16 index) const;
    quint16 GetFieldLeft(quint16 index) const;
    quint16 GetContFieldBottom(quint16 index) const;
    quint16 GetContFieldTop(quint16 index) const;
    quint16 GetContFieldRight(quint16 index) const;
    quint16 GetContFieldLeft(quint16 index) const;

    // --- texts
    QString GetFieldText(quint16 index, quint16 page) const;
    void SetFieldText(quint16 index, const QString& text, quint16 page);
    int GetFieldTextLength(quint16 index, quint16 page) const;
    QString GetCurrentText();
    void SetCurrentText(const QString& text);

    // --- attribute words
    quint16 GetFieldAttributes(quint16 index, quint16 page) const;
    void SetFieldAttributes(quint16 index, quint16 page, quint16 word);
    int GetFieldSize(quint16 index, quint16 page) const; // 64 beyond the field count
    void SetFieldSize(quint16 index, quint16 page, quint8 sizeCode);
    void SetBold(quint16 index, quint16 page);
    bool IsBold(quint16 index, quint16 page) const;
    int GetAlignment(quint16 index, quint16 page) const; // 0 beyond the field count
    void AlignLeft(quint16 index, quint16 page) { SetAlignment(index, page, kAlignLeft); }
    void AlignCentre(quint16 index, quint16 page) { SetAlignment(index, page, kAlignCentre); }
    void AlignRight(quint16 index, quint16 page) { SetAlignment(index, page, kAlignRight); }

    // --- size, bold and alignment of the active field (re-activating it)
    void IncreaseSize();
    void DecreaseSize();
    bool CanIncreaseSize() const;
    bool CanDecreaseSize() const;
    void ToggleBold();
    void SetBold() { SetBold(m_currentField, m_currentPage); ActivateField(m_currentField, m_currentPage); }
    bool IsBold() const { return IsBold(m_currentField, m_currentPage); }
    void AlignLeft() { AlignLeft(m_currentField, m_currentPage); }
    void AlignCentre() { AlignCentre(m_currentField, m_currentPage); }
    void AlignRight() { AlignRight(m_currentField, m_currentPage); }
    bool IsAlignedLeft() const { return GetAlignment(m_currentField, m_currentPage) == kAlignLeft; }
    bool IsAlignedCentre() const { return GetAlignment(m_currentField, m_currentPage) == kAlignCentre; }
    bool IsAlignedRight() const { return GetAlignment(m_currentField, m_currentPage) == kAlignRight; }

    // --- fonts and drawing
    void SetProfile(const CSettingsStore& profile) { m_profile = profile; }
    const CSettingsStore& Profile() const { return m_profile; }
    const CFieldFonts& Fonts() const { return m_fonts; }
    bool FontsReady() const { return m_fontsReady; }
    void CreateScreenFonts(int zoom, qreal screenDpi) { m_fonts.CreateScreenFonts(m_profile, zoom, screenDpi); }
    void CreatePrintFonts(int percentage)
    {
        m_fonts.CreatePrintFonts(m_profile, percentage);
        m_printFontsReady = true;
    }
    void DefineFont(int id, const SLogFont& font) { m_fonts.DefineFont(id, font); }
    // Draws a field's text into rect (0.1 mm, adjusted for the alignment);
    // false while the fonts are not built or the field does not exist.
    bool DrawField(CLometricPainter& dc, SLogRect& rect, quint16 index, quint16 page, bool singleLine);
    // Prints a field's text into rect stretched by the print correction
    // factors; returns the drawn height, 0 while the fonts are not built.
    int PrintField(CLometricPainter& dc, const SLogRect& rect, quint16 index, quint16 page, bool singleLine);
    // The rectangle PrintField draws into, before the alignment inset.
    static SLogRect ScaleForPrint(const SLogRect& rect, int factorV, int factorH);
    // Moves the rectangle's edges for an alignment, as the text drawing does.
    static void AdjustForAlignment(SLogRect& rect, int alignment);

    // Builds the screen fonts for drawing without an editor (rendering to a file).
    void CreateFontsForDrawing(int zoom, qreal dpi)
    {
        CreateScreenFonts(zoom, dpi);
        m_fontsReady = true;
    }

    // --- the editor
    // The editor exists from now on; builds the screen fonts for it.
    void CreateEditorWithFonts(IFieldEditorWindow* editor, int zoom, qreal screenDpi);
    void SetEditorWindow(IFieldEditorWindow* editor) { m_editor = editor; }
    IFieldEditorWindow* EditorWindow() const { return m_editor; }
    // Commits the editor's text into the field it stood on and moves it to
    // the given field. Returns 0, or -1 if that field does not exist.
    int ActivateField(quint16 index, quint16 page);
    void SetInsertMode(int mode) { m_insertMode = mode; }
    int GetInsertMode() const { return m_insertMode; }

    // --- the field data block of a .t2l file
    // Writing trims trailing white space from every text, in the store too.
    void Serialize(CArchiveWriter& ar);
    // Reads the whole block before changing anything: unless the result is
    // kLoaded or kUnknownBlock, the engine is left exactly as it was.
    ELoadResult Serialize(CArchiveReader& ar);
    // Bytes Serialize writes (an upper bound before trimming).
    qsizetype BlockSize() const;
    // The block as it stands in a file, from its parts.
    static void WriteBlock(CArchiveWriter& ar, const QStringList& mainTexts, const QList<quint16>& mainAttrs,
                           quint16 pageState, quint16 contCount, const QStringList& contTexts,
                           const QList<quint16>& contAttrs);

    static void TrimTrailingWhiteSpace(QString& text);

protected:
    // Whether a file's number of continuation-sheet fields fits this engine.
    virtual bool AcceptsContFieldCount(quint16 count) const;
    void ResetCurrentField()
    {
        m_currentField = 0;
        m_currentPage = 1;
    }
    void SetAlignment(quint16 index, quint16 page, quint16 alignment);

private:
    struct SSlot
    {
        bool main;
        qsizetype pos;
    };
    quint16 ResolvePage(quint16 page) const { return page == 0 ? m_currentPage : page; }
    // Slot of a field inside the arrays; throws CFieldRangeError outside them.
    SSlot Slot(quint16 index, quint16 page) const;
    bool IsField(quint16 index, quint16 page) const; // index below the page's field count
    bool HasSlot(quint16 index, quint16 page) const;
    QString& TextAt(const SSlot& s) { return s.main ? m_mainTexts[s.pos] : m_contTexts[s.pos]; }
    quint16& WordAt(const SSlot& s) { return s.main ? m_mainAttrs[s.pos] : m_contAttrs[s.pos]; }
    quint16 WordAt(const SSlot& s) const { return s.main ? m_mainAttrs.at(s.pos) : m_contAttrs.at(s.pos); }
    quint16 ContRectValue(quint16 index, quint16 SFieldRect::*member) const;

    QList<quint16> m_mainAttrs;
    QList<quint16> m_contAttrs;
    QStringList m_mainTexts;
    QStringList m_contTexts;
    QList<SFieldRect> m_mainRects;
    QList<SFieldRect> m_contRects;
    quint16 m_mainCount = 0;
    quint16 m_contCount = 0;
    quint16 m_currentField = 0;
    quint16 m_currentPage = 1;
    quint16 m_pageState = kModeSingle;
    int m_insertMode = 1;
    IFieldEditorWindow* m_editor = nullptr;
    CSettingsStore m_profile = CSettingsStore::Profile();
    CFieldFonts m_fonts;
    bool m_fontsReady = false;
    bool m_printFontsReady = false; // printing needs no editor, only these
};

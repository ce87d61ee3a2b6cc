#include "KivEditWindow.h"

#include "platform/Archive.h"
#include "platform/LometricPainter.h"

namespace {

constexpr quint16 kBlockTag = 0x1206;
constexpr quint16 kBlockVersion = 2;

template <typename T>
void ResizeWith(QList<T>& list, qsizetype size, const T& fill)
{
    const qsizetype old = list.size();
    list.resize(size);
    for (qsizetype i = old; i < size; ++i)
        list[i] = fill;
}

} // namespace

CKivEditWindow::CKivEditWindow() = default;
CKivEditWindow::~CKivEditWindow() = default;

// ---------------------------------------------------------------- pages

void CKivEditWindow::SetFieldCount(quint16 mainCount, quint16 contCount, bool initialise)
{
    m_mainCount = mainCount;
    m_mainTexts.resize(mainCount);
    ResizeWith<quint16>(m_mainAttrs, mainCount, initialise ? 1 : 0);
    m_mainRects.resize(mainCount);

    m_contCount = contCount;
    m_pageState = contCount > 0 ? kModeContinued + 2 : kModeSingle;
    m_contRects.resize(contCount);
    m_contTexts.resize(contCount);
    ResizeWith<quint16>(m_contAttrs, contCount, initialise ? 1 : 0);
}

int CKivEditWindow::GetPageCount() const
{
    if (GetPageMode() == kModeSingle)
        return 1;
    return m_pageState & 0xFF;
}

int CKivEditWindow::SetContPageCount(int count, quint16 word)
{
    if (count < 0 || count > kMaxContPages)
        return -1;
    const qsizetype oldSize = m_contTexts.size();
    const qsizetype newSize = qsizetype(count) * m_contCount;
    m_contTexts.resize(newSize);
    m_contAttrs.resize(oldSize); // texts and words always come in pairs
    ResizeWith<quint16>(m_contAttrs, newSize, word);
    m_pageState = static_cast<quint16>((m_pageState & 0xFF00) | ((1 + count) & 0xFF));
    return count;
}

// ---------------------------------------------------------------- rectangles

int CKivEditWindow::DefineField(quint16 index, const SFieldRect& rect)
{
    if (index >= m_mainCount || index >= m_mainRects.size())
        return -1;
    m_mainRects[index] = rect;
    return 0;
}

int CKivEditWindow::DefineField(quint16 index, quint16 left, quint16 top, quint16 right, quint16 bottom)
{
    return DefineField(index, SFieldRect{left, top, right, bottom});
}

int CKivEditWindow::GetFieldRect(quint16 index, SFieldRect& rect) const
{
    if (index >= m_mainCount || index >= m_mainRects.size())
        return -1;
    rect = m_mainRects.at(index);
    return 0;
}

int CKivEditWindow::DefineContField(quint16 index, const SFieldRect& rect)
{
    if (index >= m_contCount || index >= m_contRects.size())
        return -1;
    m_contRects[index] = rect;
    return 0;
}

int CKivEditWindow::DefineContField(quint16 index, quint16 left, quint16 top, quint16 right, quint16 bottom)
{
    return DefineContField(index, SFieldRect{left, top, right, bottom});
}

quint16 CKivEditWindow::GetFieldBottom(quint16 index) const { return index < m_mainRects.size() ? m_mainRects.at(index).bottom : 0; }
quint16 CKivEditWindow::GetFieldTop(quint16 index) const { return index < m_mainRects.size() ? m_mainRects.at(index).top : 0; }
quint16 CKivEditWindow::GetFieldRight(quint16 index) const { return index < m_mainRects.size() ? m_mainRects.at(index).right : 0; }
quint16 CKivEditWindow::GetFieldLeft(quint16 index) const { return index < m_mainRects.size() ? m_mainRects.at(index).left : 0; }

quint16 CKivEditWindow::ContRectValue(quint16 index, quint16 SFieldRect::*member) const
{
    if (GetPageMode() == kModeSingle || index >= m_contRects.size())
        return 0;
    return m_contRects.at(index).*member;
}

quint16 CKivEditWindow::GetContFieldBottom(quint16 index) const { return ContRectValue(index, &SFieldRect::bottom); }
quint16 CKivEditWindow::GetContFieldTop(quint16 index) const { return ContRectValue(index, &SFieldRect::top); }
quint16 CKivEditWindow::GetContFieldRight(quint16 index) const { return ContRectValue(index, &SFieldRect::right); }
quint16 CKivEditWindow::GetContFieldLeft(quint16 index) const { return ContRectValue(index, &SFieldRect::left); }

// ---------------------------------------------------------------- addressing

bool CKivEditWindow::IsField(quint16 index, quint16 page) const
{
    return ResolvePage(page) == 1 ? index < m_mainCount : index < m_contCount;
}

CKivEditWindow::SSlot CKivEditWindow::Slot(quint16 index, quint16 page) const
{
    page = ResolvePage(page);
    if (page == 1) {
        if (index >= m_mainTexts.size() || index >= m_mainAttrs.size())
            throw CFieldRangeError("field address outside the main sheet");
        return {true, index};
    }
    // A continuation index at or beyond K would land in the next sheet's slots.
    if (page == 0 || index >= m_contCount)
        throw CFieldRangeError("field address outside the continuation sheets");
    const qsizetype pos = qsizetype(page - 2) * m_contCount + index;
    if (pos >= m_contTexts.size() || pos >= m_contAttrs.size())
        throw CFieldRangeError("field address outside the continuation sheets");
    return {false, pos};
}

bool CKivEditWindow::HasSlot(quint16 index, quint16 page) const
{
    page = ResolvePage(page);
    if (page == 1)
        return index < m_mainTexts.size() && index < m_mainAttrs.size();
    if (page == 0 || index >= m_contCount)
        return false;
    const qsizetype pos = qsizetype(page - 2) * m_contCount + index;
    return pos < m_contTexts.size() && pos < m_contAttrs.size();
}

// ---------------------------------------------------------------- texts

QString CKivEditWindow::GetFieldText(quint16 index, quint16 page) const
{
    if (!IsField(index, page))
        return QString();
    const SSlot s = Slot(index, page);
    return s.main ? m_mainTexts.at(s.pos) : m_contTexts.at(s.pos);
}

void CKivEditWindow::SetFieldText(quint16 index, const QString& text, quint16 page)
{
    if (!IsField(index, page))
        return;
    TextAt(Slot(index, page)) = text;
}

int CKivEditWindow::GetFieldTextLength(quint16 index, quint16 page) const
{
    return static_cast<int>(GetFieldText(index, page).size());
}

QString CKivEditWindow::GetCurrentText()
{
    ActivateField(m_currentField, m_currentPage);
    return GetFieldText(m_currentField, m_currentPage);
}

void CKivEditWindow::SetCurrentText(const QString& text)
{
    SetFieldText(m_currentField, text, m_currentPage);
    if (m_editor)
        m_editor->SetWindowText(text);
}

// ---------------------------------------------------------------- attributes

quint16 CKivEditWindow::GetFieldAttributes(quint16 index, quint16 page) const
{
    return WordAt(Slot(index, page));
}

void CKivEditWindow::SetFieldAttributes(quint16 index, quint16 page, quint16 word)
{
    WordAt(Slot(index, page)) = word;
}

int CKivEditWindow::GetFieldSize(quint16 index, quint16 page) const
{
    if (!IsField(index, page))
        return 64;
    return WordAt(Slot(index, page)) & 0xEF;
}

void CKivEditWindow::SetFieldSize(quint16 index, quint16 page, quint8 sizeCode)
{
    quint16& w = WordAt(Slot(index, page));
    w = static_cast<quint16>((w & 0xFF00) | sizeCode);
}

void CKivEditWindow::SetBold(quint16 index, quint16 page)
{
    WordAt(Slot(index, page)) |= kBoldBit;
}

bool CKivEditWindow::IsBold(quint16 index, quint16 page) const
{
    return WordAt(Slot(index, page)) & kBoldBit;
}

int CKivEditWindow::GetAlignment(quint16 index, quint16 page) const
{
    if (!IsField(index, page))
        return 0;
    return WordAt(Slot(index, page)) & kAlignMask;
}

void CKivEditWindow::SetAlignment(quint16 index, quint16 page, quint16 alignment)
{
    const quint16 resolved = ResolvePage(page);
    quint16& w = WordAt(Slot(index, page));
    w = static_cast<quint16>((w & ~kAlignMask) | alignment);
    // The editor takes a new alignment only when it is placed again.
    if (m_editor && index == m_currentField && resolved == m_currentPage)
        ActivateField(m_currentField, m_currentPage);
}

void CKivEditWindow::IncreaseSize()
{
    if (!CanIncreaseSize())
        return;
    WordAt(Slot(m_currentField, m_currentPage)) += 1;
    ActivateField(m_currentField, m_currentPage);
}

void CKivEditWindow::DecreaseSize()
{
    if (!CanDecreaseSize())
        return;
    WordAt(Slot(m_currentField, m_currentPage)) -= 1;
    ActivateField(m_currentField, m_currentPage);
}

bool CKivEditWindow::CanIncreaseSize() const
{
    return HasSlot(m_currentField, m_currentPage) && (WordAt(Slot(m_currentField, m_currentPage)) & 0x0F) <= 3;
}

bool CKivEditWindow::CanDecreaseSize() const
{
    return HasSlot(m_currentField, m_currentPage) && (WordAt(Slot(m_currentField, m_currentPage)) & 0x0F) != 0;
}

void CKivEditWindow::ToggleBold()
{
    if (!HasSlot(m_currentField, m_currentPage))
        return;
    WordAt(Slot(m_currentField, m_currentPage)) ^= kBoldBit;
    ActivateField(m_currentField, m_currentPage);
}

// ---------------------------------------------------------------- drawing

void CKivEditWindow::AdjustForAlignment(SLogRect& rect, int alignment)
{
    if (alignment == kAlignLeft)
        rect.left += 10;
    else if (alignment == kAlignRight)
        rect.right -= 12;
}

namespace {

Qt::Alignment TextAlignment(int alignment)
{
    if (alignment == CKivEditWindow::kAlignCentre)
        return Qt::AlignHCenter;
    if (alignment == CKivEditWindow::kAlignRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

} // namespace

bool CKivEditWindow::DrawField(CLometricPainter& dc, SLogRect& rect, quint16 index, quint16 page, bool singleLine)
{
    if (!m_fontsReady || !HasSlot(index, page))
        return false;
    const quint16 word = WordAt(Slot(index, page));
    if (const SLogFont* f = m_fonts.Font(CFieldFonts::kDisplay, word & 0xEF, word & kBoldBit))
        dc.SetFont(*f);
    const int alignment = word & kAlignMask;
    AdjustForAlignment(rect, alignment);
    dc.DrawText(rect.left, rect.top, rect.right, rect.bottom, GetFieldText(index, page), TextAlignment(alignment),
                singleLine);
    return true;
}

SLogRect CKivEditWindow::ScaleForPrint(const SLogRect& rect, int factorV, int factorH)
{
    SLogRect r = rect;
    if (factorV != 1000) {
        r.top = int(qint64(r.top) * factorV / 1000);
        r.bottom = int(qint64(r.bottom) * factorV / 1000);
    }
    if (factorH != 1000) {
        r.left = int(qint64(r.left) * factorH / 1000);
        r.right = int(qint64(r.right) * factorH / 1000);
    }
    return r;
}

int CKivEditWindow::PrintField(CLometricPainter& dc, const SLogRect& rect, quint16 index, quint16 page, bool singleLine)
{
    if (!m_printFontsReady)
        return 0;
    const QString& s = SettingsSection::kSettings;
    SLogRect r = ScaleForPrint(rect, m_profile.ReadInt(s, QStringLiteral("PrnFactorV"), 1000),
                               m_profile.ReadInt(s, QStringLiteral("PrnFactorH"), 1000));
    // A field beyond the count prints nothing, in the tilted font.
    const bool exists = IsField(index, page) && HasSlot(index, page);
    const quint16 word = exists ? WordAt(Slot(index, page)) : 0;
    const int code = exists ? (word & 0xEF) : CFieldFonts::kNoField;
    if (const SLogFont* f = m_fonts.Font(CFieldFonts::kPrint, code, word & kBoldBit))
        dc.SetFont(*f);
    const int alignment = word & kAlignMask;
    AdjustForAlignment(r, alignment);
    return dc.DrawText(r.left, r.top, r.right, r.bottom, exists ? GetFieldText(index, page) : QString(),
                       TextAlignment(alignment), singleLine);
}

// ---------------------------------------------------------------- editor

void CKivEditWindow::CreateEditorWithFonts(IFieldEditorWindow* editor, int zoom, qreal screenDpi)
{
    m_fontsReady = false;
    m_editor = editor;
    if (m_mainCount == 0) {
        SetFieldCount(1, 0, true);
        m_currentField = 0;
    }
    if (!m_editor)
        return;
    CreateScreenFonts(zoom, screenDpi);
    m_fontsReady = true;
}

int CKivEditWindow::ActivateField(quint16 index, quint16 page)
{
    page = ResolvePage(page);
    if (!IsField(index, page))
        return -1;
    // A page beyond the last one is not a field either.
    if (!HasSlot(index, page))
        return -1;

    const quint16 oldField = m_currentField;
    const quint16 oldPage = m_currentPage;
    m_currentField = index;
    // The old page may be gone (a sheet was removed): then nothing is committed.
    if (m_editor && IsField(oldField, oldPage) && HasSlot(oldField, oldPage))
        TextAt(Slot(oldField, oldPage)) = m_editor->WindowText();
    m_currentPage = page;
    if (m_editor) {
        SFieldRect rect;
        if (page == 1)
            rect = index < m_mainRects.size() ? m_mainRects.at(index) : SFieldRect{};
        else
            rect = index < m_contRects.size() ? m_contRects.at(index) : SFieldRect{};
        const SSlot s = Slot(index, page);
        const quint16 word = WordAt(s);
        m_editor->ShowField(rect, word, s.main ? m_mainTexts.at(s.pos) : m_contTexts.at(s.pos),
                            m_fonts.Font(CFieldFonts::kEditor, word & 0xEF, word & kBoldBit));
    }
    return 0;
}

// ---------------------------------------------------------------- file block

bool CKivEditWindow::AcceptsContFieldCount(quint16) const
{
    return true;
}

void CKivEditWindow::TrimTrailingWhiteSpace(QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    if (end != text.size())
        text.truncate(end);
}

void CKivEditWindow::Serialize(CArchiveWriter& ar)
{
    for (QString& t : m_mainTexts)
        TrimTrailingWhiteSpace(t);
    for (QString& t : m_contTexts)
        TrimTrailingWhiteSpace(t);
    WriteBlock(ar, m_mainTexts, m_mainAttrs, m_pageState, m_contCount, m_contTexts, m_contAttrs);
}

qsizetype CKivEditWindow::BlockSize() const
{
    return 4 + CArchiveWriter::StringListSize(m_mainTexts) + CArchiveWriter::WordListSize(m_mainAttrs) + 4
           + CArchiveWriter::StringListSize(m_contTexts) + CArchiveWriter::WordListSize(m_contAttrs);
}

void CKivEditWindow::WriteBlock(CArchiveWriter& ar, const QStringList& mainTexts, const QList<quint16>& mainAttrs,
                                quint16 pageState, quint16 contCount, const QStringList& contTexts,
                                const QList<quint16>& contAttrs)
{
    ar.WriteWord(kBlockTag);
    ar.WriteWord(kBlockVersion);
    ar.WriteStringList(mainTexts);
    ar.WriteWordList(mainAttrs);
    ar.WriteWord(pageState);
    ar.WriteWord(contCount);
    ar.WriteStringList(contTexts);
    ar.WriteWordList(contAttrs);
}

CKivEditWindow::ELoadResult CKivEditWindow::Serialize(CArchiveReader& ar)
{
    auto failure = [&ar]() {
        return ar.LastError() == CArchiveReader::Error::EndOfFile ? ELoadResult::kTruncated
                                                                   : ELoadResult::kInconsistent;
    };

    quint16 tag = 0;
    quint16 version = 0;
    if (!ar.ReadWord(tag))
        return failure();
    if (tag == kBlockTag && !ar.ReadWord(version))
        return failure();
    if (tag != kBlockTag || version > kBlockVersion) {
        SetFieldCount(1, 0, true);
        ResetCurrentField();
        return ELoadResult::kUnknownBlock;
    }

    // The field counts are 16 bits wide; longer lists cannot be a document.
    QStringList mainTexts;
    QList<quint16> mainAttrs;
    if (!ar.ReadStringList(mainTexts, 0xFFFF) || !ar.ReadWordList(mainAttrs, 0xFFFF))
        return failure();

    quint16 pageState = kModeSingle;
    quint16 contCount = 0;
    QStringList contTexts;
    QList<quint16> contAttrs;
    if (version == 2) {
        if (!ar.ReadWord(pageState) || !ar.ReadWord(contCount))
            return failure();
        const int mode = pageState & 0xF000;
        if (!AcceptsContFieldCount(contCount) || (mode != kModeSingle && mode != kModeContinued))
            return ELoadResult::kInconsistent;
        const int pages = mode == kModeSingle ? 1 : (pageState & 0xFF);
        // Continuation sheets without fields cannot be shown or edited.
        if (pages < 1 || (pages > 1 && contCount == 0))
            return ELoadResult::kInconsistent;
        // The lists must hold exactly K entries per continuation sheet.
        const quint32 expected = quint32(pages - 1) * contCount;
        if (!ar.ReadStringList(contTexts, expected) || !ar.ReadWordList(contAttrs, expected))
            return failure();
        if (quint32(contTexts.size()) != expected || quint32(contAttrs.size()) != expected)
            return ELoadResult::kInconsistent;
    }

    // Everything is read; now replace the engine's content. Trailing white
    // space goes as it would with the next save, so what is shown is what is kept.
    for (QString& t : mainTexts)
        TrimTrailingWhiteSpace(t);
    for (QString& t : contTexts)
        TrimTrailingWhiteSpace(t);
    const qsizetype textCount = mainTexts.size();
    // One attribute word per text: a missing word is a new field's word.
    ResizeWith<quint16>(mainAttrs, textCount, 1);
    const quint16 oldMain = m_mainCount;
    m_mainTexts = std::move(mainTexts);
    m_mainAttrs = std::move(mainAttrs);
    if (textCount > oldMain)
        SetFieldCount(static_cast<quint16>(textCount), 0, true);
    else
        SetFieldCount(oldMain, 0, false);

    if (version == 2) {
        SetFieldCount(m_mainCount, contCount, false);
        m_pageState = pageState;
        m_contTexts = std::move(contTexts);
        m_contAttrs = std::move(contAttrs);
    } else {
        m_pageState = kModeSingle;
        m_contCount = 0;
        m_contTexts.clear();
        m_contAttrs.clear();
        m_contRects.clear();
    }
    ResetCurrentField();
    return ELoadResult::kLoaded;
}

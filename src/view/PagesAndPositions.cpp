#include "PagesAndPositions.h"

#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldTable.h"
#include "fields/KivEditWindow.h"

namespace PagesAndPositions {

namespace {

// Continuation fields of box 3 (sheet number, number of sheets).
constexpr int kContSheetNumber = 9;
constexpr int kContSheetTotal = 10;
// Page-1 fields of box 3, box 5 and box 32.
constexpr int kMainSheetNumber = 11;
constexpr int kMainSheetTotal = 12;
constexpr int kMainPositionCount = 14;
constexpr int kMainPositionNumber = 30;
// Offset of box 32 from box 31 within a position.
constexpr int kPositionNumberOffset = 1;

// Sheets the engine really holds of the ones the document counts: nothing
// here may address a page beyond them.
int UsableSheets(const CKivEditWindow& e, int continuationCount)
{
    if (e.GetContFieldCount() < kContFieldCount)
        return 0;
    return qBound(0, continuationCount, e.GetPageCount() - 1);
}

// Writes a field; the field under the editor gets the text in the editor
// too, or the editor's stale text would be committed over it later.
void WriteField(CKivEditWindow& e, int index, int page, const QString& text)
{
    if (e.GetCurrentField() == index && e.GetCurrentPage() == page)
        e.SetCurrentText(text);
    else
        e.SetFieldText(quint16(index), text, quint16(page));
}

void CommitEditor(CKivEditWindow& e)
{
    e.ActivateField(e.GetCurrentField(), e.GetCurrentPage());
}

QString TrimmedRight(QString text)
{
    CKivEditWindow::TrimTrailingWhiteSpace(text);
    return text;
}

QString Number(int n)
{
    return QString::number(n);
}

QString EntryText(const CKivEditWindow& e, int page, int position)
{
    QString text = QStringLiteral("Position %1 auf Seite %2").arg(position).arg(page);
    if (page >= 2 && e.GetFieldTextLength(quint16(ContPositionFirstField(position)), quint16(page)) < kMinDescriptionListed)
        text += QStringLiteral(" (leer)");
    return text;
}

void CopyPosition(CKivEditWindow& e, const SPositionPlace& from, const SPositionPlace& to)
{
    for (int i = 0; i < kFieldsPerPosition; ++i)
        WriteField(e, to.firstField + i, to.page, e.GetFieldText(quint16(from.firstField + i), quint16(from.page)));
}

void ClearPosition(CKivEditWindow& e, const SPositionPlace& place)
{
    for (int i = 0; i < kFieldsPerPosition; ++i)
        WriteField(e, place.firstField + i, place.page, QString());
}

} // namespace

QString Text(int id)
{
    switch (id) {
    case kTextUnfilledPositions:
        return QStringLiteral("Um eine weitere Seite zufügen zu können\nmüssen erst alle Warenpositionen ausgefüllt\n"
                              "worden sein.\n(Sie müssen im Feld 31 jeweils mehr als\n5 Zeichen eingegeben)");
    case kTextRemoveLastPage:
        return QStringLiteral("Möchten Sie die letzte Formularseite wirklich\nlöschen? Alle Daten auf dieser Seite werden\n"
                              "unwiderruflich gelöscht.\n\nMöchten Sie fortfahren und die Seite Löschen?");
    case kTextTipCancel:
        return QStringLiteral("Dialog abbrechen");
    case kTextTipMoveSource:
        return QStringLiteral("Die Warenposition, die verschoben werden soll");
    case kTextTipMoveTarget:
        return QStringLiteral("Die Position, an die die Warenposition verschoben wird");
    case kTextTipMoveOk:
        return QStringLiteral("Warenposition verschieben und Dialog beenden");
    default:
        return QString();
    }
}

QString SheetLimitMessage()
{
    return QStringLiteral("Es können höchstens %1 Ergänzungsblätter angelegt werden.").arg(CKivEditWindow::kMaxContPages);
}

QString NoSheetLayoutMessage()
{
    return QStringLiteral("Dieses Dokument besteht nur aus der ersten Seite;\nes können keine Ergänzungsblätter angelegt werden.");
}

int ContPositionFirstField(int position)
{
    switch (position) {
    case 2: return 20;
    case 3: return 29;
    default: return 11;
    }
}

int ContPositionOfField(int field)
{
    if (field < 20)
        return 1;
    if (field < 29)
        return 2;
    return 3;
}

int MoveListIndex(int page, int position)
{
    return page <= 1 ? 0 : 3 * page - 6 + position;
}

std::optional<SPositionPlace> MoveIndexToPlace(int index, int continuationCount)
{
    if (index < 0)
        return std::nullopt;
    if (index == 0)
        return SPositionPlace{1, kMainPositionFirstField};
    const int page = 2 + (index - 1) / kPositionsPerSheet;
    if (page > continuationCount + 1)
        return std::nullopt;
    return SPositionPlace{page, ContPositionFirstField((index - 1) % kPositionsPerSheet + 1)};
}

QStringList MoveListEntries(const CKivEditWindow& engine, int continuationCount)
{
    QStringList entries{EntryText(engine, 1, 1)};
    const int sheets = UsableSheets(engine, continuationCount);
    for (int page = 2; page <= sheets + 1; ++page)
        for (int position = 1; position <= kPositionsPerSheet; ++position)
            entries << EntryText(engine, page, position);
    return entries;
}

int DeleteListIndex(int page, int position)
{
    return kPositionsPerSheet * (page - 2) + position - 1;
}

std::optional<SPositionPlace> DeleteIndexToPlace(int index, int continuationCount)
{
    if (index < 0)
        return std::nullopt;
    const int page = 2 + index / kPositionsPerSheet;
    if (page > continuationCount + 1)
        return std::nullopt;
    return SPositionPlace{page, ContPositionFirstField(index % kPositionsPerSheet + 1)};
}

QStringList DeleteListEntries(const CKivEditWindow& engine, int continuationCount)
{
    QStringList entries;
    const int sheets = UsableSheets(engine, continuationCount);
    for (int page = 2; page <= sheets + 1; ++page)
        for (int position = 1; position <= kPositionsPerSheet; ++position)
            entries << EntryText(engine, page, position);
    return entries;
}

bool MovePosition(CKivEditWindow& engine, int continuationCount, int fromIndex, int toIndex)
{
    const int sheets = UsableSheets(engine, continuationCount);
    const std::optional<SPositionPlace> from = MoveIndexToPlace(fromIndex, sheets);
    const std::optional<SPositionPlace> to = MoveIndexToPlace(toIndex, sheets);
    // Copying onto itself and then emptying the source would lose the position.
    if (!from || !to || *from == *to)
        return false;
    CommitEditor(engine);
    CopyPosition(engine, *from, *to);
    ClearPosition(engine, *from);
    return true;
}

// A deleted position leaves no hole: every later position of the sheets
// moves up one place, and the last place of the last sheet becomes empty.
// Only the eight texts that a move carries shift; "Code B. V." and the
// attribute words belong to the place, as they do when moving. The number
// of sheets stays, and the positions before the deleted one are untouched.
bool DeletePosition(CKivEditWindow& engine, int continuationCount, int index)
{
    const int sheets = UsableSheets(engine, continuationCount);
    if (!DeleteIndexToPlace(index, sheets))
        return false;
    CommitEditor(engine);
    const int places = kPositionsPerSheet * sheets;
    for (int k = index; k + 1 < places; ++k)
        CopyPosition(engine, *DeleteIndexToPlace(k + 1, sheets), *DeleteIndexToPlace(k, sheets));
    ClearPosition(engine, *DeleteIndexToPlace(places - 1, sheets));
    return true;
}

void FillPositionFields(CKivEditWindow& engine, int continuationCount)
{
    CommitEditor(engine);
    const int sheets = UsableSheets(engine, continuationCount);

    int total = 0;
    if (sheets >= 1) {
        for (int position = 1; position <= kPositionsPerSheet; ++position)
            total += int(TrimmedRight(engine.GetFieldText(quint16(ContPositionFirstField(position)), 2)).size());
    }
    WriteField(engine, kMainPositionNumber, 1, Number(1));

    int positions = 1;
    if (total == 0) {
        WriteField(engine, kMainSheetNumber, 1, QString());
        WriteField(engine, kMainSheetTotal, 1, QString());
    } else {
        WriteField(engine, kMainSheetNumber, 1, Number(1));
        WriteField(engine, kMainSheetTotal, 1, Number(sheets + 1));
        bool done = false;
        for (int page = 2; page <= sheets + 1 && !done; ++page) {
            WriteField(engine, kContSheetNumber, page, Number(page));
            WriteField(engine, kContSheetTotal, page, Number(sheets + 1));
            for (int position = 1; position <= kPositionsPerSheet; ++position) {
                const int first = ContPositionFirstField(position);
                if (TrimmedRight(engine.GetFieldText(quint16(first), quint16(page))).isEmpty()) {
                    done = true;
                    break;
                }
                ++positions;
                WriteField(engine, first + kPositionNumberOffset, page, Number(positions));
            }
        }
    }
    WriteField(engine, kMainPositionCount, 1, Number(positions));
}

bool LastSheetFilled(const CKivEditWindow& engine, int continuationCount, const QString* editorText)
{
    const int sheets = UsableSheets(engine, continuationCount);
    if (sheets < 1)
        return false;
    const int last = sheets + 1;
    for (int position = 1; position <= kPositionsPerSheet; ++position) {
        const int field = ContPositionFirstField(position);
        const bool underEditor = editorText && engine.GetCurrentField() == field && engine.GetCurrentPage() == last;
        const int length = underEditor ? int(editorText->size()) : engine.GetFieldTextLength(quint16(field), quint16(last));
        if (length < kMinDescriptionForNewSheet)
            return false;
    }
    return true;
}

EAddSheet AddSheet(CEinheitspapierDoc& doc)
{
    CKivEditWindow& e = doc.Engine();
    CommitEditor(e);
    const int c = doc.ContinuationCount();
    if (UsableSheets(e, c) < 1)
        return EAddSheet::kNoSheetLayout;
    if (!LastSheetFilled(e, c))
        return EAddSheet::kUnfilled;
    if (c >= CKivEditWindow::kMaxContPages)
        return EAddSheet::kLimit;
    doc.SetContinuationCount(quint16(c + 1));
    if (doc.ContinuationCount() != c + 1)
        return EAddSheet::kLimit;
    return EAddSheet::kAdded;
}

bool RemoveLastSheet(CEinheitspapierDoc& doc)
{
    const int c = doc.ContinuationCount();
    if (c < 2)
        return false;
    doc.SetContinuationCount(quint16(c - 1));
    return doc.ContinuationCount() == c - 1;
}

bool CopyStampsToNewSheet(const CSettingsStore& profile)
{
    return profile.ReadInt(SettingsSection::kDefaults, QStringLiteral("Stamp_A"), 0) == 1
        || profile.ReadInt(SettingsSection::kDefaults, QStringLiteral("Stamp_C"), 0) == 1;
}

void PrepareAddedSheet(CKivEditWindow& engine, int newPage, bool copyStamps)
{
    if (newPage < 2 || newPage > engine.GetPageCount() || engine.GetContFieldCount() < kContFieldCount)
        return;
    const quint16 page = quint16(newPage);
    // Box 2 (number, name and address) repeats the first sheet's.
    for (quint16 field : {quint16(7), quint16(8)}) {
        engine.ActivateField(field, page);
        engine.SetCurrentText(engine.GetFieldText(field, 2));
        engine.SetFieldSize(field, page, 3);
    }
    engine.ActivateField(0, page);
    for (int i = 0; i < kContFieldCount; ++i)
        engine.SetFieldSize(quint16(i), page, 3);
    if (copyStamps) {
        for (quint16 field = 1; field <= 8; ++field) {
            engine.ActivateField(field, page);
            engine.SetCurrentText(engine.GetFieldText(field, 2));
            engine.SetFieldAttributes(field, page, engine.GetFieldAttributes(field, 2));
        }
    }
    for (quint16 field = 38; field <= 42; ++field)
        engine.SetFieldSize(field, page, 1);
    // The editor takes the sizes just set only when it is placed again.
    engine.ActivateField(engine.GetCurrentField(), page);
}

} // namespace PagesAndPositions

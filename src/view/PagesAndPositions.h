#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class CEinheitspapierDoc;
class CKivEditWindow;
class CSettingsStore;

// Continuation sheets and the goods positions on them: what the page
// commands, the numbering of boxes 3, 5 and 32 and the move and delete
// dialogs decide. Plain functions on the engine and the document, so the
// command-line tool and tests can use them without a window.
namespace PagesAndPositions {

// Numbered texts of this part of the view.
enum ETextId : int {
    kTextUnfilledPositions = 22,
    kTextRemoveLastPage = 23,
    kTextTipCancel = 260,
    kTextTipMoveSource = 310,
    kTextTipMoveTarget = 311,
    kTextTipMoveOk = 312,
};
QString Text(int id);
// Shown when the page count cannot hold another sheet.
QString SheetLimitMessage();
// Shown when a document has no continuation layout at all.
QString NoSheetLayoutMessage();

// Boxes 31, 32, 33, 35, 38, 40, 44 and 44's second field move with a
// position; "Code B. V." right after them stays where it is.
constexpr int kFieldsPerPosition = 8;
constexpr int kMainPositionFirstField = 29;
constexpr int kPositionsPerSheet = 3;
// A new sheet needs every position of the last one described this far.
constexpr int kMinDescriptionForNewSheet = 4;
// Shorter descriptions are listed as empty.
constexpr int kMinDescriptionListed = 3;

// First field (box 31) of position 1..3 of a continuation sheet.
int ContPositionFirstField(int position);
// Position 1..3 a continuation field belongs to (box 2 and above count as 1).
int ContPositionOfField(int field);

// One goods position: its page and the field of its box 31.
struct SPositionPlace
{
    int page = 1;
    int firstField = kMainPositionFirstField;
    friend bool operator==(const SPositionPlace&, const SPositionPlace&) = default;
};

// The move lists hold page 1's position first, then three per sheet.
int MoveListIndex(int page, int position);
std::optional<SPositionPlace> MoveIndexToPlace(int index, int continuationCount);
QStringList MoveListEntries(const CKivEditWindow& engine, int continuationCount);

// The delete list holds the positions of the continuation sheets only.
int DeleteListIndex(int page, int position);
std::optional<SPositionPlace> DeleteIndexToPlace(int index, int continuationCount);
QStringList DeleteListEntries(const CKivEditWindow& engine, int continuationCount);

// Copies the position's texts to the target and empties the source; the
// target's texts are overwritten. Returns whether anything changed: false
// for an index outside the lists and for a move onto itself.
bool MovePosition(CKivEditWindow& engine, int continuationCount, int fromIndex, int toIndex);
// Removes a position of a continuation sheet (delete-list index); the later
// positions close the gap. Returns false for an index outside the list.
bool DeletePosition(CKivEditWindow& engine, int continuationCount, int index);

// Numbers the sheets (box 3), the positions (box 32) and writes their count
// (box 5), after committing the editor's text.
void FillPositionFields(CKivEditWindow& engine, int continuationCount);

// Whether every position of the last sheet is described enough for another
// sheet. editorText, when given, stands for the field under the editor,
// whose text may not be committed yet.
bool LastSheetFilled(const CKivEditWindow& engine, int continuationCount, const QString* editorText = nullptr);

enum class EAddSheet {
    kAdded,
    kUnfilled,    // a position of the last sheet is not described: text 22
    kLimit,       // the page count holds no more sheets
    kNoSheetLayout, // a document of page 1 only
};
// Adds a continuation sheet to the document when the last one is filled;
// nothing changes unless the answer is kAdded.
EAddSheet AddSheet(CEinheitspapierDoc& doc);
// Drops the last continuation sheet with its texts; the first one always
// stays. Returns whether a sheet was removed.
bool RemoveLastSheet(CEinheitspapierDoc& doc);
// Whether a new sheet takes its box 1 to 2 texts from the first sheet.
bool CopyStampsToNewSheet(const CSettingsStore& profile);
// Sets up the sheet just added on `newPage`: box 2 and, if wanted, the
// stamp fields from the first continuation sheet, and its field sizes.
void PrepareAddedSheet(CKivEditWindow& engine, int newPage, bool copyStamps);

} // namespace PagesAndPositions

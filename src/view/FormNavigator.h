#pragma once

#include <QPoint>
#include <QString>

#include <optional>

class CFieldDefinitions;
class CSettingsStore;
class CKivEditWindow;

// Moves the caret from field to field the way the form wants it: not
// editable fields are passed over in the direction of travel, moving past the
// last field wraps to the first. The view supplies scrolling and status.
class CFormNavigator
{
public:
    class IHost
    {
    public:
        virtual ~IHost() = default;
        virtual void EnsureVisible() = 0;
        virtual void UpdateStatusPanes() = 0;
        virtual void FocusEditor() = 0;
        virtual int FormVariant() const = 0;
        // The profile whose `VURivi_Defaults` are read at each move.
        virtual const CSettingsStore& NavigatorSettings() const = 0;
        virtual void ShowMessage(const QString& text) = 0;
        // Numbers boxes 3, 5 and 32.
        virtual void FillPositionFields() = 0;
        // The three-line input: the text after OK, none after "Abbrechen".
        virtual std::optional<QString> RunTextInput3L(const QString& text) = 0;
        virtual void DocumentModified() = 0;
    };

    // The message when a "Ctr." box holds neither a yes nor a no.
    static const QString kCtrMessage;

    // Request bounds of next/previous field: past them the caret wraps.
    static constexpr int kMainBound = 105;
    static constexpr int kContBound = 70;

    CFormNavigator(CKivEditWindow& engine, const CFieldDefinitions& definitions, IHost& host);

    // Leaves the current field (committing the editor) and arrives at field
    // `field` of `page` (0: the current page). Returns 0.
    int GoToField(int field, int page);
    // Tab and Shift+Tab on the page the view shows.
    void NextField(int shownPage);
    void PreviousField(int shownPage);

    bool IsEditable(int field, int page) const;

    // Whether F2 has a picker for the field of that page.
    static bool HasPresets(int field, int page);
    // The three-line input over the current field; moves on afterwards.
    void TextInput3L(int field, int page);

    // The first editable field of the sheet kind whose rectangle at the zoom
    // contains the point (0.1 mm, y downwards); -1 for none.
    int HitTest(QPoint point, int sheetKind, int zoom) const;

private:
    int GoToFieldChecked(int field, int page);
    int ReadSetting(const char* key, int defaultValue) const;
    bool CtrRejected(int ctrField) const;
    void NextFieldCommand();

    // One move the user asked for, with all the moves nested in it.
    struct SMove
    {
        explicit SMove(CFormNavigator& n);
        ~SMove();
        CFormNavigator& navigator;
    };

    CKivEditWindow& m_engine;
    const CFieldDefinitions& m_definitions;
    IHost& m_host;
    bool m_inNextField = false;
    int m_openMoves = 0;
    int m_visits = 0;
};

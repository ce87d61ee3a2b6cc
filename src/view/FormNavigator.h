#pragma once

#include <QPoint>

class CFieldDefinitions;
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
    };

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

    // The first editable field of the sheet kind whose rectangle at the zoom
    // contains the point (0.1 mm, y downwards); -1 for none.
    int HitTest(QPoint point, int sheetKind, int zoom) const;

private:
    int GoToFieldChecked(int field, int page);

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

#pragma once

#include "platform/LogFont.h"

#include <QList>
#include <QString>

// The printed picture of both sheet kinds: rules and frames as groups of line
// segments, captions with their fonts, all in 0.1 mm with y negative
// downwards. Scaled copies for one zoom are made once and then only walked.
class CFormLayout
{
public:
    enum EPen { kThinGreen, kHeavyGreen, kDottedGreen, kThinBlack, kHeavyBlack };
    enum ECondition { kAlways, kStampA, kStampC };
    enum EFont { kFontA, kFontB, kFontC };

    struct SSegment
    {
        int x1, y1, x2, y2;
    };
    struct SGroup
    {
        EPen pen;
        ECondition condition; // on continuation sheets kStampC means the C2 frame
        QList<SSegment> segments;
    };
    struct SCaption
    {
        EFont font;
        int x, y;
        QString text;
    };
    struct SSheet
    {
        QList<SGroup> groups;
        QList<SCaption> captions;
    };

    // sheetKind 1: page 1; anything else: continuation sheet.
    static const int* RawLineTable(int sheetKind, int* size);

    // Scales every table value v to trunc(v * zoom / 10). The group structure
    // comes from the unscaled table, so it holds at every zoom.
    explicit CFormLayout(int zoom);

    int Zoom() const { return m_zoom; }
    const SSheet& Sheet(int sheetKind) const { return sheetKind == 1 ? m_first : m_cont; }
    // Fonts A, B and C: cell heights 4z, 3z and trunc(32z / 12); weight 800 for A.
    SLogFont Font(EFont font) const;

    static int Scale(int value, int zoom) { return value * zoom / 10; }

private:
    int m_zoom;
    SSheet m_first;
    SSheet m_cont;
};

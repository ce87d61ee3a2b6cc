#pragma once

#include <QString>
#include <QStringList>

// The pictures compiled into the program (resources.qrc, part of t2l_gui) and
// where the manual lies. They register themselves at start-up: anything that
// links t2l_gui can open them; no Q_INIT_RESOURCE is needed. All are SVG and
// load through Qt's SVG plugin (QIcon, QImage, QPixmap).
namespace ResourceNames {

// Program icon (also the desktop icon) and the icon of .t2l documents.
inline const QString kAppIcon = QStringLiteral(":/icons/app.svg");
inline const QString kDocumentIcon = QStringLiteral(":/icons/document.svg");

// Paper orientation in the print dialog.
inline const QString kPortraitIcon = QStringLiteral(":/icons/portrait.svg");
inline const QString kLandscapeIcon = QStringLiteral(":/icons/landscape.svg");

// Splash picture; draw it at its own size so the free places below fit.
inline const QString kSplash = QStringLiteral(":/splash/splash.svg");
inline constexpr int kSplashWidth = 500;
inline constexpr int kSplashHeight = 330;
// Places the picture leaves free for the texts the program paints over it
// (pixels, y is the baseline).
inline constexpr int kSplashNoticeRight = 480; // maker's notice, right-aligned
inline constexpr int kSplashNoticeY = 18;
inline constexpr int kSplashMakerX = 60; // maker's name, left-aligned
inline constexpr int kSplashMakerY = 100;
inline constexpr int kSplashVersionCentreX = 361; // version, white, on the green band
inline constexpr int kSplashVersionY = 175;
inline constexpr int kSplashWebCentreX = 250; // web addresses, red, on the white foot
inline constexpr int kSplashWebY = 312;

// Cursors, 32 x 32, with their hotspots.
inline constexpr int kCursorSize = 32;
inline const QString kFormCursor = QStringLiteral(":/cursors/form.svg"); // arrow over the form
inline constexpr int kFormCursorHotX = 2;
inline constexpr int kFormCursorHotY = 2;
inline const QString kFieldCursor = QStringLiteral(":/cursors/field.svg"); // over an editable field
inline constexpr int kFieldCursorHotX = 10;
inline constexpr int kFieldCursorHotY = 15;

// Toolbar pictures, designed at 16 x 16, one per command id.
inline constexpr int kToolbarIconSize = 16;
inline constexpr int kToolbarIconIds[] = {
    57665, // Beenden
    57600, // Neu
    57601, // Öffnen
    57603, // Speichern
    57635, // Ausschneiden
    57634, // Kopieren
    57637, // Einfügen
    32809, // Vorgaben einfügen
    32866, // Anzeige größer
    32867, // Anzeige kleiner
    32779, // Schrift größer
    32781, // Schrift kleiner
    32783, // Fettschrift
    32785, // linksbündig
    32787, // zentriert
    32789, // rechtsbündig
    32844, // Felder 3, 5 und 32 aktualisieren
    32791, // Ränder
    57607, // Drucken
    32817, // erste Seite
    32816, // vorherige Seite
    32815, // nächste Seite
    32818, // letzte Seite
    32819, // Seite anfügen
    57664, // Info
    57670, // Hilfe
};

// ":/toolbar/<id>.svg"; empty for a command without a picture.
inline QString ToolbarIcon(int commandId)
{
    for (int id : kToolbarIconIds) {
        if (id == commandId)
            return QStringLiteral(":/toolbar/%1.svg").arg(commandId);
    }
    return QString();
}

// Arrow buttons of the margins dialog, 32 x 32, in three looks.
inline constexpr int kArrowSize = 32;
inline const QString kArrowNames[] = {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("up"),
                                      QStringLiteral("down")};
inline const QString kArrowLooks[] = {QStringLiteral("normal"), QStringLiteral("pressed"), QStringLiteral("focused")};
// ":/arrows/<direction>-<look>.svg"
inline QString ArrowPicture(const QString& direction, const QString& look)
{
    return QStringLiteral(":/arrows/%1-%2.svg").arg(direction, look);
}

// Every path above, for checks that all of them load.
inline QStringList AllPaths()
{
    QStringList paths = {kAppIcon, kDocumentIcon, kPortraitIcon, kLandscapeIcon, kSplash, kFormCursor, kFieldCursor};
    for (int id : kToolbarIconIds)
        paths << ToolbarIcon(id);
    for (const QString& direction : kArrowNames)
        for (const QString& look : kArrowLooks)
            paths << ArrowPicture(direction, look);
    return paths;
}

// The manual (PDF). In the build tree it lies beside the executable; installed,
// it lies at this path relative to the executable's folder
// (<prefix>/bin/velmora-t2l -> <prefix>/share/velmora-t2l/velmora-t2l.pdf).
// A second copy goes to <prefix>/share/doc/velmora-t2l/ for the reader.
inline const QString kManualFile = QStringLiteral("velmora-t2l.pdf");
inline const QString kManualInstalledFromExecutable =
    QStringLiteral("../share/velmora-t2l/velmora-t2l.pdf");

} // namespace ResourceNames

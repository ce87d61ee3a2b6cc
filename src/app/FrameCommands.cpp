#include "FrameCommands.h"

#include "CommandTable.h"

namespace FrameCommands {

const QList<SCommand>& Rows()
{
    using K = QKeySequence;
    static const QList<SCommand> rows = {
        {Cmd::kNew, QStringLiteral("&Neu"), {K(Qt::CTRL | Qt::Key_N)}, QStringLiteral("Erstellt ein neues Dokument."), QStringLiteral("Neu")},
        {Cmd::kOpen, QStringLiteral("Ö&ffnen..."), {K(Qt::CTRL | Qt::Key_O)}, QStringLiteral("Öffnet ein bestehendes Dokument."), QStringLiteral("Öffnen")},
        {Cmd::kClose, QStringLiteral("&Schließen"), {K(Qt::CTRL | Qt::Key_F4)}, QStringLiteral("Schließt das aktive Dokument."), QStringLiteral("Schließen")},
        {Cmd::kSave, QStringLiteral("&Speichern"), {K(Qt::CTRL | Qt::Key_S)}, QStringLiteral("Speichert das aktive Dokument."), QStringLiteral("Speichern")},
        {Cmd::kSaveAs, QStringLiteral("Speichern &unter..."), {}, QStringLiteral("Speichert das aktive Dokument unter einem neuen Namen."), QStringLiteral("Speichern unter")},
        {Cmd::kPrintSetup, QStringLiteral("Dru&ckeinrichtung..."), {}, QStringLiteral("Ändert den Drucker und die Druckoptionen."), QStringLiteral("Druckeinrichtung")},
        {Cmd::kPrint, QStringLiteral("&Drucken..."), {K(Qt::CTRL | Qt::Key_P)}, QStringLiteral("Druckt eine Seite des Formulars auf den Vordruck."), QStringLiteral("Drucken")},
        {Cmd::kPrintPreview, QStringLiteral("Seiten&ansicht..."), {}, QStringLiteral("Zeigt eine Seite so, wie sie auf den Vordruck gedruckt wird."), QStringLiteral("Seitenansicht")},
        {Cmd::kAbout, QStringLiteral("&Info über Velmora-T2L..."), {}, QStringLiteral("Zeigt Programminformationen, Versionsnummer und Copyright an."), QStringLiteral("Info")},
        {Cmd::kExit, QStringLiteral("&Beenden"), {K(Qt::ALT | Qt::Key_F4)}, QStringLiteral("Beendet das Programm; Sie werden zum Speichern geänderter Dokumente aufgefordert."), QStringLiteral("Beenden")},
        {Cmd::kHelp, QStringLiteral("&Hilfe allgemein\tF1"), {K(Qt::Key_F1)}, QStringLiteral("Öffnet das Handbuch."), QStringLiteral("Hilfe")},
        {Cmd::kHelpIndex, QStringLiteral("Handbuch"), {}, QStringLiteral("Öffnet das Handbuch."), QStringLiteral("Hilfe")},
        {Cmd::kNextPane, QStringLiteral("Nächstes Fenster"), {K(Qt::Key_F6)}, QStringLiteral("Wechselt zum nächsten Dokumentfenster."), QStringLiteral("Nächstes Fenster")},
        {Cmd::kPreviousPane, QStringLiteral("Vorheriges Fenster"), {K(Qt::SHIFT | Qt::Key_F6)}, QStringLiteral("Wechselt zum vorherigen Dokumentfenster."), QStringLiteral("Vorheriges Fenster")},
        {Cmd::kStatusBar, QStringLiteral("Status&leiste"), {}, QStringLiteral("Blendet die Statusleiste ein oder aus."), QStringLiteral("Statusleiste")},
        {Cmd::kCustomize, QStringLiteral("Anpassen..."), {}, QStringLiteral("Passt die Symbolleisten an."), QStringLiteral("Anpassen")},
        {Cmd::kWindowList, QStringLiteral("&Fenster..."), {}, QStringLiteral("Zeigt die Liste der geöffneten Dokumentfenster."), QStringLiteral("Fenster")},
        {Cmd::kMargins, QStringLiteral("&Ränder..."), {K(Qt::Key_F9)}, QStringLiteral("Stellt die Druckränder der Formularseiten ein."), QStringLiteral("Ränder")},
        {Cmd::kPrinterFontSizes, QStringLiteral("&Druckerschriftgrößen korrigieren..."), {}, QStringLiteral("Passt die Schriftgrößen beim Drucken an."), QStringLiteral("Druckerschriftgrößen")},
        {Cmd::kCalibrationSheet, QStringLiteral("&Kalibrierblatt drucken..."), {}, QStringLiteral("Druckt Formularlinien, Positionierungsmarke und Maßstäbe auf weißes Papier, um einen Drucker einzurichten."), QStringLiteral("Kalibrierblatt")},
        {Cmd::kHomepage, QStringLiteral("Homepage im Internet..."), {}, QStringLiteral("Öffnet die Webseite des Herstellers im Browser."), QStringLiteral("Homepage")},
        {Cmd::kFormPresets, QStringLiteral("&Formularvorgaben..."), {K(Qt::Key_F8)}, QStringLiteral("Bearbeitet die Vorgaben für neue Formulare und Stempel."), QStringLiteral("Formularvorgaben")},
        {Cmd::kInternalInfo, QStringLiteral("Interne Informationen"), {K(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_I)}, QStringLiteral("Zeigt Programm- und Systeminformationen."), QString()},
        {Cmd::kResetFonts, QStringLiteral("Schriftgrößen zurücksetzen"), {K(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F)}, QStringLiteral("Setzt die Schriftgrößen auf die Ursprungswerte zurück."), QString()},
        {Cmd::kResetMenus, QStringLiteral("Menüs und Symbolleisten zurücksetzen"), {K(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_M)}, QStringLiteral("Setzt Menüs und Symbolleisten auf die Ursprungswerte zurück."), QString()},
        {Cmd::kResetAll, QStringLiteral("Alle Einstellungen löschen"), {K(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_R)}, QStringLiteral("Löscht alle Einstellungen des Programms."), QString()},
        {Cmd::kPrintSizeCorrection, QStringLiteral("Druckbereich korrigieren"), {K(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_P)}, QStringLiteral("Korrigiert den Druckbereich."), QString()},
        {Cmd::kMasterData, QStringLiteral("Sta&mmdaten..."), {K(Qt::Key_F7)}, QStringLiteral("Bearbeitet die Stammdaten der Waren."), QStringLiteral("Stammdaten")},
        {Cmd::kProgramOptions, QStringLiteral("Programmvorgaben und Einstellungen..."), {}, QStringLiteral("Legt Datenpfade und Programmeinstellungen fest."), QStringLiteral("Programmeinstellungen")},
    };
    return rows;
}

} // namespace FrameCommands

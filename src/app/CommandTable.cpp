#include "CommandTable.h"

#include "FrameCommands.h"

#include <QHash>

namespace {

QList<SCommand> BuildTable()
{
    using K = QKeySequence;
    return {
        {Cmd::kInsertPresets, QStringLiteral("Vor&gaben einfügen..."), {K(Qt::Key_F2)}, QStringLiteral("Vorgaben für das aktuelle Feld einfügen")},
        {Cmd::kUndo, QStringLiteral("&Rückgängig"), {K(Qt::ALT | Qt::Key_Backspace)}, QStringLiteral("Die letzte Änderung rückgängig machen")},
        {Cmd::kCut, QStringLiteral("&Ausschneiden"), {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}, QStringLiteral("Die Markierung ausschneiden und in die Zwischenablage legen")},
        {Cmd::kCopy, QStringLiteral("&Kopieren"), {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}, QStringLiteral("Die Markierung in die Zwischenablage kopieren")},
        {Cmd::kPaste, QStringLiteral("E&infügen"), {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}, QStringLiteral("Den Inhalt der Zwischenablage einfügen")},
        {Cmd::kSelectAll, QStringLiteral("Alles &markieren"), {K(Qt::CTRL | Qt::Key_A)}, QStringLiteral("Den ganzen Text des Feldes markieren")},
        {Cmd::kInsertMode, QStringLiteral("Einfügemodus"), {}, QStringLiteral("Zwischen Einfügen und Überschreiben wechseln")},
        {Cmd::kNextField, QStringLiteral("&Nächstes Eingabefeld"), {}, QStringLiteral("Zum nächsten Eingabefeld")},
        {Cmd::kPreviousField, QStringLiteral("&Voheriges Eingabefeld"), {}, QStringLiteral("Zum vorherigen Eingabefeld")},
        {Cmd::kFontLarger, QStringLiteral("Schrift &größer"), {}, QStringLiteral("Die Schrift des Feldes vergrößern")},
        {Cmd::kFontSmaller, QStringLiteral("Schrift k&leiner"), {}, QStringLiteral("Die Schrift des Feldes verkleinern")},
        {Cmd::kFontBold, QStringLiteral("Schrift &fett"), {}, QStringLiteral("Die Schrift des Feldes fett oder normal")},
        {Cmd::kAlignLeft, QStringLiteral("Text linksbündig"), {K(Qt::CTRL | Qt::Key_L)}, QStringLiteral("Den Text links ausrichten")},
        {Cmd::kAlignCentre, QStringLiteral("Text zentriert"), {K(Qt::CTRL | Qt::Key_Z)}, QStringLiteral("Den Text zentrieren")},
        {Cmd::kAlignRight, QStringLiteral("Text rechtsbündig"), {K(Qt::CTRL | Qt::Key_R)}, QStringLiteral("Den Text rechts ausrichten")},
        {Cmd::kZoomIn, QStringLiteral("Anzeige &größer"), {K(Qt::CTRL | Qt::Key_Plus)}, QStringLiteral("Das Formular größer anzeigen")},
        {Cmd::kZoomOut, QStringLiteral("Anzeige &kleiner"), {K(Qt::CTRL | Qt::Key_Minus)}, QStringLiteral("Das Formular kleiner anzeigen")},
        {Cmd::kNextPage, QStringLiteral("&Nächste Seite"), {K(Qt::CTRL | Qt::Key_Right)}, QStringLiteral("Zur nächsten Seite des Formulars wechseln")},
        {Cmd::kPreviousPage, QStringLiteral("&Vorherige Seite"), {K(Qt::CTRL | Qt::Key_Left)}, QStringLiteral("Zur vorherigen Seite des Formulars wechseln")},
        {Cmd::kFirstPage, QStringLiteral("&Erste Seite"), {K(Qt::CTRL | Qt::Key_Home)}, QStringLiteral("Zur ersten Seite des Formulars wechseln")},
        {Cmd::kLastPage, QStringLiteral("&Letzte Seite"), {K(Qt::CTRL | Qt::Key_End)}, QStringLiteral("Zur letzten Seite des Formulars wechseln")},
        {Cmd::kAddPage, QStringLiteral("Seite hin&zufügen"), {K(Qt::Key_F10)}, QStringLiteral("Ein weiteres Ergänzungsblatt anfügen")},
        {Cmd::kFillPositions, QStringLiteral("&Felder 3, 5 und 32 aktualisieren"), {}, QStringLiteral("Blattnummern (Feld 3), Anzahl der Positionen (Feld 5) und Positionsnummern (Feld 32) eintragen")},
        {Cmd::kMovePosition, QStringLiteral("Warenposition verschieben..."), {}, QStringLiteral("Eine Warenposition an eine andere Stelle verschieben")},
        {Cmd::kDeletePosition, QStringLiteral("Warenposition löschen..."), {}, QStringLiteral("Eine Warenposition eines Ergänzungsblattes löschen")},
        {Cmd::kRemoveLastPage, QStringLiteral("Letzte Formularseite entfernen"), {}, QStringLiteral("Das letzte Ergänzungsblatt mit allen seinen Daten entfernen")},
    };
}

} // namespace

namespace CommandTable {

// The commands a form view handles (BuildTable); the rest are the frame's.
const QList<SCommand>& ViewRows();

const QList<SCommand>& ViewRows()
{
    static const QList<SCommand> rows = BuildTable();
    return rows;
}

const QList<SCommand>& All()
{
    static const QList<SCommand> table = ViewRows() + FrameCommands::Rows();
    return table;
}

const SCommand* Find(int id)
{
    static const QHash<int, const SCommand*> index = [] {
        QHash<int, const SCommand*> h;
        for (const SCommand& c : All())
            h.insert(c.id, &c);
        return h;
    }();
    return index.value(id, nullptr);
}

bool IsViewCommand(int id)
{
    for (const SCommand& c : ViewRows())
        if (c.id == id)
            return true;
    return false;
}

const QList<SMenuEntry>& EditorContextMenu()
{
    static const QList<SMenuEntry> menu = {
        {Cmd::kInsertPresets, QStringLiteral("Vor&gaben einfügen...")},
        {0, QString()},
        {Cmd::kUndo, QStringLiteral("&Rückgängig")},
        {Cmd::kCut, QStringLiteral("&Ausschneiden")},
        {Cmd::kCopy, QStringLiteral("&Kopieren")},
        {Cmd::kPaste, QStringLiteral("&Einfügen")},
        {Cmd::kSelectAll, QStringLiteral("Alles &markieren")},
        {Cmd::kInsertMode, QStringLiteral("Einfügemodus")},
        {0, QString()},
        {Cmd::kNextField, QStringLiteral("&Nächstes Eingabefeld")},
        {Cmd::kPreviousField, QStringLiteral("&Voheriges Eingabefeld")},
        {0, QString()},
        {Cmd::kFontLarger, QStringLiteral("Schrift &größer")},
        {Cmd::kFontSmaller, QStringLiteral("Schrift k&leiner")},
        {Cmd::kFontBold, QStringLiteral("Schrift &fett")},
        {0, QString()},
        {Cmd::kAlignLeft, QStringLiteral("Text linksbündig")},
        {Cmd::kAlignCentre, QStringLiteral("Text zentriert")},
        {Cmd::kAlignRight, QStringLiteral("Text rechtsbündig")},
    };
    return menu;
}

} // namespace CommandTable

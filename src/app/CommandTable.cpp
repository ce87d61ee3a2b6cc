#include "CommandTable.h"

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
    };
}

} // namespace

namespace CommandTable {

const SCommand* Find(int id)
{
    static const QList<SCommand> table = BuildTable();
    static const QHash<int, const SCommand*> index = [] {
        QHash<int, const SCommand*> h;
        for (const SCommand& c : table)
            h.insert(c.id, &c);
        return h;
    }();
    return index.value(id, nullptr);
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

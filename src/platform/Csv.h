#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values in UTF-8 for imports and exports of master data:
// values in double quotes may hold separators, line breaks and doubled
// quotation marks ("" for one). A byte order mark at the start is skipped.
namespace Csv {

struct SRow
{
    int line = 0; // line of the file where the row begins, from 1
    QStringList values;
};

// Rows of the text; lines that are entirely empty are left out. Line breaks
// inside quoted values become CR LF, the program's line break in texts.
// False with a German reason naming the line for text that is not UTF-8 or
// a quoted value that never ends.
bool Parse(const QByteArray& utf8, QList<SRow>& rows, QString* error, QChar separator = u',');

// One line per row, ended by CR LF; values are quoted where they need it.
QByteArray Format(const QList<QStringList>& rows, QChar separator = u',');

// Finds each wanted column in the header row, case-insensitive and ignoring
// blanks around the names; -1 for a column that is not there.
QList<int> ColumnIndexes(const QStringList& header, const QStringList& wanted);

} // namespace Csv

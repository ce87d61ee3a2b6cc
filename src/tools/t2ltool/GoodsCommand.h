#pragma once

#include <QStringList>

// t2ltool goods import FILE.csv [--table PATH]
// t2ltool goods export FILE.csv [--table PATH]
// args are the whole command line, program name first. Exit status: 0 done,
// 1 a file could not be read or written or a row was refused, 2 wrong usage.
int RunGoodsCommand(const QStringList& args);

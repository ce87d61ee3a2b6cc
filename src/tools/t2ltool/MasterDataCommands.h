#pragma once

#include <QStringList>

// t2ltool dbf-dump FILE.dbf: the table as JSON through the table engine.
int RunDbfDump(const QStringList& args);
// t2ltool addresses import|export FILE.csv [--table PATH]
int RunAddressCommand(const QStringList& args);

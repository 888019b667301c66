#pragma once

#include <QString>
#include <QStringList>

namespace lexaro::words {

// Each takes the arguments after its name and the --database given before it, if any, and
// returns the exit status.
int runLookup(const QStringList& arguments, const QString& databaseBefore);
int runImport(const QStringList& arguments, const QString& databaseBefore);
int runExport(const QStringList& arguments, const QString& databaseBefore);

} // namespace lexaro::words

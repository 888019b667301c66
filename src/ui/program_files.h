#pragma once

#include <QString>

namespace lexaro {

// Files the program ships beside its executable, named by a path relative to the program
// folder that starts with a backslash ("\Message box\Warning.wav").
QString programFile(QStringView relativePath);

} // namespace lexaro

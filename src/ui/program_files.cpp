#include "ui/program_files.h"

#include <QCoreApplication>

namespace lexaro {

QString programFile(QStringView relativePath)
{
    QString relative = relativePath.toString();
    relative.replace(u'\\', u'/');
    return QCoreApplication::applicationDirPath() + relative;
}

} // namespace lexaro

#include "ui/program_exit.h"

#include <QCoreApplication>

namespace lexaro {

void ProgramExit::end(int status)
{
    m_ending = true;
    QCoreApplication::exit(status);
}

} // namespace lexaro

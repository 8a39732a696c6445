// ovata-scripthost: runs `-e 'do shell script "…" with administrator
// privileges'` through pkexec. Lies beside the application.
#include "pkexechost.h"

#include <QCoreApplication>

#include <cstdio>

#ifndef OVATA_PKEXEC_PROGRAM
#define OVATA_PKEXEC_PROGRAM "/usr/bin/pkexec"
#endif

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const auto answer = PkexecHost::run(arguments, QString::fromUtf8(OVATA_PKEXEC_PROGRAM));
    std::fwrite(answer.errorOutput.constData(), 1, static_cast<size_t>(answer.errorOutput.size()),
                stderr);
    return answer.exitCode;
}

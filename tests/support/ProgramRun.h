#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One finished run of a program: its exit status and both output channels.
struct ProgramRun
{
    int exitCode = -1; // -1: did not finish in time or could not start
    QByteArray out;
    QByteArray err;

    static ProgramRun of(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 10000);
};

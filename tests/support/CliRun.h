// Runs vxl-r381-cli (or another program) with arguments and optional
// standard input, and collects the exit code and both outputs.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRunResult {
    int exitCode = -1; // -1: crashed or hung
    QByteArray out;
    QByteArray err;
};

#ifdef VXL_CLI_PATH
inline QString CliPath()
{
    return QStringLiteral(VXL_CLI_PATH);
}
#else
inline QString CliPath()
{
    return QString();
}
#endif

inline CliRunResult RunProgram(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, args);
    CliRunResult result;
    if (!process.waitForStarted(30000))
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline CliRunResult RunCliTool(const QStringList &args, const QByteArray &input = {})
{
    return RunProgram(CliPath(), args, input);
}

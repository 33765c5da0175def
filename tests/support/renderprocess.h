// SPDX-License-Identifier: GPL-2.0-or-later
// przelew-render run as a user runs it: its exit code and what it wrote to standard output and error.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace testsupport {

struct RenderRun {
    int exitCode = -1; // -1: it crashed or did not finish
    QString out;
    QString err;
};

struct RenderOptions {
    // The regional settings the program runs under (the sample file is written the Polish way).
    QString locale = QStringLiteral("pl_PL.UTF-8");
    QString cupsServer; // empty: the environment's
    bool withoutDefaultPrinter = false; // PRINTER removed from the environment
    QString dataHome; // XDG_DATA_HOME (where the transfer log lives); empty: the environment's
    int timeoutMs = 60000;

    static RenderOptions underLocale(const QString& locale)
    {
        RenderOptions options;
        options.locale = locale;
        return options;
    }
    static RenderOptions withCupsServer(const QString& server)
    {
        RenderOptions options;
        options.cupsServer = server;
        return options;
    }
};

inline RenderRun runRenderer(
    const QString& program, const QStringList& args, const RenderOptions& options = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), options.locale);
    if (!options.cupsServer.isEmpty())
        environment.insert(QStringLiteral("CUPS_SERVER"), options.cupsServer);
    if (options.withoutDefaultPrinter)
        environment.remove(QStringLiteral("PRINTER"));
    if (!options.dataHome.isEmpty())
        environment.insert(QStringLiteral("XDG_DATA_HOME"), options.dataHome);
    process.setProcessEnvironment(environment);
    process.start(program, args);
    process.waitForFinished(options.timeoutMs);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError()) };
}

#ifdef PRZELEW_RENDER
// The renderer of this build.
inline RenderRun render(const QStringList& args, const RenderOptions& options = {})
{
    return runRenderer(QStringLiteral(PRZELEW_RENDER), args, options);
}
#endif

#ifdef PRZELEW_TEST_DATA
// The sample transfer file among the fixtures.
inline QString sample()
{
    return QStringLiteral(PRZELEW_TEST_DATA "/transfers/sample.txt");
}
#endif

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testsupport

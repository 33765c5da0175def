// SPDX-License-Identifier: GPL-2.0-or-later
#include "spooler.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace spooler {

namespace {

// Every client in this programme, Qt's printer list included, talks to the private cupsd only.
// A user default from the caller's shell would hide the spooler's own default.
const bool serverChosen = [] {
    qputenv("CUPS_SERVER", QByteArrayLiteral(PRZELEW_CUPS_DIR "/cups.sock"));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    return true;
}();

} // namespace

QString folder()
{
    return QStringLiteral(PRZELEW_CUPS_DIR);
}

QString unavailableReason()
{
    QFile marker(folder() + QStringLiteral("/unavailable"));
    if (marker.open(QIODevice::ReadOnly))
        return QString::fromUtf8(marker.readAll()).trimmed();
    if (!QFile::exists(folder() + QStringLiteral("/cups.sock")))
        return QStringLiteral("the private cupsd is not running; run these tests through ctest");
    return {};
}

QString cupsPdfFolder()
{
    QFile file(folder() + QStringLiteral("/cups-pdf-out"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

int waitForJob(const QString& printer, int id)
{
    const QByteArray name = printer.toUtf8();
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 0, CUPS_WHICHJOBS_ALL);
        int state = 0;
        for (int i = 0; i < count; ++i) {
            if (jobs[i].id == id)
                state = jobs[i].state;
        }
        cupsFreeJobs(count, jobs);
        if (state == 0 || state >= IPP_JSTATE_CANCELED)
            return state;
        QThread::msleep(50);
    }
    return -1;
}

QString run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << program.toStdString() << " did not run: " << process.errorString().toStdString();
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QMap<QString, QString> jobAttributes(int id)
{
    QMap<QString, QString> attributes;
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs");
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (!ippGetName(a))
            continue;
        char text[1024];
        ippAttributeString(a, text, sizeof text);
        attributes.insert(QString::fromUtf8(ippGetName(a)), QString::fromUtf8(text));
    }
    ippDelete(response);
    return attributes;
}

PdfInfo pdfInfo(const QString& path)
{
    PdfInfo info;
    const QString text = run(QStringLiteral("pdfinfo"), { path });
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString key = line.left(colon);
        const QString value = line.mid(colon + 1).trimmed();
        if (key == QLatin1String("Pages"))
            info.pages = value.toInt();
        else if (key == QLatin1String("Page size"))
            info.pageSize = value.section(QLatin1String(" pts"), 0, 0);
        else if (key == QLatin1String("Title")) {
            info.title = value;
            info.titleLine = true;
        }
    }
    return info;
}

QString pdfText(const QString& path)
{
    return run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
}

WordBox wordBox(const QString& path, const QString& word)
{
    const QString html
        = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), path, QStringLiteral("-") });
    static const QRegularExpression pattern(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(5) == word)
            return { match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble(),
                match.captured(4).toDouble() };
    }
    return {};
}

} // namespace spooler

// SPDX-License-Identifier: GPL-2.0-or-later
// One print job handed to the CUPS spooler, and the few spooler questions the printer object asks
// that Qt does not answer (device URIs, paper sources).
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace platform {

class CupsJob {
public:
    using Options = std::vector<std::pair<QByteArray, QByteArray>>;

    CupsJob(QString printer, QString title, Options options);
    ~CupsJob();
    CupsJob(const CupsJob&) = delete;
    CupsJob& operator=(const CupsJob&) = delete;

    // Sends the document and lets the spooler print it. The job is held in the spooler until every
    // byte has arrived, so a job cancelled on the way (keepGoing() answers false between chunks)
    // is cancelled before anything was printed. Returns the job id, or 0 when it was cancelled.
    // Raises EPrinter when the spooler refuses or cannot be reached.
    int submit(const QString& path, const QByteArray& mimeType, const std::function<bool()>& keepGoing);

    // The spooler's id of the job once created, also when it was cancelled on the way.
    int id() const { return m_id; }
    bool cancelled() const { return m_cancelled; }

    // Cancels a job of this spooler; false when the spooler refused.
    static bool cancel(const QString& printer, int id);

    // device-uri of every queue, by queue name; empty when the spooler is not reachable.
    static QHash<QString, QString> deviceUris();

    // Whether the queue accepts the value for a job option ("media-source", "top").
    static bool supports(const QString& printer, const char* option, const QByteArray& value);

    // The queue's default for a job option ("media-source" -> "auto"); empty when it has none.
    static QByteArray defaultValue(const QString& printer, const char* option);

    // The spooler's text for its last failure on this thread.
    static QString lastError();

private:
    // Cancels what was created and throws the sentence ("%1" the printer, "%2" the spooler's words).
    void fail(const char* sentence);

    QString m_printer;
    QString m_title;
    Options m_options;
    int m_id = 0;
    bool m_released = false;
    bool m_cancelled = false;
};

} // namespace platform

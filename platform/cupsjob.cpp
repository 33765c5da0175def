// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/cupsjob.h"

#include "platform/printererror.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <cups/cups.h>
#include <memory>

namespace platform {

namespace {

constexpr qint64 kChunk = 64 * 1024;

// What failed, with the printer and the spooler's own words.
const char* const kNotCreated
    = QT_TRANSLATE_NOOP("platform", "The print job for \"%1\" could not be created: %2");
const char* const kNotSent = QT_TRANSLATE_NOOP("platform", "The print job for \"%1\" could not be sent: %2");
const char* const kNotReleased
    = QT_TRANSLATE_NOOP("platform", "The print job for \"%1\" could not be released: %2");

// libcups and the twenty libraries it pulls in (Kerberos, GnuTLS, Avahi) are loaded on the first
// spooler question, not when the program starts: most sessions never print.
#define PRZELEW_CUPS_FUNCTIONS(F)                                                                            \
    F(cupsAddOption)                                                                                         \
    F(cupsCancelJob2)                                                                                        \
    F(cupsCheckDestSupported)                                                                                \
    F(cupsCopyDestInfo)                                                                                      \
    F(cupsCreateJob)                                                                                         \
    F(cupsDoRequest)                                                                                         \
    F(cupsFindDestDefault)                                                                                   \
    F(cupsFinishDocument)                                                                                    \
    F(cupsFreeDestInfo)                                                                                      \
    F(cupsFreeDests)                                                                                         \
    F(cupsFreeOptions)                                                                                       \
    F(cupsGetDests2)                                                                                         \
    F(cupsGetNamedDest)                                                                                      \
    F(cupsGetOption)                                                                                         \
    F(cupsLastError)                                                                                         \
    F(cupsLastErrorString)                                                                                   \
    F(cupsStartDocument)                                                                                     \
    F(cupsUser)                                                                                              \
    F(cupsWriteRequestData)                                                                                  \
    F(ippAddString)                                                                                          \
    F(ippDelete)                                                                                             \
    F(ippGetString)                                                                                          \
    F(ippNewRequest)

struct CupsLibrary {
// A declared name cannot stand in parentheses.
// NOLINTNEXTLINE(bugprone-macro-parentheses)
#define PRZELEW_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    PRZELEW_CUPS_FUNCTIONS(PRZELEW_CUPS_MEMBER)
#undef PRZELEW_CUPS_MEMBER
    QString failure; // why the library is not there; empty when every function is
};

const CupsLibrary& loadCups()
{
    static const CupsLibrary loaded = [] {
        CupsLibrary cups;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load()) {
            cups.failure = library.errorString();
            return cups;
        }
#define PRZELEW_CUPS_RESOLVE(name)                                                                           \
    cups.name = reinterpret_cast<decltype(&::name)>(library.resolve(#name));                                 \
    if (!cups.name && cups.failure.isEmpty())                                                                \
        cups.failure = QStringLiteral("libcups has no function " #name);
        PRZELEW_CUPS_FUNCTIONS(PRZELEW_CUPS_RESOLVE)
#undef PRZELEW_CUPS_RESOLVE
        return cups;
    }();
    return loaded;
}

// The spooler's library, or nullptr when it cannot be loaded.
const CupsLibrary* cups()
{
    const CupsLibrary& library = loadCups();
    return library.failure.isEmpty() ? &library : nullptr;
}

// The spooler's library; raises EPrinter when it cannot be loaded.
const CupsLibrary& requireCups()
{
    const CupsLibrary& library = loadCups();
    if (!library.failure.isEmpty())
        throw EPrinter(QCoreApplication::translate("platform", "The CUPS library cannot be loaded: %1")
                           .arg(library.failure));
    return library;
}

struct DestsDeleter {
    const CupsLibrary* lib;
    int count;
    void operator()(cups_dest_t* dests) const { lib->cupsFreeDests(count, dests); }
};

bool requestSucceeded(const CupsLibrary& lib)
{
    return lib.cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

QByteArray jobUri(int id)
{
    return "ipp://localhost/jobs/" + QByteArray::number(id);
}

} // namespace

CupsJob::CupsJob(QString printer, QString title, Options options)
    : m_printer(std::move(printer))
    , m_title(std::move(title))
    , m_options(std::move(options))
{
}

CupsJob::~CupsJob()
{
    // A job that never got all its bytes must not stay held in the spooler.
    if (m_id != 0 && !m_released && !m_cancelled)
        cancel(m_printer, m_id);
}

QString CupsJob::lastError()
{
    const CupsLibrary& library = loadCups();
    return library.failure.isEmpty() ? QString::fromUtf8(library.cupsLastErrorString()) : library.failure;
}

void CupsJob::fail(const char* sentence)
{
    const QString reason = lastError();
    if (m_id != 0 && !m_released) {
        cancel(m_printer, m_id);
        m_id = 0;
    }
    throw EPrinter(QCoreApplication::translate("platform", sentence).arg(m_printer, reason));
}

int CupsJob::submit(const QString& path, const QByteArray& mimeType, const std::function<bool()>& keepGoing)
{
    const CupsLibrary& lib = requireCups();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EPrinter(
            QCoreApplication::translate("platform", "The spooled print job \"%1\" cannot be read: %2")
                .arg(path, file.errorString()));

    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [name, value] : m_options)
        count = lib.cupsAddOption(name.constData(), value.constData(), count, &options);
    // Held until the last byte is in, so that a cancel on the way leaves nothing printed.
    count = lib.cupsAddOption("job-hold-until", "indefinite", count, &options);
    const QByteArray printer = m_printer.toUtf8();
    const QByteArray title = m_title.toUtf8();
    m_id = lib.cupsCreateJob(CUPS_HTTP_DEFAULT, printer.constData(), title.constData(), count, options);
    lib.cupsFreeOptions(count, options);
    if (m_id == 0)
        fail(kNotCreated);

    if (lib.cupsStartDocument(
            CUPS_HTTP_DEFAULT, printer.constData(), m_id, title.constData(), mimeType.constData(), 1)
        != HTTP_STATUS_CONTINUE)
        fail(kNotSent);
    bool cancelled = false;
    QByteArray chunk;
    while (!file.atEnd()) {
        chunk = file.read(kChunk);
        if (chunk.isEmpty() && !file.atEnd())
            break;
        if (lib.cupsWriteRequestData(CUPS_HTTP_DEFAULT, chunk.constData(), size_t(chunk.size()))
            != HTTP_STATUS_CONTINUE) {
            lib.cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.constData());
            fail(kNotSent);
        }
        if (keepGoing && !keepGoing()) {
            cancelled = true;
            break;
        }
    }
    // The request has to be completed even for a cancelled job: the connection is shared.
    const ipp_status_t finished = lib.cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.constData());
    if (cancelled) {
        cancel(m_printer, m_id);
        m_cancelled = true;
        return 0;
    }
    if (finished > IPP_STATUS_OK_EVENTS_COMPLETE)
        fail(kNotSent);

    ipp_t* release = lib.ippNewRequest(IPP_OP_RELEASE_JOB);
    lib.ippAddString(release, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, jobUri(m_id).constData());
    lib.ippAddString(
        release, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, lib.cupsUser());
    lib.ippDelete(lib.cupsDoRequest(CUPS_HTTP_DEFAULT, release, "/jobs"));
    if (!requestSucceeded(lib))
        fail(kNotReleased);
    m_released = true;
    return m_id;
}

bool CupsJob::cancel(const QString& printer, int id)
{
    const CupsLibrary* lib = cups();
    return lib
        && lib->cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), id, 1)
        <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

QHash<QString, QString> CupsJob::deviceUris()
{
    QHash<QString, QString> uris;
    const CupsLibrary* lib = cups();
    if (!lib)
        return uris;
    cups_dest_t* dests = nullptr;
    const int count = lib->cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::unique_ptr<cups_dest_t, DestsDeleter> owner(dests, DestsDeleter { lib, count });
    for (int i = 0; i < count; ++i) {
        const char* uri = lib->cupsGetOption("device-uri", dests[i].num_options, dests[i].options);
        if (uri && !dests[i].instance)
            uris.insert(QString::fromUtf8(dests[i].name), QString::fromUtf8(uri));
    }
    return uris;
}

bool CupsJob::supports(const QString& printer, const char* option, const QByteArray& value)
{
    const CupsLibrary* lib = cups();
    cups_dest_t* dest
        = lib ? lib->cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr) : nullptr;
    if (!dest)
        return false;
    bool supported = false;
    if (cups_dinfo_t* info = lib->cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        supported
            = lib->cupsCheckDestSupported(CUPS_HTTP_DEFAULT, dest, info, option, value.constData()) != 0;
        lib->cupsFreeDestInfo(info);
    }
    lib->cupsFreeDests(1, dest);
    return supported;
}

QByteArray CupsJob::defaultValue(const QString& printer, const char* option)
{
    const CupsLibrary* lib = cups();
    cups_dest_t* dest
        = lib ? lib->cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr) : nullptr;
    if (!dest)
        return {};
    QByteArray value;
    if (cups_dinfo_t* info = lib->cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        if (ipp_attribute_t* found = lib->cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, option)) {
            if (const char* text = lib->ippGetString(found, 0, nullptr))
                value = text;
        }
        lib->cupsFreeDestInfo(info);
    }
    lib->cupsFreeDests(1, dest);
    return value;
}

} // namespace platform

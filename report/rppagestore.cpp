// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rppagestore.h"

#include "report/rperror.h"
#include "report/rpreportfile.h"

#include <QCoreApplication>
#include <QIODevice>

namespace report {

TRpPageStore::TRpPageStore(qint64 memoryLimit, bool compression)
    : TRpPageStore(std::make_unique<TRpStream>(memoryLimit))
{
    m_pages.setCompression(compression);
}

TRpPageStore::TRpPageStore(std::unique_ptr<TRpStream> stream)
    : m_stream(std::move(stream))
{
    m_pages.setStream(m_stream.get());
}

TRpPageStore::~TRpPageStore()
{
    m_pages.setStream(nullptr);
}

std::unique_ptr<TRpPageStore> TRpPageStore::load(std::unique_ptr<QIODevice> device)
{
    return loaded(TRpStream::openDevice(std::move(device)));
}

std::unique_ptr<TRpPageStore> TRpPageStore::loadFile(const QString& fileName)
{
    return loaded(TRpStream::openFile(fileName));
}

std::unique_ptr<TRpPageStore> TRpPageStore::loaded(std::unique_ptr<TRpStream> stream)
{
    TRpReportFileCheck check = checkReportFile(*stream);
    std::unique_ptr<TRpPageStore> store(new TRpPageStore(std::move(stream)));
    store->m_pages.setLoadedPages(std::move(check.offsets));
    store->m_damage = check.damage;
    return store;
}

void TRpPageStore::save(QIODevice& device)
{
    if (!copyStream(*m_stream, device))
        throw ERpError(QCoreApplication::translate("report", "Stream write error"));
}

void TRpPageStore::saveFile(const QString& fileName)
{
    saveStreamToFile(*m_stream, fileName);
}

} // namespace report

// SPDX-License-Identifier: GPL-2.0-or-later
// The stored pages of one document: the page list on its byte stream. A store being generated keeps its
// bytes in memory up to a limit and continues in a temporary file; a loaded store reads a report file
// from a device (a file, a buffer in memory) as pages are asked for, after checking it whole.
#pragma once

#include "report/rppagelist.h"
#include "report/rpstream.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QIODevice;

namespace report {

class TRpPageStore {
public:
    // An empty store that takes new pages; past memoryLimit bytes it continues in a temporary file.
    TRpPageStore(qint64 memoryLimit, bool compression);
    ~TRpPageStore();
    TRpPageStore(const TRpPageStore&) = delete;
    TRpPageStore& operator=(const TRpPageStore&) = delete;

    // The pages of a report file on an open, readable, seekable device, which the store keeps. The file
    // is checked whole first: ERpError "The report file is damaged: <reason>" when not even its first page
    // can be read; one damaged further on keeps its pages before the damage, which damage() names.
    static std::unique_ptr<TRpPageStore> load(std::unique_ptr<QIODevice> device);
    // The same from a file, opened for reading while others may read and write it; ERpError "Cannot open
    // file "<name>". <reason>" when it cannot be opened.
    static std::unique_ptr<TRpPageStore> loadFile(const QString& fileName);

    // Writes every byte of the store to the device: a report file that load takes back.
    void save(QIODevice& device);
    // Writes the store to a file through a save file: either the file holds every byte or ERpError
    // "Cannot create file "<name>". <reason>" is raised and an existing file is left as it was.
    void saveFile(const QString& fileName);

    int pageCount() const { return m_pages.pageCount(); }
    // What of a loaded file could not be read; empty when it is whole.
    const QString& damage() const { return m_damage; }
    void addPage(const QByteArray& metafile) { m_pages.addPage(metafile); }
    // The metafile of page n (from 1), or none outside 1..pageCount().
    std::optional<QByteArray> pageAt(int n) { return m_pages.pageAt(n); }
    // Writes the final page count into the header.
    void finish() { m_pages.finish(); }

    TRpPageList& pageList() { return m_pages; }
    TRpStream& stream() { return *m_stream; }

private:
    explicit TRpPageStore(std::unique_ptr<TRpStream> stream);
    // The store of a report file on the stream, checked whole first.
    static std::unique_ptr<TRpPageStore> loaded(std::unique_ptr<TRpStream> stream);

    std::unique_ptr<TRpStream> m_stream;
    TRpPageList m_pages;
    QString m_damage;
};

} // namespace report

// SPDX-License-Identifier: GPL-2.0-or-later
// The pages of a page store, kept in a stream as a 128-byte header and linked page records that can be
// walked both ways: page number, offset of the next record, the metafile, offset of the record itself.
// Where each record starts is kept as pages are added or a file's records are checked, so any page is
// read straight away however long the store.
#pragma once

#include <QByteArray>
#include <mutex>
#include <optional>
#include <vector>

namespace report {

class TRpStream;

class TRpPageList {
public:
    static constexpr int HeaderSize = 128;

    // The stream the list works on (owned by the printer); nullptr detaches it.
    void setStream(TRpStream* stream);
    TRpStream* stream() const { return m_stream; }

    int pageCount() const { return int(m_offsets.size()); }
    bool compression() const { return m_compression; }
    void setCompression(bool on) { m_compression = on; }

    // Appends a page (one complete metafile) as page pageCount() + 1.
    void addPage(const QByteArray& metafile);
    // The metafile bytes of page n (from 1), or none when n is outside 1..pageCount().
    std::optional<QByteArray> pageAt(int n);
    // Rewrites the header with the final page count.
    void finish();
    void clear() { m_offsets.clear(); }
    // The pages of a report file opened as the stream: where each record starts, as the file's check
    // found them.
    void setLoadedPages(std::vector<qint64> offsets) { m_offsets = std::move(offsets); }

private:
    void writeHeader();
    QByteArray readPage(int n);

    TRpStream* m_stream = nullptr;
    std::vector<qint64> m_offsets; // of each page's record, page 1 first
    bool m_compression = false;
    std::mutex m_lock;
};

} // namespace report

// The pages of a page store, kept in a stream as a 128-byte header and linked page records that can be
// walked both ways: page number, offset of the next record, the metafile, offset of the record itself.
#pragma once

#include <QByteArray>
#include <mutex>
#include <optional>

namespace report {

class TRpStream;

class TRpPageList {
public:
    static constexpr int HeaderSize = 128;

    // The stream the list works on (owned by the printer); nullptr detaches it.
    void setStream(TRpStream* stream);
    TRpStream* stream() const { return m_stream; }

    int pageCount() const { return m_pageCount; }
    bool compression() const { return m_compression; }
    void setCompression(bool on) { m_compression = on; }

    // Appends a page (one complete metafile) as page pageCount() + 1.
    void addPage(const QByteArray& metafile);
    // The metafile bytes of page n (from 1), or none when n is outside 1..pageCount().
    std::optional<QByteArray> pageAt(int n);
    // Rewrites the header with the final page count.
    void finish();
    void clear() { m_pageCount = 0; }
    // The page count of a report file opened as the stream (its header's count, checked against its
    // records).
    void setLoadedPageCount(int count) { m_pageCount = count; }

private:
    void writeHeader();
    void seekToPage(int n);
    QByteArray readPageBytes();

    TRpStream* m_stream = nullptr;
    int m_pageCount = 0;
    bool m_compression = false;
    std::mutex m_lock;
};

} // namespace report

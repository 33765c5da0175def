// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/csvimport.h"

#include "platform/cp1250.h"
#include "platform/error.h"
#include "transfer/folding.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <csv.h>
#include <optional>
#include <string>

namespace transfer {

namespace {

// The values a column can give, in the order of slotOf.
enum Key : std::size_t { NDNazwa, NDKONTOKONTR, NDKonto, Kwota, WCNazwa, Tytulem, Data, WCKonto, Formularz };

std::string* slotOf(TransferFileValues& values, std::size_t key)
{
    std::string* targets[] = { &values.NDNazwa, &values.NDKONTOKONTR, &values.NDKonto, &values.Kwota,
        &values.WCNazwa, &values.Tytulem, &values.Data, &values.WCKonto, &values.Formularz };
    return targets[key];
}

// The names a header gives the columns, as searchFolded() leaves them: the transfer file's keys first. The
// account names give the whole account, as NDKonto does when NDKONTOKONTR is left empty.
struct ColumnName {
    const char* name;
    Key key;
};
constexpr ColumnName ColumnNames[] = {
    { "ndnazwa", NDNazwa },
    { "ndkontokontr", NDKONTOKONTR },
    { "ndkonto", NDKonto },
    { "kwota", Kwota },
    { "wcnazwa", WCNazwa },
    { "tytulem", Tytulem },
    { "data", Data },
    { "nazwa odbiorcy", NDNazwa },
    { "odbiorca", NDNazwa },
    { "rachunek odbiorcy", NDKonto },
    { "nr rachunku odbiorcy", NDKonto },
    { "numer rachunku odbiorcy", NDKonto },
    { "konto odbiorcy", NDKonto },
    { "tytul", Tytulem },
    { "tytul przelewu", Tytulem },
    { "nazwa zleceniodawcy", WCNazwa },
    { "zleceniodawca", WCNazwa },
    { "rachunek zleceniodawcy", WCKonto },
    { "nr rachunku zleceniodawcy", WCKonto },
    { "numer rachunku zleceniodawcy", WCKonto },
    { "konto zleceniodawcy", WCKonto },
    { "formularz", Formularz },
};

std::optional<Key> keyOfColumn(const QString& name)
{
    const QString key = searchFolded(name);
    for (const ColumnName& column : ColumnNames) {
        if (key == QLatin1String(column.name))
            return column.key;
    }
    return std::nullopt;
}

// Without a byte order mark: whether lines beyond ASCII that are plausible UTF-8 are at least one and no
// fewer than those that are not (see the header). UTF-8 never holds CR or LF inside a character, so the
// lines can be cut before the CSV is read.
bool mostLinesUtf8(std::string_view bytes)
{
    int utf8 = 0;
    int other = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        end = end == std::string_view::npos ? bytes.size() : end;
        const std::string_view line = bytes.substr(pos, end - pos);
        if (std::any_of(line.begin(), line.end(), [](char c) { return (unsigned char)c >= 0x80; }))
            ++(isPlausibleUtf8(line) ? utf8 : other);
        pos = end + 1;
    }
    return utf8 > 0 && utf8 >= other;
}

// A quoted field may hold line breaks, which no line of the form can: each becomes one space.
std::string oneLine(const std::string& field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\r' && i + 1 < field.size() && field[i + 1] == '\n')
            continue;
        out.push_back(field[i] == '\r' || field[i] == '\n' ? ' ' : field[i]);
    }
    return out;
}

// Whether the text after its leading apostrophes begins as a formula does.
template <typename Text> bool formulaLike(const Text& text)
{
    std::size_t at = 0;
    while (at < std::size_t(text.size()) && text[at] == '\'')
        ++at;
    return at < std::size_t(text.size())
        && (text[at] == '=' || text[at] == '+' || text[at] == '-' || text[at] == '@');
}

// The delimiter the header line uses most, outside quotes: ';' where none is used.
unsigned char detectDelimiter(std::string_view bytes)
{
    int counts[3] = { 0, 0, 0 };
    const char candidates[3] = { ';', ',', '\t' };
    bool quoted = false;
    for (char c : bytes) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && (c == '\n' || c == '\r'))
            break;
        for (int i = 0; i < 3; ++i)
            counts[i] += !quoted && c == candidates[i];
    }
    int best = 0;
    for (int i = 1; i < 3; ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return static_cast<unsigned char>(candidates[best]);
}

// Values keep their blanks, as in a transfer file: libcsv would otherwise trim them.
int noBlanks(unsigned char)
{
    return 0;
}

// Collects the records of the text with the lines each begins and ends on; a record that libcsv refuses is
// kept as a quoting fault, and reading goes on with the next line. A quote still open at the end of the text
// is a fault of the record it opened in, and reading starts again on the line after that record's first. This
// happens once at most: every line after the quote holds an even number of quotes, else one would have closed
// it, so read again from outside a quoted field no line can leave one open.
class RecordReader {
public:
    struct Record {
        int line;
        int lastLine;
        std::vector<std::string> fields;
        bool quotingFault = false;
        bool quoteUnclosed = false;
        int unclosedQuoteLine = 0;
    };

    RecordReader(std::string_view text, unsigned char delimiter)
        : m_delimiter(delimiter)
    {
        std::size_t pos = 0;
        for (;;) {
            start();
            while (pos < text.size()) {
                std::size_t end = text.find_first_of("\r\n", pos);
                end = end == std::string_view::npos ? text.size() : end + 1;
                if (end < text.size() && text[end - 1] == '\r' && text[end] == '\n')
                    ++end;
                const std::string_view line = text.substr(pos, end - pos);
                pos = end;
                ++m_line;
                // Between records (libcsv's state 0, no row begun) a record begins on this line; empty lines
                // give no record, so the count cannot simply follow the records.
                if (m_parser.pstate == 0 && m_fields.empty()) {
                    m_recordLine = m_line;
                    m_afterRecordLine = end;
                }
                if (csv_parse(&m_parser, line.data(), line.size(), &RecordReader::field,
                        &RecordReader::endRecord, this)
                    != line.size()) {
                    fault();
                }
            }
            // With CSV_STRICT_FINI only a quoted field still open fails here.
            const bool unclosed
                = csv_fini(&m_parser, &RecordReader::field, &RecordReader::endRecord, this) != 0;
            csv_free(&m_parser);
            if (!unclosed)
                break;
            records.push_back(Record { m_recordLine, m_line, {}, true, true, m_unclosedQuoteLine });
            if (m_unclosedQuoteLine == 0)
                m_unclosedQuoteLine = m_recordLine;
            pos = m_afterRecordLine;
            m_line = m_recordLine;
        }
    }

    std::vector<Record> records;

private:
    void start()
    {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&m_parser, m_delimiter);
        csv_set_space_func(&m_parser, &noBlanks);
        m_fields.clear();
    }
    // The record in progress is refused; a fresh parser takes the next line.
    void fault()
    {
        records.push_back(Record { m_recordLine, m_line, {}, true, false, m_unclosedQuoteLine });
        csv_free(&m_parser);
        start();
        m_recordLine = m_line + 1;
    }
    static void field(void* data, std::size_t length, void* self)
    {
        auto* reader = static_cast<RecordReader*>(self);
        reader->m_fields.emplace_back(data ? static_cast<const char*>(data) : "", data ? length : 0);
    }
    static void endRecord(int, void* self)
    {
        auto* reader = static_cast<RecordReader*>(self);
        reader->records.push_back(Record { reader->m_recordLine, reader->m_line, std::move(reader->m_fields),
            false, false, reader->m_unclosedQuoteLine });
        reader->m_fields.clear();
        reader->m_recordLine = reader->m_line + 1;
    }

    csv_parser m_parser {};
    unsigned char m_delimiter;
    std::vector<std::string> m_fields;
    int m_line = 0;
    int m_recordLine = 1;
    std::size_t m_afterRecordLine = 0; // where the line after the record's first begins
    int m_unclosedQuoteLine = 0;
};

} // namespace

namespace {

// The key a value of the editors is read into.
std::optional<Key> keyOfField(Field field)
{
    switch (field) {
    case Field::NDNazwa:
        return NDNazwa;
    case Field::NDKonto:
        return NDKonto;
    case Field::Kwota:
        return Kwota;
    case Field::WCNazwa:
        return WCNazwa;
    case Field::WCKonto:
        return WCKonto;
    case Field::Tytulem:
        return Tytulem;
    case Field::Data:
        return Data;
    case Field::None:
        break;
    }
    return std::nullopt;
}

// The header row's names, decoded as the rows will be.
QStringList headerNames(const RecordReader::Record& header, bool utf8, bool byteOrderMark)
{
    const bool headerUtf8
        = std::all_of(header.fields.begin(), header.fields.end(), [&](const std::string& f) {
              return utf8 && (byteOrderMark ? platform::isWellFormedUtf8(f) : isPlausibleUtf8(f));
          });
    QStringList names;
    for (const std::string& field : header.fields)
        names << decodeFileText(field, headerUtf8).trimmed();
    return names;
}

} // namespace

QStringList unknownCsvColumns(std::string_view bytes)
{
    const bool byteOrderMark = takeByteOrderMark(bytes);
    const bool utf8 = byteOrderMark || mostLinesUtf8(bytes);
    // Only the header line: a quoted header field may hold a line break, so a few lines are read.
    std::size_t end = 0;
    for (int lines = 0; lines < 8 && end < bytes.size(); ++lines) {
        end = bytes.find('\n', end);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    RecordReader reader(bytes.substr(0, end), detectDelimiter(bytes));
    if (reader.records.empty() || reader.records.front().quotingFault)
        return {};
    QStringList unknown;
    for (const QString& name : headerNames(reader.records.front(), utf8, byteOrderMark)) {
        if (!name.isEmpty() && !keyOfColumn(name))
            unknown << name;
    }
    return unknown;
}

CsvTransfers parseCsvTransfers(std::string_view bytes, const ColumnChoices& choices)
{
    const bool byteOrderMark = takeByteOrderMark(bytes);
    const bool utf8 = byteOrderMark || mostLinesUtf8(bytes);
    // In a UTF-8 file, whether a field is UTF-8 too: the mark vouches for what is well-formed.
    auto fieldUtf8 = [&](const std::string& field) {
        return utf8 && (byteOrderMark ? platform::isWellFormedUtf8(field) : isPlausibleUtf8(field));
    };

    RecordReader reader(bytes, detectDelimiter(bytes));
    if (reader.records.empty())
        throw platform::Error(QCoreApplication::translate("transfer", "The file has no header row"));
    const RecordReader::Record& header = reader.records.front();
    if (header.quotingFault)
        throw platform::Error(
            QCoreApplication::translate("transfer", "The quotes of the header row do not pair up"));

    CsvTransfers result;
    // The key each column gives, by the header's names; a value that two columns name is the first's.
    std::vector<std::optional<std::size_t>> columns;
    std::vector<std::optional<qsizetype>> unknownColumn; // its place among result.unknownColumns
    std::array<bool, Formularz + 1> named {};
    QStringList names;
    for (const QString& name : headerNames(header, utf8, byteOrderMark)) {
        std::optional<std::size_t> key = keyOfColumn(name);
        const auto chosen = key ? choices.end() : choices.find(name);
        if (chosen != choices.end())
            key = keyOfField(chosen->second);
        if (key && named[*key])
            key.reset();
        if (key)
            named[*key] = true;
        unknownColumn.emplace_back();
        if (!key && !name.isEmpty() && chosen == choices.end()) {
            unknownColumn.back() = result.unknownColumns.size();
            result.unknownColumns << name;
        }
        if (!name.isEmpty())
            names << name;
        columns.push_back(key);
    }
    if (!named[NDNazwa] && !named[NDKonto] && !named[NDKONTOKONTR]) {
        throw platform::Error(QCoreApplication::translate("transfer",
            "The header row names neither the recipient's name nor the recipient's account "
            "column; its columns are: %1")
                                  .arg(names.isEmpty() ? QCoreApplication::translate("transfer", "none")
                                                       : names.join(QStringLiteral(", "))));
    }
    const int keysFound = int(std::count(named.begin(), named.begin() + WCKonto, true));

    for (std::size_t r = 1; r < reader.records.size(); ++r) {
        const RecordReader::Record& record = reader.records[r];
        CsvRow row;
        row.line = record.line;
        row.lastLine = record.lastLine;
        row.unclosedQuoteLine = record.unclosedQuoteLine;
        if (record.quotingFault) {
            row.fault = CsvRow::Fault::Quoting;
            row.quoteUnclosed = record.quoteUnclosed;
            result.rows.push_back(std::move(row));
            continue;
        }
        bool empty = true;
        for (const std::string& field : record.fields)
            empty = empty && field.empty();
        if (empty)
            continue;
        row.values.utf8 = utf8;
        for (std::size_t c = 0; c < std::min(record.fields.size(), columns.size()); ++c)
            row.values.utf8 = row.values.utf8 && (!columns[c] || fieldUtf8(record.fields[c]));
        row.cp1250Line = utf8 && !row.values.utf8;
        row.values.keysFound = keysFound;
        row.values.KwotaLine = row.line;
        row.values.DataLine = row.line;
        for (std::size_t c = 0; c < record.fields.size(); ++c) {
            if (c >= columns.size()) {
                row.fault = CsvRow::Fault::TooManyFields;
                break;
            }
            if (columns[c])
                *slotOf(row.values, *columns[c]) = formulaUnguarded(oneLine(record.fields[c]));
            else if (unknownColumn[c]) {
                row.unknownFields.resize(std::size_t(result.unknownColumns.size()));
                row.unknownFields[std::size_t(*unknownColumn[c])]
                    = formulaUnguarded(oneLine(record.fields[c]));
            }
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

QString formulaGuarded(const QString& value)
{
    return formulaLike(value) ? QLatin1Char('\'') + value : value;
}

std::string formulaUnguarded(std::string value)
{
    if (!value.empty() && value.front() == '\'' && formulaLike(value))
        value.erase(0, 1);
    return value;
}

} // namespace transfer

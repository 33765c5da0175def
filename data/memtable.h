// SPDX-License-Identifier: GPL-2.0-or-later
// An in-memory table with a fixed list of typed fields: records live in memory while it is open and
// stay in posting order; nothing is ever read from or written to a file.
#pragma once

#include "data/field.h"

#include <memory>
#include <string>
#include <vector>

namespace data {

class TMemTable {
public:
    enum class State { Inactive, Browse, Insert };

    // The fields are created with the table and named after it ("mtPlat" + "Data" is mtPlatData).
    TMemTable(std::string name, const std::vector<FieldDef>& fields);
    TMemTable(const TMemTable&) = delete;
    TMemTable& operator=(const TMemTable&) = delete;

    const std::string& name() const { return m_name; }
    State state() const { return m_state; }
    bool isOpen() const { return m_state != State::Inactive; }

    void open(); // opens the closed table, empty
    void close(); // drops a record being inserted and every record; the fields stay
    void insert();
    void post();
    void cancel();

    void first();
    void next();
    bool eof() const;
    int recordCount() const;
    int recNo() const { return m_current; }

    int fieldCount() const { return int(m_fields.size()); }
    TField& field(int index) { return *m_fields.at(size_t(index)); }
    const TField& field(int index) const { return *m_fields.at(size_t(index)); }
    TField* findField(std::string_view fieldName);
    TField& fieldByName(std::string_view fieldName); // raises when there is none

private:
    // Drops every record and the edit buffer and puts the table in the state.
    void clearIn(State state);
    friend class TField;
    using Record = std::vector<FieldValue>;
    const FieldValue& valueAt(int index) const;
    void setValueAt(int index, FieldValue v);
    void checkOpen() const;
    [[noreturn]] void fail(const char* text) const;

    std::string m_name;
    std::vector<std::unique_ptr<TField>> m_fields;
    std::vector<Record> m_records;
    Record m_buffer; // the record being inserted
    State m_state = State::Inactive;
    int m_current = -1;
    bool m_eof = true;
};

} // namespace data

// SPDX-License-Identifier: GPL-2.0-or-later
// Shows an in-memory table to the report engine as its data set: the record walk and the fields' display
// texts, read from the table's current record at the moment the engine asks.
#pragma once

#include "report/rpdataset.h"

#include <map>
#include <memory>
#include <string>

namespace data {
class TMemTable;
class TField;
} // namespace data

namespace printout {

class TMemTableDataSet : public report::TRpDataSet {
public:
    explicit TMemTableDataSet(data::TMemTable& table);
    ~TMemTableDataSet() override;

    data::TMemTable& table() const { return m_table; }

    bool active() const override;
    void first() override;
    void next() override;
    bool eof() const override;
    int recordCount() const override;
    report::TRpField* findField(const std::string& name) override;

private:
    class Field;
    data::TMemTable& m_table;
    std::map<std::string, std::unique_ptr<Field>> m_fields;
};

} // namespace printout

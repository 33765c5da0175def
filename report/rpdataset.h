// SPDX-License-Identifier: GPL-2.0-or-later
// What the report engine needs of a data set: the record walk for generation and fields by name for data
// texts. The program's tables are adapted to it outside the engine.
#pragma once

#include <string>

namespace report {

class TRpField {
public:
    virtual ~TRpField() = default;
    // The field's text for the current record, code-page-1250 bytes; may throw.
    virtual std::string displayText() const = 0;
};

class TRpDataSet {
public:
    virtual ~TRpDataSet() = default;
    virtual bool active() const = 0;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    // May throw; generation then counts one record.
    virtual int recordCount() const = 0;
    // The field of that name, or nullptr when the data set has none. The field lives as long as the data set.
    virtual TRpField* findField(const std::string& name) = 0;
};

} // namespace report

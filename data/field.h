// SPDX-License-Identifier: GPL-2.0-or-later
// One typed field of an in-memory table: its definition (name, type, size, display settings) and the
// value of that column in the table's current record.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace data {

class TMemTable;

enum class FieldType { DateTime, Float, Integer, String };

struct FieldDef {
    const char* name;
    FieldType type;
    int size; // characters of a text field, 0 otherwise
    const char* displayLabel; // UTF-8; empty: the field's name
    int displayWidth; // 0: the default width of the type
    const char* displayFormat; // "0.00" or empty
    bool visible;
    const char* origin;
};

// No value, a number, an integer or a code-page-1250 text.
using FieldValue = std::variant<std::monostate, double, std::int32_t, std::string>;

class TField {
public:
    TField(TMemTable& table, const FieldDef& def, int index);

    const std::string& fieldName() const { return m_name; }
    FieldType dataType() const { return m_def.type; }
    int size() const { return m_def.size; }
    int index() const { return m_index; }
    QString displayLabel() const;
    int displayWidth() const;
    QString displayFormat() const { return QString::fromUtf8(m_def.displayFormat); }
    bool visible() const { return m_def.visible; }
    QString origin() const { return QString::fromUtf8(m_def.origin); }

    bool isNull() const;
    // Text of a text field (empty without value); the display text for the other types.
    std::string asString() const;
    double asFloat() const; // 0 without value
    double asDateTime() const; // 0 without value
    std::int32_t asInteger() const;
    // Data: the regional short date, then one space and the long time when the time of day is not
    // zero. Kwota: its display format. Empty without value.
    std::string displayText() const;
    // The same under the given settings rather than the desktop's.
    std::string displayText(const QLocale& locale) const;

    // Writing a text keeps its first size() characters and stops at a NUL character.
    void setAsString(std::string_view text);
    void setAsFloat(double value);
    // Kept to the millisecond.
    void setAsDateTime(double days);
    void setAsInteger(std::int32_t value);
    void clear();

private:
    const FieldValue& value() const;
    void setValue(FieldValue v);

    TMemTable& m_table;
    FieldDef m_def;
    std::string m_name;
    int m_index;
};

} // namespace data

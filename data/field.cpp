// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/field.h"

#include "data/memtable.h"
#include "platform/cp1250.h"
#include "platform/datetime.h"
#include "platform/regional.h"

#include <cmath>

namespace data {

TField::TField(TMemTable& table, const FieldDef& def, int index)
    : m_table(table)
    , m_def(def)
    , m_name(def.name)
    , m_index(index)
{
}

QString TField::displayLabel() const
{
    return *m_def.displayLabel ? QString::fromUtf8(m_def.displayLabel) : QString::fromStdString(m_name);
}

int TField::displayWidth() const
{
    if (m_def.displayWidth > 0)
        return m_def.displayWidth;
    return m_def.type == FieldType::String ? m_def.size : 10;
}

const FieldValue& TField::value() const
{
    return m_table.valueAt(m_index);
}

void TField::setValue(FieldValue v)
{
    m_table.setValueAt(m_index, std::move(v));
}

bool TField::isNull() const
{
    return std::holds_alternative<std::monostate>(value());
}

std::string TField::asString() const
{
    const FieldValue& v = value();
    if (const auto* s = std::get_if<std::string>(&v))
        return *s;
    return displayText();
}

double TField::asFloat() const
{
    const FieldValue& v = value();
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    return 0.0;
}

double TField::asDateTime() const
{
    return asFloat();
}

std::int32_t TField::asInteger() const
{
    const FieldValue& v = value();
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (const auto* d = std::get_if<double>(&v)) {
        if (std::isfinite(*d) && std::fabs(*d) < 2147483647.0)
            return std::int32_t(std::llround(*d));
    }
    return 0;
}

std::string TField::displayText() const
{
    return displayText(QLocale());
}

std::string TField::displayText(const QLocale& locale) const
{
    const FieldValue& v = value();
    if (std::holds_alternative<std::monostate>(v))
        return {};
    if (const auto* s = std::get_if<std::string>(&v))
        return *s;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return std::to_string(*i);
    const double d = std::get<double>(v);
    if (m_def.type == FieldType::DateTime) {
        const QDateTime dt = platform::fromDays(d);
        QString text = locale.toString(dt.date(), platform::shortDateFormat(locale));
        if (platform::hasTimeOfDay(d))
            text += QLatin1Char(' ') + locale.toString(dt.time(), platform::longTimeFormat(locale));
        return platform::toCp1250(text);
    }
    QString text = QString::fromUtf8(m_def.displayFormat) == QLatin1String("0.00")
        ? platform::formatFixed(d, 2)
        : platform::formatGeneral(d);
    const QString decimal = locale.decimalPoint();
    if (!decimal.isEmpty())
        text.replace(platform::decimalSeparator(), decimal.at(0));
    return platform::toCp1250(text);
}

void TField::setAsString(std::string_view text)
{
    if (m_def.type != FieldType::String) {
        // Only text fields are written as text by the program; a number given as text is read
        // with the regional rules, and a text that is none clears the value.
        const auto v = platform::parseDecimal(platform::fromCp1250(text));
        if (!v)
            setValue(std::monostate {});
        else if (m_def.type == FieldType::Integer)
            setAsInteger(std::int32_t(*v));
        else if (m_def.type == FieldType::DateTime)
            setAsDateTime(*v);
        else
            setAsFloat(*v);
        return;
    }
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (text.size() > size_t(m_def.size))
        text = text.substr(0, size_t(m_def.size));
    setValue(std::string(text));
}

void TField::setAsFloat(double value)
{
    if (m_def.type == FieldType::DateTime) {
        setAsDateTime(value);
        return;
    }
    if (m_def.type == FieldType::Integer) {
        setAsInteger(std::int32_t(value));
        return;
    }
    if (m_def.type == FieldType::String) {
        setAsString(platform::toCp1250(platform::formatGeneral(value)));
        return;
    }
    setValue(value);
}

void TField::setAsDateTime(double days)
{
    if (m_def.type != FieldType::DateTime) {
        setAsFloat(days);
        return;
    }
    setValue(platform::roundToMillisecond(days));
}

void TField::setAsInteger(std::int32_t value)
{
    if (m_def.type == FieldType::Integer)
        setValue(value);
    else
        setAsFloat(double(value));
}

void TField::clear()
{
    setValue(std::monostate {});
}

} // namespace data

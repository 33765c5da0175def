// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/memtable.h"

#include "platform/error.h"

namespace data {

TMemTable::TMemTable(std::string name, const std::vector<FieldDef>& fields)
    : m_name(std::move(name))
{
    m_fields.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i)
        m_fields.push_back(std::make_unique<TField>(*this, fields[i], int(i)));
}

void TMemTable::fail(const char* text) const
{
    throw platform::Error(QString::fromStdString(m_name) + QStringLiteral(": ") + QString::fromUtf8(text));
}

void TMemTable::checkOpen() const
{
    if (m_state == State::Inactive)
        fail("Cannot perform this operation on a closed dataset");
}

void TMemTable::open()
{
    if (m_state != State::Inactive)
        return;
    clearIn(State::Browse);
}

void TMemTable::close()
{
    clearIn(State::Inactive);
}

void TMemTable::clearIn(State state)
{
    m_records.clear();
    m_buffer.clear();
    m_state = state;
    m_current = -1;
    m_eof = true;
}

void TMemTable::insert()
{
    checkOpen();
    if (m_state == State::Insert)
        post();
    m_buffer.assign(m_fields.size(), FieldValue {});
    m_state = State::Insert;
}

void TMemTable::post()
{
    if (m_state != State::Insert)
        fail("Dataset not in edit or insert mode");
    m_records.push_back(std::move(m_buffer));
    m_buffer.clear();
    m_state = State::Browse;
    m_current = int(m_records.size()) - 1;
    m_eof = false;
}

void TMemTable::cancel()
{
    if (m_state != State::Insert)
        return;
    m_buffer.clear();
    m_state = State::Browse;
}

void TMemTable::first()
{
    checkOpen();
    if (m_state == State::Insert)
        post();
    m_current = m_records.empty() ? -1 : 0;
    m_eof = m_records.empty();
}

void TMemTable::next()
{
    checkOpen();
    if (m_state == State::Insert)
        post();
    if (m_current + 1 < int(m_records.size()))
        ++m_current;
    else
        m_eof = true;
}

bool TMemTable::eof() const
{
    return m_state == State::Inactive || m_eof;
}

int TMemTable::recordCount() const
{
    return m_state == State::Inactive ? 0 : int(m_records.size());
}

TField* TMemTable::findField(std::string_view fieldName)
{
    for (auto& f : m_fields) {
        if (QString::fromStdString(f->fieldName())
                .compare(
                    QString::fromUtf8(fieldName.data(), qsizetype(fieldName.size())), Qt::CaseInsensitive)
            == 0)
            return f.get();
    }
    return nullptr;
}

TField& TMemTable::fieldByName(std::string_view fieldName)
{
    if (TField* f = findField(fieldName))
        return *f;
    fail(("Field '" + std::string(fieldName) + "' not found").c_str());
}

const FieldValue& TMemTable::valueAt(int index) const
{
    static const FieldValue none;
    if (m_state == State::Insert)
        return m_buffer.at(size_t(index));
    if (m_state == State::Inactive || m_current < 0 || m_current >= int(m_records.size()))
        return none;
    return m_records[size_t(m_current)].at(size_t(index));
}

void TMemTable::setValueAt(int index, FieldValue v)
{
    if (m_state != State::Insert)
        fail("Dataset not in edit or insert mode");
    m_buffer.at(size_t(index)) = std::move(v);
}

} // namespace data

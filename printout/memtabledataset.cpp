// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/memtabledataset.h"

#include "data/memtable.h"
#include "platform/regional.h"

namespace printout {

class TMemTableDataSet::Field : public report::TRpField {
public:
    explicit Field(data::TField& field)
        : m_field(field)
    {
    }
    // A Polish bank form shows its dates the Polish way, whatever the desktop's settings.
    std::string displayText() const override { return m_field.displayText(platform::polishLocale()); }

private:
    data::TField& m_field;
};

TMemTableDataSet::TMemTableDataSet(data::TMemTable& table)
    : m_table(table)
{
}

TMemTableDataSet::~TMemTableDataSet() = default;

bool TMemTableDataSet::active() const
{
    return m_table.isOpen();
}
void TMemTableDataSet::first()
{
    m_table.first();
}
void TMemTableDataSet::next()
{
    m_table.next();
}
bool TMemTableDataSet::eof() const
{
    return m_table.eof();
}
int TMemTableDataSet::recordCount() const
{
    return m_table.recordCount();
}

report::TRpField* TMemTableDataSet::findField(const std::string& name)
{
    // The table's field objects live as long as the table, so one adapter per field is kept for good.
    auto found = m_fields.find(name);
    if (found != m_fields.end())
        return found->second.get();
    data::TField* field = m_table.findField(name);
    if (!field)
        return nullptr;
    return m_fields.emplace(name, std::make_unique<Field>(*field)).first->second.get();
}

} // namespace printout

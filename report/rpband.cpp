// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpband.h"

#include "report/rpunits.h"

namespace report {

TRpBand::TRpBand(std::string name, TRpBandType type)
    : BandType(type)
    , m_name(std::move(name))
{
}

TRpBand::~TRpBand() = default;

void TRpBand::setLayoutSize(int width, int height)
{
    Size.Values = { layoutToNative(height), layoutToNative(width) };
}

TRpPrintable* TRpBand::findComponent(const std::string& name) const
{
    for (const auto& child : m_children) {
        if (child->name() == name)
            return child.get();
    }
    return nullptr;
}

void TRpBand::adopt(std::unique_ptr<TRpPrintable> component)
{
    component->m_band = this;
    m_children.push_back(std::move(component));
    m_children.back()->attached();
}

} // namespace report

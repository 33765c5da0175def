// SPDX-License-Identifier: GPL-2.0-or-later
// A band of a report: a strip of the page with a background colour and the printable components placed
// on it, drawn in their stored order.
#pragma once

#include "report/rpcolor.h"
#include "report/rpfont.h"
#include "report/rpprintable.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TRpReport;

enum TRpBandType {
    rbTitle,
    rbPageHeader,
    rbDetail,
    rbPageFooter,
    rbSummary,
    rbGroupHeader,
    rbGroupFooter,
    rbSubDetail,
    rbColumnHeader,
    rbOverlay,
    rbChild
};

class TRpBand {
public:
    // Indexes of Size.Values.
    enum SizeIndex { Height, Width };
    struct TRpBandSize {
        std::array<long double, 2> Values { 0, 0 }; // Height, Width in native units
    };
    // Runs before the band's components are drawn for a record; clearing PrintBand skips the band.
    using TRpBandBeforePrintEvent = std::function<void(TRpBand* Sender, bool& PrintBand)>;

    TRpBand(std::string name, TRpBandType type);
    ~TRpBand();
    TRpBand(const TRpBand&) = delete;
    TRpBand& operator=(const TRpBand&) = delete;

    const std::string& name() const { return m_name; }

    TRpBandType BandType;
    TRpBandSize Size;
    TColor Color = clWhite;
    bool Transparent = false; // paints no background: what lies under the band shows through
    bool Enabled = true;
    // Each print of the band begins a new page (one page per record), unless the page has nothing yet.
    bool ForceNewPage = false;
    TRpFont Font; // the font of components with ParentFont
    TRpBandBeforePrintEvent BeforePrint;

    // Size.Values from integer layout units (1/96 inch).
    void setLayoutSize(int width, int height);
    long double height() const { return Size.Values[Height]; }
    long double width() const { return Size.Values[Width]; }

    // Creates a component on this band, after the ones already there, and returns it (the band owns it).
    template <class T> T* add(std::string name)
    {
        auto component = std::make_unique<T>(std::move(name));
        T* raw = component.get();
        adopt(std::move(component));
        return raw;
    }

    // The components in their stored order.
    const std::vector<std::unique_ptr<TRpPrintable>>& children() const { return m_children; }
    TRpPrintable* findComponent(const std::string& name) const;
    template <class T> T* find(const std::string& name) const
    {
        return dynamic_cast<T*>(findComponent(name));
    }

    TRpReport* report() const { return m_report; }

private:
    friend class TRpReport;
    void adopt(std::unique_ptr<TRpPrintable> component);

    std::string m_name;
    TRpReport* m_report = nullptr;
    std::vector<std::unique_ptr<TRpPrintable>> m_children;
};

} // namespace report

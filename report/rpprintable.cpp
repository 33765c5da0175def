// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpprintable.h"

#include "platform/fonts.h"
#include "report/rpband.h"
#include "report/rpprinter.h"
#include "report/rpreport.h"
#include "report/rpunits.h"

namespace report {

TRpPrintable::TRpPrintable(std::string name)
    : m_name(std::move(name))
{
}

TRpPrintable::~TRpPrintable() = default;

void TRpPrintable::setLayoutBounds(int left, int top, int width, int height)
{
    setSizeValues(layoutToNative(height), layoutToNative(left), layoutToNative(top), layoutToNative(width));
}

void TRpPrintable::setSizeValues(long double height, long double left, long double top, long double width)
{
    Size.Values = { height, left, top, width };
}

TRpReport* TRpPrintable::report() const
{
    return m_band ? m_band->report() : nullptr;
}

int TRpPrintable::screenPpi() const
{
    const TRpReport* r = report();
    return r ? r->screenPpi() : platform::screenPpi();
}

int TRpPrintable::zoom() const
{
    const TRpReport* r = report();
    return r ? r->Zoom() : 100;
}

QRect TRpPrintable::screenBounds() const
{
    const int ppi = screenPpi();
    const int z = zoom();
    return QRect(nativeToScreen(Size.Values[Left], ppi, z), nativeToScreen(Size.Values[Top], ppi, z),
        nativeToScreen(Size.Values[Width], ppi, z), nativeToScreen(Size.Values[Height], ppi, z));
}

void TRpPrintable::setScreenBounds(const QRect& bounds)
{
    const int ppi = screenPpi();
    const int z = zoom();
    const auto update = [&](SizeIndex index, int pixels) {
        if (nativeToScreen(Size.Values[index], ppi, z) != pixels)
            Size.Values[index] = screenToNative(pixels, ppi, z);
    };
    update(Left, bounds.left());
    update(Top, bounds.top());
    update(Width, bounds.width());
    update(Height, bounds.height());
}

void TRpPrintable::PrepareOutput()
{
    const TRpReport* r = report();
    m_printer = r ? r->currentPrinter() : nullptr;
    m_printing = true;
    m_finished = true;
}

void TRpPrintable::EndOutput()
{
    m_printing = false;
}

platform::Canvas* TRpPrintable::renderCanvas() const
{
    if (!Enabled || !m_printer)
        return nullptr;
    return m_printer->canvas();
}

} // namespace report

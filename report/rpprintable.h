// SPDX-License-Identifier: GPL-2.0-or-later
// The base of everything drawn on a band: a box in native units relative to the band's origin, and the
// output calls generation makes on it (PrepareOutput once, RenderAt per band print, EndOutput once).
#pragma once

#include "report/rpcolor.h"

#include <QRect>
#include <array>
#include <string>

namespace report {

class TRpBand;
class TRpPrinter;
class TRpReport;

class TRpPrintable {
public:
    // Indexes of Size.Values.
    enum SizeIndex { Height, Left, Top, Width };
    struct TRpSize {
        std::array<long double, 4> Values { 0, 0, 0, 0 }; // Height, Left, Top, Width in native units
    };

    explicit TRpPrintable(std::string name);
    virtual ~TRpPrintable();
    TRpPrintable(const TRpPrintable&) = delete;
    TRpPrintable& operator=(const TRpPrintable&) = delete;

    const std::string& name() const { return m_name; }

    TRpSize Size;
    bool Enabled = true;
    TColor Color = clWhite;
    bool Transparent = true;

    // Size.Values from integer layout units (1/96 inch): each value becomes v x 254 / 96, unrounded.
    void setLayoutBounds(int left, int top, int width, int height);
    void setSizeValues(long double height, long double left, long double top, long double width);

    // The on-screen bounds: each native value in screen pixels of the report (zoom applied), rounded.
    QRect screenBounds() const;

    TRpBand* parentBand() const { return m_band; }
    TRpReport* report() const;

    virtual void PrepareOutput();
    // Draws on the page canvas of the printer remembered by PrepareOutput; the origin is the band's
    // top-left corner in native page coordinates.
    virtual void RenderAt(int originX, int originY) = 0;
    virtual void EndOutput();

    bool printing() const { return m_printing; }
    TRpPrinter* printer() const { return m_printer; }
    bool finished() const { return m_finished; }

protected:
    // The canvas RenderAt draws on: none while the component is disabled or no page is open.
    platform::Canvas* renderCanvas() const;
    // Writes changed on-screen bounds back to Size.Values; a value whose pixels did not change keeps its
    // exact native value, so a label that was not resized stays where the layout put it.
    void setScreenBounds(const QRect& bounds);
    int screenPpi() const;
    int zoom() const;
    void setFinished(bool finished) { m_finished = finished; }
    // Called when the component is put on a band.
    virtual void attached() { }

private:
    friend class TRpBand;
    std::string m_name;
    TRpBand* m_band = nullptr;
    TRpPrinter* m_printer = nullptr;
    bool m_printing = false;
    bool m_finished = true;
};

} // namespace report

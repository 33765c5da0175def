// SPDX-License-Identifier: GPL-2.0-or-later
// Print settings: those the report keeps for the run (copies, page range, bin, printer), and the device
// settings a page target holds for one document (paper, orientation, resolution, offsets).
#pragma once

#include "report/rppage.h"
#include "report/rppapersize.h"

#include <QString>
#include <optional>

namespace report {

// Kept by the report for the whole run and changed only by the printer set-up.
struct TRpPrinterSettings {
    int Copies = 1;
    int FirstPage = 0; // 0: no lower limit
    int LastPage = 0; // 0: no upper limit
    TRpBin OutputBin = TRpBin::Auto;
    bool Duplex = false;
    int PrinterIndex = -1; // -1: the system's default printer
    bool NoScaling = false; // the spooler prints at 100 %, never fitted to the paper
};

// Where a report's drawing lands on the paper: moved by an offset and scaled about the paper's top-left
// corner, for pre-printed forms that a printer feeds a little off or stretches. Positions and sizes move;
// text keeps its point size. The default leaves every page exactly as drawn.
struct TRpPlacement {
    long double OffsetX = 0; // native units (0.1 mm), to the right
    long double OffsetY = 0; // native units, downwards
    int ScalePermille = 1000; // tenths of a per cent: 1000 leaves sizes as they are
    bool operator==(const TRpPlacement&) const = default;
};

// A scale in per cent with at most one decimal after a point or a comma ("100", "100.5", "99,8"), from 90
// to 110, as tenths of a per cent; nothing for any other text.
std::optional<int> scalePermille(const QString& text);
// The scale as files keep it: per cent with a point before its one decimal ("100.5").
QString scaleText(int permille);

// The device settings of a page target for one document. Paper width and length are those of the paper
// in portrait, in native units, as a printer takes them; the oriented* functions turn them for landscape.
struct TRpDeviceSettings {
    TRpPaperSize paperSize = TRpPaperSize::A4;
    long double paperWidth = 2100; // native units, portrait
    long double paperLength = 2970;
    TRpOrientation orientation = poPortrait;
    int copies = 1;
    TRpBin outputBin = TRpBin::First;
    bool duplex = false;
    int firstPage = 0;
    int lastPage = 0;
    int ppiX = 96;
    int ppiY = 96;
    long double leftOffset = 0; // native units, the printer's physical printing offsets
    long double topOffset = 0;

    // Sets the paper from the paper table (Default and Custom keep the current width and length).
    void setPaper(TRpPaperSize size);
    // The paper in the orientation: landscape swaps width and length.
    long double orientedWidth() const;
    long double orientedLength() const;
    // Page k (from 1) is printed when it lies inside the range; 0 leaves an end open.
    bool pageInRange(int k) const;
};

} // namespace report

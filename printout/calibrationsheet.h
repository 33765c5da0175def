// SPDX-License-Identifier: GPL-2.0-or-later
// The calibration sheet: one A4 landscape page with millimetre rulers along its four edges, crosses where
// the transfer form's four copies have their corners, and how to read a printer's offsets off it.
#pragma once

#include "report/rpreport.h"

#include <QObject>
#include <QPointF>
#include <array>

namespace printout {

class TCalibrationSheet : public QObject {
    Q_OBJECT
public:
    explicit TCalibrationSheet(QObject* parent = nullptr);

    // Generates and prints like any report; its Placement moves the sheet as it moves the values.
    report::TRpReport rp;

    // The paper corners of the copies' frames, in native units (0.1 mm) from the paper's top-left.
    static std::array<QPointF, 4> copyCorners();
};

} // namespace printout

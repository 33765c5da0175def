// SPDX-License-Identifier: GPL-2.0-or-later
// "Kalibracja drukarki": a printer's offsets and scale for values printed onto pre-printed forms, and the
// calibration sheet to measure them with.
#pragma once

#include "report/rpprintersettings.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QDoubleSpinBox;

namespace app {

class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    CalibrationDialog(
        const QString& queue, const report::TRpPlacement& calibration, QWidget* parent = nullptr);

    // The values as typed: offsets in tenths of a millimetre, the scale in per cent.
    report::TRpPlacement calibration() const;

    // What "Drukuj stronę kalibracyjną" does with the values typed so far: by default the sheet is
    // printed on the dialog's printer. Errors are shown, and the dialog stays open.
    void setPrintSheet(std::function<void(const report::TRpPlacement&)> print)
    {
        m_printSheet = std::move(print);
    }

    QDoubleSpinBox* offsetX() const { return m_x; }
    QDoubleSpinBox* offsetY() const { return m_y; }
    QDoubleSpinBox* scale() const { return m_scale; }
    QPushButton* printSheetButton() const { return m_print; }

private:
    QString m_queue;
    QDoubleSpinBox* m_x;
    QDoubleSpinBox* m_y;
    QDoubleSpinBox* m_scale;
    QPushButton* m_print;
    std::function<void(const report::TRpPlacement&)> m_printSheet;
};

} // namespace app

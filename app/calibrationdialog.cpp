// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/calibrationdialog.h"

#include "platform/errordisplay.h"
#include "printout/calibrationsheet.h"
#include "report/rpprint.h"
#include "report/rpprintertarget.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace app {

namespace {

QDoubleSpinBox* millimetreBox(QWidget* parent, long double tenths)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(-100.0, 100.0);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(double(tenths) / 10.0);
    return box;
}

} // namespace

CalibrationDialog::CalibrationDialog(
    const QString& queue, const report::TRpPlacement& calibration, QWidget* parent)
    : QDialog(parent)
    , m_queue(queue)
    , m_x(millimetreBox(this, calibration.OffsetX))
    , m_y(millimetreBox(this, calibration.OffsetY))
    , m_scale(new QDoubleSpinBox(this))
    , m_print(new QPushButton(tr("&Drukuj stronę kalibracyjną"), this))
{
    setObjectName(QStringLiteral("fKalibracja"));
    setWindowTitle(tr("Kalibracja drukarki"));
    m_x->setObjectName(QStringLiteral("ePrzesuniecieX"));
    m_y->setObjectName(QStringLiteral("ePrzesuniecieY"));
    m_scale->setObjectName(QStringLiteral("eSkala"));
    // 1 % is 2.8 mm across the form: the scale goes in tenths.
    m_scale->setRange(90.0, 110.0);
    m_scale->setDecimals(1);
    m_scale->setSingleStep(0.1);
    m_scale->setSuffix(QStringLiteral(" %"));
    m_scale->setValue(calibration.ScalePermille / 10.0);

    auto* about = new QLabel(tr("Drukarka: %1\n"
                                "Przesunięcie i skala dotyczą wydruku samych danych na gotowym "
                                "blankiecie. Wydrukuj stronę kalibracyjną i odczytaj z linijek, o ile "
                                "drukarka przesuwa wydruk.")
                                 .arg(queue),
        this);
    about->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Przesunięcie w prawo (X):"), m_x);
    form->addRow(tr("Przesunięcie w dół (Y):"), m_y);
    form->addRow(tr("Skala:"), m_scale);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_print, &QPushButton::clicked, this, [this] {
        platform::runGuarded(
            [this] {
                if (m_printSheet) {
                    m_printSheet(this->calibration());
                    return;
                }
                printout::TCalibrationSheet sheet;
                sheet.rp.Placement = this->calibration();
                sheet.rp.PrinterSettings.PrinterIndex = report::globalPrinter().selectPrinter(m_queue);
                report::printGeneratedReport(sheet.rp);
            },
            this);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(m_print);
    layout->addWidget(buttons);
}

report::TRpPlacement CalibrationDialog::calibration() const
{
    return report::TRpPlacement { std::round(m_x->value() * 10), std::round(m_y->value() * 10),
        int(std::lround(m_scale->value() * 10)) };
}

} // namespace app

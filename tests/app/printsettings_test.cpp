// SPDX-License-Identifier: GPL-2.0-or-later
// What printing keeps per printer, the calibration dialog, and switching the form to values only.
#include "app/calibrationdialog.h"
#include "app/formoptions.h"
#include "app/printsettings.h"
#include "data/dm2.h"
#include "platform/registry.h"
#include "support/apptestsupport.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

using namespace app;

namespace {
class PrintSettingsTest : public AppTest { };
} // namespace

TEST_F(PrintSettingsTest, CalibrationIsKeptPerPrinter)
{
    EXPECT_TRUE(storeCalibration(QStringLiteral("PDF"), { 20, -15, 1023 }));
    EXPECT_TRUE(storeCalibration(QStringLiteral("File"), { -1000, 1000, 900 }));
    EXPECT_EQ(storedCalibration(QStringLiteral("PDF")), (report::TRpPlacement { 20, -15, 1023 }));
    EXPECT_EQ(storedCalibration(QStringLiteral("File")), (report::TRpPlacement { -1000, 1000, 900 }));
    EXPECT_EQ(storedCalibration(QStringLiteral("Inna")), report::TRpPlacement {});
    EXPECT_FALSE(storeCalibration(QString(), { 1, 1, 100 }));
    {
        platform::Registry r; // as the file keeps it: millimetres with a point
        EXPECT_EQ(r.readString(QStringLiteral("Kalibracja/PDF"), QStringLiteral("PrzesuniecieY")),
            QStringLiteral("-1.5"));
        EXPECT_EQ(
            r.readString(QStringLiteral("Kalibracja/PDF"), QStringLiteral("Skala")), QStringLiteral("102.3"));
        r.writeString(QStringLiteral("Kalibracja/File"), QStringLiteral("Skala"), QStringLiteral("98"));
        r.writeString(QStringLiteral("Kalibracja/PDF"), QStringLiteral("Skala"), QStringLiteral("150"));
    }
    EXPECT_EQ(storedCalibration(QStringLiteral("PDF")), report::TRpPlacement {}); // a damaged value is none
    EXPECT_EQ(storedCalibration(QStringLiteral("File")).ScalePermille, 980); // as earlier versions wrote it
}

TEST_F(PrintSettingsTest, TheDialogShowsTakesAndPrintsTheTypedCalibration)
{
    CalibrationDialog dialog(QStringLiteral("PDF"), { 20, -15, 1023 });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kalibracja drukarki"));
    EXPECT_DOUBLE_EQ(dialog.offsetX()->value(), 2.0);
    EXPECT_DOUBLE_EQ(dialog.offsetY()->value(), -1.5);
    EXPECT_DOUBLE_EQ(dialog.scale()->value(), 102.3);
    dialog.offsetX()->setValue(-0.3);
    dialog.scale()->stepDown(); // by a tenth
    EXPECT_EQ(dialog.calibration().ScalePermille, 1022);
    dialog.scale()->setValue(120); // past the range: 110
    std::vector<report::TRpPlacement> printed;
    dialog.setPrintSheet([&](const report::TRpPlacement& p) { printed.push_back(p); });
    dialog.printSheetButton()->click();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0], (report::TRpPlacement { -3, -15, 1100 }));
    EXPECT_EQ(dialog.calibration(), printed[0]);
}

// Values only puts the faint empty form under the preview's pages and asks the spooler for 100 %; the
// full form takes both back.
TEST_F(PrintSettingsTest, ValuesOnlyAndBack)
{
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    installFormOptions(form);
    ASSERT_EQ(form.rp.PreviewOptions.size(), 2u);
    EXPECT_EQ(form.rp.PreviewOptions[0].hint, QStringLiteral("Tylko dane (na gotowym blankiecie)"));
    EXPECT_TRUE(form.rp.PreviewOptions[0].triggered(true));
    EXPECT_TRUE(form.valuesOnly());
    EXPECT_TRUE(form.rp.PrinterSettings.NoScaling);
    EXPECT_FALSE(form.rp.PreviewUnderlay.isEmpty());
    // The faint form has no values: not even the amount 0,00 of an empty record.
    const QString zero = QStringLiteral("0  ,  0  0");
    EXPECT_FALSE(form.rp.PreviewUnderlay.contains(
        QByteArray(reinterpret_cast<const char*>(zero.utf16()), zero.size() * 2)));
    EXPECT_TRUE(form.rp.PreviewOptions[0].triggered(false));
    EXPECT_FALSE(form.valuesOnly());
    EXPECT_FALSE(form.rp.PrinterSettings.NoScaling);
    EXPECT_TRUE(form.rp.PreviewUnderlay.isEmpty());
    EXPECT_EQ(form.rp.Placement, report::TRpPlacement {});
}

// SPDX-License-Identifier: GPL-2.0-or-later
// The printer object without a spooler: the printer list and its errors, device settings, the paper
// and paper-source tables. Printing through a real spooler is tested in tests/cups.
#include "platform/printer.h"
#include "platform/printerpapers.h"

#include <QPageSize>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace platform;

namespace {

std::vector<PrinterEntry> threeQueues()
{
    return { { "Przelew-Laser", "Laser 5000", "socket://10.0.0.5", {} },
        { "Przelew-Ink", "Ink Jet 2", "usb://Ink", {} },
        { "Przelew-Office", "Office 9", "ipp://office/ipp/print", {} } };
}

QString errorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EPrinter& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(PrinterList, DefaultPrinterIsFoundCaseInsensitively)
{
    struct Row {
        const char* name;
        const char* defaultDevice;
        int index;
    };
    for (const Row& row : { Row { "exact", "Przelew-Ink", 1 }, Row { "other case", "przelew-office", 2 },
             Row { "first queue", "PRZELEW-LASER", 0 } }) {
        TPrinter printer(threeQueues(), row.defaultDevice);
        EXPECT_EQ(printer.defaultPrinterIndex(), row.index) << row.name;
        // Nothing selected yet: the first use selects the default printer.
        EXPECT_EQ(printer.printerIndex(), row.index) << row.name;
    }
}

TEST(PrinterList, NoDefaultPrinterIsAnError)
{
    struct Row {
        const char* name;
        std::vector<PrinterEntry> printers;
        const char* defaultDevice;
    };
    const Row rows[] = {
        { "spooler names none", threeQueues(), "" },
        { "default not installed", threeQueues(), "Przelew-Gone" },
        { "no printers at all", {}, "" },
        { "prefix of a queue only", threeQueues(), "Przelew" },
    };
    for (const Row& row : rows) {
        TPrinter printer(row.printers, row.defaultDevice);
        EXPECT_EQ(errorText([&] { printer.defaultPrinterIndex(); }),
            "There is no default printer currently selected")
            << row.name;
        EXPECT_EQ(
            errorText([&] { printer.setPrinterIndex(-1); }), "There is no default printer currently selected")
            << row.name;
        EXPECT_EQ(
            errorText([&] { printer.printerIndex(); }), "There is no default printer currently selected")
            << row.name;
    }
}

TEST(PrinterList, IndexIsCheckedAgainstTheList)
{
    struct Row {
        const char* name;
        int index;
        const char* error;
    };
    for (const Row& row : { Row { "first", 0, "" }, Row { "last", 2, "" },
             Row { "one past the end", 3, "Printer index out of range" },
             Row { "far beyond", 40, "Printer index out of range" },
             Row { "below -1", -2, "Printer index out of range" }, Row { "-1 is the default", -1, "" } }) {
        TPrinter printer(threeQueues(), "Przelew-Office");
        const QString error = errorText([&] { printer.setPrinterIndex(row.index); });
        if (*row.error) {
            EXPECT_EQ(error, row.error) << row.name;
        } else {
            EXPECT_EQ(error, "(no error)") << row.name;
            EXPECT_EQ(printer.printerIndex(), row.index == -1 ? 2 : row.index) << row.name;
        }
    }
}

TEST(PrinterList, FailedSelectionKeepsThePreviousPrinter)
{
    TPrinter printer(threeQueues(), "Przelew-Office");
    printer.setPrinterIndex(1);
    EXPECT_THROW(printer.setPrinterIndex(3), EPrinter);
    EXPECT_EQ(printer.printerIndex(), 1);
    EXPECT_EQ(printer.printer().device, "Przelew-Ink");
}

TEST(PrinterList, UnknownDeviceNameIsAppendedAsDeviceOnPort)
{
    TPrinter printer(threeQueues(), "Przelew-Laser");
    EXPECT_EQ(printer.selectPrinter("przelew-ink"), 1) << "a known name, other case";
    EXPECT_EQ(printer.printers().size(), 3u);

    EXPECT_EQ(printer.selectPrinter("Remote", "ipp://elsewhere/printers/Remote"), 3);
    EXPECT_EQ(printer.printerNames(),
        QStringList({ "Przelew-Laser", "Przelew-Ink", "Przelew-Office",
            "Remote on ipp://elsewhere/printers/Remote" }));
    // Selected again by its device name it is found, not appended twice.
    EXPECT_EQ(printer.selectPrinter("Remote"), 3);
    EXPECT_EQ(printer.printers().size(), 4u);
}

TEST(PrinterDevice, PrinterTheSpoolerCannotDescribeIsNotValid)
{
    // Listed, but no such queue exists: selecting works, every use of the device fails clearly.
    TPrinter printer(threeQueues(), "Przelew-Laser");
    printer.setPrinterIndex(0);
    EXPECT_FALSE(printer.hasDeviceSettings());
    for (const auto& [name, action] : std::vector<std::pair<const char*, std::function<void()>>> {
             { "device settings", [&] { printer.deviceSettings(); } },
             { "driver defaults", [&] { printer.defaultDeviceSettings(); } },
             { "paper list", [&] { printer.paperCodes(); } },
             { "measures", [&] { printer.metrics(); } },
             { "job", [&] { printer.beginDoc(); } },
         }) {
        EXPECT_EQ(errorText(action), "Printer selected is not valid") << name;
    }
    EXPECT_FALSE(printer.printing());
    EXPECT_EQ(errorText([&] { printer.setOrientation(orientLandscape); }),
        "Operation not supported on selected printer");
    EXPECT_EQ(errorText([&] { printer.setCopies(3); }), "Operation not supported on selected printer");
}

TEST(PrinterDevice, SettingsGivenByTheCallerAreKeptAndChanged)
{
    TPrinter printer(threeQueues(), "Przelew-Laser");
    DeviceSettings settings;
    settings.fields = dmOrientation | dmCopies;
    settings.paperCode = kPaperA4;
    printer.setDeviceSettings(settings);
    printer.setOrientation(orientLandscape);
    printer.setCopies(0);
    EXPECT_EQ(printer.deviceSettings().orientation, orientLandscape);
    EXPECT_EQ(printer.deviceSettings().copies, 1) << "no job is printed zero times";
    printer.setCopies(3);
    EXPECT_EQ(printer.deviceSettings().copies, 3);
    // Selecting the printer again fetches the driver's settings: here there are none.
    printer.setPrinterIndex(0);
    EXPECT_FALSE(printer.hasDeviceSettings());
}

TEST(PrinterJob, NoJobMeansNoCanvasAndNothingToAbort)
{
    TPrinter printer(threeQueues(), "Przelew-Laser");
    EXPECT_THROW(printer.canvas(), EPrinter);
    EXPECT_THROW(printer.newPage(), EPrinter);
    EXPECT_THROW(printer.endDoc(), EPrinter);
    printer.abort();
    EXPECT_FALSE(printer.printing());
    EXPECT_FALSE(printer.aborted()) << "aborting nothing is no abort";
}

TEST(PaperCodes, WindowsCodesGiveTheirPaperSize)
{
    // Portrait millimetres of each Windows paper code.
    struct Row {
        int code;
        double width, length;
    };
    const Row rows[] = { { 1, 215.9, 279.4 }, { 2, 215.9, 279.4 }, { 3, 279.4, 431.8 }, { 4, 431.8, 279.4 },
        { 5, 215.9, 355.6 }, { 6, 139.7, 215.9 }, { 7, 190.5, 254 }, { 8, 297, 420 }, { 9, 210, 297 },
        { 10, 210, 297 }, { 11, 148, 210 }, { 12, 250, 353 }, { 13, 182, 257 }, { 14, 215.9, 330.2 },
        { 15, 215, 275 }, { 16, 254, 355.6 }, { 17, 279.4, 431.8 }, { 18, 215.9, 279.4 }, { 19, 98.4, 225.4 },
        { 20, 104.8, 241.3 }, { 21, 114.3, 263.5 }, { 22, 120.7, 279.4 }, { 23, 127, 292.1 },
        { 24, 431.8, 558.8 }, { 25, 558.8, 863.6 }, { 26, 863.6, 1117.6 } };
    ASSERT_EQ(paperCodes().size(), std::size(rows));
    for (const Row& row : rows) {
        const auto id = pageSizeForPaperCode(row.code);
        ASSERT_TRUE(id.has_value()) << row.code;
        // Short and long side: Windows lists Ledger lying, Qt standing.
        const QSizeF mm = QPageSize(*id).size(QPageSize::Millimeter);
        EXPECT_NEAR(std::min(mm.width(), mm.height()), std::min(row.width, row.length), 1.0)
            << "code " << row.code;
        EXPECT_NEAR(std::max(mm.width(), mm.height()), std::max(row.width, row.length), 1.0)
            << "code " << row.code;
    }
}

TEST(PaperCodes, PaperSizesGiveTheirWindowsCode)
{
    struct Row {
        const char* name;
        QPageSize size;
        int code;
    };
    const Row rows[] = {
        { "A4", QPageSize(QPageSize::A4), 9 },
        { "A4 by its millimetres", QPageSize(QSizeF(210, 297), QPageSize::Millimeter), 9 },
        { "Letter", QPageSize(QPageSize::Letter), 1 },
        { "A5", QPageSize(QPageSize::A5), 11 },
        { "A3", QPageSize(QPageSize::A3), 8 },
        { "11 x 17 is Tabloid", QPageSize(QPageSize::Tabloid), 3 },
        { "A6, known to Windows only", QPageSize(QPageSize::A6), 70 },
        { "an odd size", QPageSize(QSizeF(123, 77), QPageSize::Millimeter), kPaperCustom },
        { "no size", QPageSize(), kPaperCustom },
    };
    for (const Row& row : rows)
        EXPECT_EQ(paperCodeForPageSize(row.size), row.code) << row.name;
    EXPECT_FALSE(pageSizeForPaperCode(0).has_value());
    EXPECT_FALSE(pageSizeForPaperCode(kPaperCustom).has_value());
    EXPECT_FALSE(pageSizeForPaperCode(9999).has_value());
}

TEST(PaperSources, BinsTravelAsMediaSources)
{
    struct Row {
        int bin;
        const char* keyword;
    };
    for (const Row& row : { Row { binUpper, "top" }, Row { binLower, "bottom" }, Row { binMiddle, "middle" },
             Row { binManual, "manual" }, Row { binEnvelope, "envelope" },
             Row { binLargeCapacity, "large-capacity" }, Row { binAuto, "" }, Row { binTractor, "" },
             Row { binLower | binUserFlag, "bottom" } }) {
        EXPECT_EQ(mediaSourceForPaperSource(row.bin), row.keyword) << "bin " << row.bin;
        if (*row.keyword) {
            EXPECT_EQ(paperSourceForMediaSource(row.keyword), row.bin & ~binUserFlag) << row.keyword;
        }
    }
    EXPECT_EQ(paperSourceForMediaSource("tray-7"), binAuto);
}

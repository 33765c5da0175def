// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/calibrationsheet.h"

#include "platform/cp1250.h"
#include "printout/copytemplate.h"
#include "report/rpband.h"
#include "report/rplabel.h"
#include "report/rpshape.h"
#include "report/rpunits.h"

#include <string>

namespace printout {

namespace {

constexpr long double PaperWidth = 2970, PaperLength = 2100; // native units, landscape
// Where the transfer form's band starts on its page: its left and top margins.
constexpr long double FormLeft = 70, FormTop = 60;

report::TRpFont sheetFont(int points, bool bold = false)
{
    report::TRpFont font;
    font.Name = QStringLiteral("Arial");
    font.Size = points;
    font.Bold = bold;
    font.Color = report::clBlack;
    font.Charset = report::EASTEUROPE_CHARSET;
    return font;
}

const char* const Instructions[] = {
    "Kalibracja drukarki",
    "1. Wydrukuj tę stronę na zwykłej kartce A4 na drukarce, na której drukujesz blankiety.",
    "2. Linijki biegną wzdłuż krawędzi kartki: liczby to milimetry od lewej i od górnej krawędzi. Przyłóż",
    "    prawdziwą linijkę: jeśli kreska 50 leży 51,5 mm od lewej krawędzi, drukarka przesuwa wydruk o 1,5 "
    "mm",
    "    w prawo; wpisz wtedy przesunięcie X równe -1,5. Tak samo od górnej krawędzi odczytaj przesunięcie "
    "Y.",
    "3. Krzyżyki leżą w narożnikach czterech odcinków blankietu: połóż wydruk na blankiet i sprawdź pod",
    "    światło, czy się pokrywają. Jeśli kreska 250 nie leży 250 mm od krawędzi, popraw skalę (w "
    "procentach).",
    "4. Wartości wpisz w oknie „Kalibracja drukarki” (podgląd wydruku) albo podaj programowi przelew-render",
    "    jako --offset X,Y i --scale P. Strona wydrukowana z kalibracją pokazuje, co jeszcze poprawić:",
    "    odczytane różnice dodaj do wpisanych wartości.",
};

} // namespace

std::array<QPointF, 4> TCalibrationSheet::copyCorners()
{
    std::array<QPointF, 4> corners;
    const TemplateElement& frame = templateElement(1);
    for (std::size_t i = 0; i < copies().size(); ++i) {
        const CopyDef& copy = copies()[i];
        corners[i] = QPointF(double(FormLeft + report::layoutToNative(frame.left + copy.dx)),
            double(FormTop + report::layoutToNative(frame.top + copy.dy)));
    }
    return corners;
}

TCalibrationSheet::TCalibrationSheet(QObject* parent)
    : QObject(parent)
{
    rp.setObjectName(QStringLiteral("rpKalibracja"));
    rp.setUnits(report::TRpUnit::MM);
    rp.Page.setPaperSize(report::TRpPaperSize::A4);
    rp.Page.setOrientation(report::poLandscape);
    rp.Page.setTopMargin(0);
    rp.Page.setBottomMargin(0);
    rp.Page.setLeftMargin(0);
    rp.Page.setRightMargin(0);
    rp.PrintIfEmpty = true;
    rp.PrinterSettings.NoScaling = true;
    rp.ReportTitle = "Kalibracja drukarki";

    report::TRpBand* band = rp.addBand("DetailBand1", report::rbDetail);
    band->setLayoutSize(1122, 793);
    band->Transparent = true;
    int made = 0;
    auto line = [&](long double left, long double top, long double width, long double height, bool vertical) {
        auto* shape = band->add<report::TRpShape>("Kreska" + std::to_string(++made));
        shape->Shape = vertical ? report::rpsVertLine : report::rpsHorLine;
        shape->Pen = { report::clBlack, 1, report::psSolid };
        shape->Brush = { report::clWhite, report::bsClear };
        shape->setSizeValues(height, left, top, width);
    };
    auto text = [&](const std::string& caption, long double left, long double top, int points, bool bold) {
        auto* label = band->add<report::TRpLabel>("Napis" + std::to_string(++made));
        label->Font = sheetFont(points, bold);
        label->FontSize = points;
        label->AutoSize = true;
        label->Transparent = true;
        label->setSizeValues(40, left, top, 100);
        label->setCaption(caption);
    };

    // The rulers: a mark every millimetre, longer every 5 and 10, numbered every 10 inside the paper. A
    // line runs through the middle of its box, so a box one unit wide centres the mark on its millimetre.
    for (int mm = 1; mm < 297; ++mm) {
        const long double length = mm % 10 == 0 ? 80 : mm % 5 == 0 ? 50 : 30;
        line(mm * 10 - 0.5L, 0, 1, length, true);
        line(mm * 10 - 0.5L, PaperLength - length, 1, length, true);
        if (mm % 10 == 0 && mm < 290) {
            text(std::to_string(mm), mm * 10 + 5, 85, 7, false);
            text(std::to_string(mm), mm * 10 + 5, PaperLength - 125, 7, false);
        }
    }
    for (int mm = 1; mm < 210; ++mm) {
        const long double length = mm % 10 == 0 ? 80 : mm % 5 == 0 ? 50 : 30;
        line(0, mm * 10 - 0.5L, length, 1, false);
        line(PaperWidth - length, mm * 10 - 0.5L, length, 1, false);
        if (mm % 10 == 0 && mm < 200) {
            text(std::to_string(mm), 85, mm * 10 + 2, 7, false);
            text(std::to_string(mm), PaperWidth - 125, mm * 10 + 2, 7, false);
        }
    }
    // A cross 10 mm across at each copy's corner.
    for (const QPointF& corner : copyCorners()) {
        line(corner.x() - 50, corner.y() - 0.5L, 100, 1, false);
        line(corner.x() - 0.5L, corner.y() - 50, 1, 100, true);
    }
    long double top = 1150;
    for (const char* row : Instructions) {
        const bool heading = top == 1150;
        text(platform::toCp1250(QString::fromUtf8(row)), 330, top, heading ? 12 : 9, heading);
        top += heading ? 70 : 48;
    }
}

} // namespace printout

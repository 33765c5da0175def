// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/dm2.h"
#include "emf/metafile.h"
#include "platform/datetime.h"
#include "printout/bandlayout.h"
#include "printout/calibrationsheet.h"
#include "printout/formfit.h"
#include "printout/frprzelnew.h"
#include "report/rpband.h"
#include "report/rpdbtext.h"
#include "report/rplabel.h"
#include "report/rpprinter.h"
#include "report/rpshape.h"
#include "support/emfwalk.h"
#include "support/money.h"

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

using printout::TfrPrzelNew;

namespace {

struct Transfer {
    std::string ndNazwa {}, ndKontoKontr {}, ndKonto {};
    double kwota = 0;
    bool kwotaSet = true;
    std::string wcKontoKontr {}, wcKonto {}, wcNazwa {}, tytulem {};
    double data = 0; // days from 30.12.1899; 0: no date
};

class FrPrzelNew : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        form.rp.setScreenPpi(96);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void write(const Transfer& t)
    {
        data::TMemTable& table = dm.mtPlat;
        if (table.isOpen())
            table.close();
        table.open();
        table.insert();
        dm.mtPlatNDNazwa->setAsString(t.ndNazwa);
        dm.mtPlatNDKONTOKONTR->setAsString(t.ndKontoKontr);
        dm.mtPlatNDKonto->setAsString(t.ndKonto);
        if (t.kwotaSet)
            dm.mtPlatKwota->setAsFloat(t.kwota);
        dm.mtPlatWCKONTOKONTR->setAsString(t.wcKontoKontr);
        dm.mtPlatWCKonto->setAsString(t.wcKonto);
        dm.mtPlatWCNazwa->setAsString(t.wcNazwa);
        dm.mtPlatTytulem->setAsString(t.tytulem);
        if (t.data > 0)
            dm.mtPlatData->setAsDateTime(t.data);
        table.post();
    }

    void fill()
    {
        bool printBand = true;
        form.DetailBand1BeforePrint(form.DetailBand1, printBand);
        EXPECT_TRUE(printBand);
    }

    std::string caption(const std::string& name)
    {
        report::TRpLabel* label = form.label(name);
        if (!label)
            throw std::runtime_error("no label " + name);
        return label->caption();
    }

    // The caption of the copy-A label and the same text in its three other copies.
    void expectAllCopies(const std::vector<std::string>& names, const std::string& expected)
    {
        for (const std::string& name : names)
            EXPECT_EQ(caption(name), expected) << name;
    }

    data::TDM2 dm;
    TfrPrzelNew form { dm.mtPlat };
};

std::string spaced(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out += c;
        out += "  ";
    }
    return out;
}

TEST_F(FrPrzelNew, ReportWalksMtPlat)
{
    report::TRpReport& rp = form.rp;
    EXPECT_EQ(rp.Page.orientation(), report::poLandscape);
    EXPECT_DOUBLE_EQ(double(rp.Page.width()), 2970.0);
    EXPECT_DOUBLE_EQ(double(rp.Page.bottomMargin()), 76.2);
    EXPECT_EQ(rp.DataSet, &form.dataSet());
    EXPECT_FALSE(rp.DataSet->active());
    write({ .data = 46000.5 });
    EXPECT_TRUE(rp.DataSet->active());
    EXPECT_EQ(rp.DataSet->recordCount(), 1);
    rp.DataSet->first();
    EXPECT_FALSE(rp.DataSet->eof());
    ASSERT_NE(rp.DataSet->findField("Data"), nullptr);
    EXPECT_EQ(rp.DataSet->findField("Data"), rp.DataSet->findField("Data"));
    EXPECT_EQ(rp.DataSet->findField("Data")->displayText(), "9.12.2025 12:00:00");
    EXPECT_EQ(rp.DataSet->findField("Brak"), nullptr);
    rp.DataSet->next();
    EXPECT_TRUE(rp.DataSet->eof());
}

TEST_F(FrPrzelNew, BandHoldsTheLayoutInDrawingOrder)
{
    ASSERT_EQ(form.rp.bands().size(), 1u);
    report::TRpBand& band = *form.DetailBand1;
    EXPECT_EQ(band.name(), "DetailBand1");
    EXPECT_EQ(band.BandType, report::rbDetail);
    EXPECT_NEAR(double(band.height()), 1981.729167, 1e-6);
    EXPECT_NEAR(double(band.width()), 2831.041667, 1e-6);
    EXPECT_EQ(band.Color, report::clWhite);
    EXPECT_TRUE(bool(band.BeforePrint));

    // The components come on first use, so the main window does not wait for them.
    EXPECT_TRUE(band.children().empty());
    ASSERT_NE(form.component("shKrzyzykA1"), nullptr);

    const std::vector<printout::ComponentDef> layout = printout::bandLayout();
    // The layout, then the deposit slip's crosses: drawn last, and only on a deposit slip.
    ASSERT_EQ(band.children().size(), layout.size() + 8);
    for (std::size_t i = layout.size(); i < band.children().size(); ++i) {
        EXPECT_NE(dynamic_cast<const report::TRpShape*>(band.children()[i].get()), nullptr);
        EXPECT_FALSE(band.children()[i]->Enabled);
    }
    int shapes = 0, labels = 0, texts = 0;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const report::TRpPrintable& child = *band.children()[i];
        EXPECT_EQ(child.name(), layout[i].name) << i;
        // Stored bounds are exactly the layout's, v x 254 / 96.
        EXPECT_EQ(child.Size.Values[report::TRpPrintable::Left], layout[i].left * 254.0L / 96.0L)
            << child.name();
        EXPECT_EQ(child.Size.Values[report::TRpPrintable::Top], layout[i].top * 254.0L / 96.0L)
            << child.name();
        EXPECT_EQ(child.Size.Values[report::TRpPrintable::Width], layout[i].width * 254.0L / 96.0L)
            << child.name();
        shapes += dynamic_cast<const report::TRpShape*>(&child) != nullptr;
        labels += dynamic_cast<const report::TRpLabel*>(&child) != nullptr;
        texts += dynamic_cast<const report::TRpDBText*>(&child) != nullptr;
    }
    EXPECT_EQ(shapes, 143);
    EXPECT_EQ(labels, 108);
    EXPECT_EQ(texts, 4);
}

TEST_F(FrPrzelNew, ComponentsCarryTheirPensFontsAndColours)
{
    auto* frameB = dynamic_cast<report::TRpShape*>(form.component("RpShape12"));
    ASSERT_TRUE(frameB);
    EXPECT_EQ(frameB->Shape, report::rpsRectangle);
    EXPECT_EQ(frameB->Pen.Color, report::clBlack);
    EXPECT_EQ(frameB->Pen.Width, 1);
    EXPECT_EQ(frameB->Brush.Color, report::clSilver);
    auto* frameA = dynamic_cast<report::TRpShape*>(form.component("RpShape23"));
    EXPECT_EQ(frameA->Pen.Color, report::clRed);
    EXPECT_EQ(frameA->Brush.Color, 10790143);
    auto* circle = dynamic_cast<report::TRpShape*>(form.component("RpShape78"));
    EXPECT_EQ(circle->Shape, report::rpsCircle);
    EXPECT_EQ(circle->Pen.Style, report::psDot);
    auto* field = dynamic_cast<report::TRpShape*>(form.component("RpShape24"));
    EXPECT_EQ(field->Pen.Style, report::psClear);
    EXPECT_EQ(dynamic_cast<report::TRpShape*>(form.component("RpShape105"))->Pen.Color, report::clBlack);

    report::TRpLabel* currency = form.label("RpLabel41");
    EXPECT_EQ(currency->Font.Name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(currency->Font.Pitch, report::fpFixed);
    EXPECT_TRUE(currency->Font.Bold);
    EXPECT_TRUE(currency->Transparent);
    report::TRpLabel* letterB = form.label("RpLabel20");
    EXPECT_TRUE(letterB->ParentFont);
    EXPECT_EQ(letterB->effectiveFont().Name, QStringLiteral("Arial"));
    EXPECT_EQ(letterB->effectiveFont().Color, report::clWindowText);
    EXPECT_EQ(form.label("RpLabel33")->Font.Color, report::clRed);
    EXPECT_EQ(form.label("RpLabel27")->FontSize, 6);
    EXPECT_FALSE(form.label("RpLabel27")->Transparent);
    EXPECT_EQ(form.label("lOdbiorcaB")->Font.Pitch, report::fpFixed);
    EXPECT_EQ(form.label("lOdbiorcaC")->Font.Pitch, report::fpDefault);
    EXPECT_EQ(form.label("lLK2")->Font.Pitch, report::fpDefault);
    EXPECT_EQ(form.label("lLK2")->Alignment, report::taCenter);
    auto* date = dynamic_cast<report::TRpDBText*>(form.component("tData3"));
    ASSERT_TRUE(date);
    EXPECT_EQ(date->DataField, "Data");
    EXPECT_EQ(date->DataSet, &form.dataSet());
    EXPECT_FALSE(date->Transparent);
    EXPECT_EQ(date->FontSize, 8);
}

// The layout's widths are the measured widths of the defined Arial texts (captions, "PLN" in the data
// labels, "Data" in the date texts): measuring again must not move them, or a wrong font would go
// unnoticed. The currency caption's screen face is substituted, so its width is not the layout's.
TEST_F(FrPrzelNew, ArialTextsMeasureToTheirLayoutWidths)
{
    int checked = 0;
    for (const printout::ComponentDef& def : printout::bandLayout()) {
        if (def.kind == printout::ComponentKind::Shape || def.font.face != std::string("Arial"))
            continue;
        auto* label = dynamic_cast<report::TRpCustomLabel*>(form.component(def.name));
        ASSERT_TRUE(label) << def.name;
        label->measure();
        EXPECT_EQ(label->screenBounds().width(), def.width) << def.name << " \"" << def.caption << "\"";
        EXPECT_EQ(label->screenBounds().left(), def.left) << def.name;
        EXPECT_EQ(label->screenBounds().height(), def.height) << def.name;
        ++checked;
    }
    EXPECT_EQ(checked, 56 + 48 + 4);
}

TEST_F(FrPrzelNew, FillsTheWorkedAccountExample)
{
    write({ .ndNazwa = "Jan", .ndKontoKontr = "12", .ndKonto = "345678901234567890123456", .kwota = 1234.5 });
    fill();
    expectAllCopies({ "lLK1", "lLK2", "lLK3", "lLK4" }, "1  2  ");
    expectAllCopies({ "lNrRachOdbA", "lNrRachOdbB", "lNrRachOdbC", "lNrRachOdbD" }, spaced("34567890"));
    expectAllCopies(
        { "lNrRachOdbA1", "lNrRachOdbB1", "lNrRachOdbC1", "lNrRachOdbD1" }, spaced("1234567890123456"));
    expectAllCopies({ "lNrRachOdbA2", "lNrRachOdbB2", "lNrRachOdbC2", "lNrRachOdbD2" }, "");
    expectAllCopies({ "lKwotaA", "lKwotaB", "lKwotaC", "lKwotaD" }, spaced("1234,50"));
    expectAllCopies({ "lOdbiorcaA", "lOdbiorcaB", "lOdbiorcaC", "lOdbiorcaD" }, "J  a  n  ");
    expectAllCopies({ "lOdbiorcaA2", "lOdbiorcaB2", "lOdbiorcaC2", "lOdbiorcaD2" }, "");
}

TEST_F(FrPrzelNew, CutsLongValuesIntoTheFormsRows)
{
    const std::string name60 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1abcdefghijklmnopqrstuvwxyz2!@#$%^";
    ASSERT_EQ(name60.size(), 60u);
    const std::string account35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789";
    write({ .ndNazwa = name60, .ndKonto = account35, .wcNazwa = name60, .tytulem = name60 });
    fill();
    const std::string line1 = spaced(name60.substr(0, 27));
    const std::string line2 = spaced(name60.substr(27, 27));
    expectAllCopies({ "lOdbiorcaA", "lOdbiorcaB", "lOdbiorcaC", "lOdbiorcaD" }, line1);
    expectAllCopies({ "lOdbiorcaA2", "lOdbiorcaB2", "lOdbiorcaC2", "lOdbiorcaD2" }, line2);
    expectAllCopies({ "lZleceniodawcaA", "lZleceniodawcaB", "lZleceniodawcaC", "lZleceniodawcaD" }, line1);
    expectAllCopies(
        { "lZleceniodawcaA1", "lZleceniodawcaB1", "lZleceniodawcaC1", "lZleceniodawcaD1" }, line2);
    expectAllCopies({ "lTytulemA", "lTytulemB", "lTytulemC", "lTytulemD" }, line1);
    expectAllCopies({ "lTytulemA1", "lTytulemB1", "lTytulemC1", "lTytulemD1" }, line2);
    expectAllCopies({ "lNrRachOdbA", "lNrRachOdbD" }, spaced("ABCDEFGH"));
    expectAllCopies({ "lNrRachOdbA1", "lNrRachOdbC1" }, spaced("IJKLMNOPQRSTUVWXY"));
    expectAllCopies({ "lNrRachOdbA2", "lNrRachOdbB2" }, spaced("Z123456"));
}

TEST_F(FrPrzelNew, ExactlyTwentySevenCharactersLeaveTheSecondLineEmpty)
{
    write({ .ndNazwa = std::string(27, 'x') });
    fill();
    EXPECT_EQ(caption("lOdbiorcaC"), spaced(std::string(27, 'x')));
    expectAllCopies({ "lOdbiorcaA2", "lOdbiorcaB2", "lOdbiorcaC2", "lOdbiorcaD2" }, "");
}

TEST_F(FrPrzelNew, PayerAccountIsNeverCut)
{
    const std::string account(50, '7');
    write({ .wcKontoKontr = "", .wcKonto = account });
    fill();
    expectAllCopies({ "lNrRachZlecA", "lNrRachZlecB", "lNrRachZlecC", "lNrRachZlecD" }, spaced(account));
    write({ .wcKontoKontr = "98", .wcKonto = "12 34-5" });
    fill();
    EXPECT_EQ(caption("lNrRachZlecD"), spaced("9812 34-5"));
}

TEST_F(FrPrzelNew, EmptyRecordEmptiesEveryDataLabel)
{
    write({ .ndNazwa = "Jan",
        .ndKontoKontr = "12",
        .ndKonto = "3456",
        .kwota = 5,
        .wcKonto = "1",
        .wcNazwa = "Ewa",
        .tytulem = "Czynsz" });
    fill();
    write({ .kwotaSet = false });
    fill();
    for (const printout::DataLabelDef& def : printout::dataLabels()) {
        for (const char* name : def.names) {
            if (std::string(name).starts_with("lKwota"))
                EXPECT_EQ(caption(name), "0  ,  0  0  ") << name;
            else
                EXPECT_EQ(caption(name), "") << name;
        }
    }
}

TEST_F(FrPrzelNew, AmountTexts)
{
    struct Row {
        double amount;
        std::string text;
    };
    for (const Row& row : { Row { -3.5, "-  3  ,  5  0  " }, Row { 0.125, "0  ,  1  3  " },
             Row { 2.675, "2  ,  6  7  " }, Row { 0, "0  ,  0  0  " } }) {
        write({ .kwota = row.amount });
        fill();
        expectAllCopies({ "lKwotaA", "lKwotaB", "lKwotaC", "lKwotaD" }, row.text);
    }
}

// The form is a Polish bank form: its amount has a decimal comma and its date the Polish short form
// whatever the desktop's settings.
TEST_F(FrPrzelNew, AmountAndDateArePolishUnderAnySettings)
{
    const double day = platform::toDays(QDate(2026, 12, 9));
    for (const QLocale& locale : { QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
             QLocale(QLocale::Polish, QLocale::Poland) }) {
        QLocale::setDefault(locale);
        write({ .kwota = 1234.5, .data = day });
        fill();
        EXPECT_EQ(caption("lKwotaB"), spaced("1234,50")) << locale.name().toStdString();
        EXPECT_EQ(form.dataSet().findField("Data")->displayText(), "9.12.2026")
            << locale.name().toStdString();
    }
}

TEST_F(FrPrzelNew, PolishLettersKeepTheirCase)
{
    // Code page 1250: \xB3 ł, \xB9 ą, \x9C ś.
    write({ .ndNazwa = "\xB3\xB9\x9C"
                       "abc" });
    fill();
    EXPECT_EQ(caption("lOdbiorcaD"), "\xB3  \xB9  \x9C  a  b  c  ");
}

TEST_F(FrPrzelNew, CentredCheckDigitsKeepTheirCentre)
{
    auto centre = [&](const char* name) {
        const QRect bounds = form.label(name)->screenBounds();
        return bounds.left() * 2 + bounds.width(); // twice the centre, to stay in integers
    };
    const int before = centre("lLK2");
    const QRect original = form.label("lLK2")->screenBounds();
    EXPECT_EQ(original.left(), 560);
    EXPECT_EQ(original.width(), 34);
    write({ .ndKontoKontr = "12" });
    fill();
    const QRect after = form.label("lLK2")->screenBounds();
    EXPECT_NE(after.width(), 34);
    EXPECT_LE(std::abs(centre("lLK2") - before), 1);
    EXPECT_EQ(form.label("lLK1")->screenBounds().left() - 26, after.left() - 560);
    // A left-justified label keeps its Left however wide the text grows.
    write({ .wcKonto = std::string(50, '8') });
    fill();
    EXPECT_EQ(form.label("lNrRachZlecA")->screenBounds().left(), 29);
    EXPECT_GT(form.label("lNrRachZlecA")->screenBounds().width(), 489);
}

TEST_F(FrPrzelNew, TheSameRecordGivesTheSameCaptions)
{
    write({ .ndNazwa = "Firma",
        .ndKontoKontr = "61",
        .ndKonto = "109010140000071219812874",
        .kwota = 99.99,
        .wcKonto = "PL61 1090",
        .wcNazwa = "Jan",
        .tytulem = "Faktura 1/2026" });
    fill();
    std::map<std::string, std::string> first;
    for (const printout::DataLabelDef& def : printout::dataLabels()) {
        for (const char* name : def.names)
            first[name] = caption(name);
    }
    fill();
    for (const auto& [name, text] : first)
        EXPECT_EQ(caption(name), text) << name;
}

TEST_F(FrPrzelNew, HandlerLeavesPrintBandAlone)
{
    write({});
    bool printBand = false;
    form.DetailBand1BeforePrint(form.DetailBand1, printBand);
    EXPECT_FALSE(printBand);
}

// A page generated through the engine's page store, played back and probed.
class FrPrzelNewPage : public FrPrzelNew {
protected:
    QByteArray generateEmf()
    {
        report::TRpPrinter target(report::TRpPrinterDestination::PageStore, 96);
        form.rp.GenerateReport(target);
        const std::optional<report::TRpGeneratedPage> page = target.PageAt(1);
        return page ? page->bytes : QByteArray();
    }
    QImage generate()
    {
        report::TRpPrinter target(report::TRpPrinterDestination::PageStore, 96);
        form.rp.GenerateReport(target);
        EXPECT_EQ(target.PagesAvailable(), 1);
        const std::optional<report::TRpGeneratedPage> page = target.PageAt(1);
        EXPECT_TRUE(page.has_value());
        EXPECT_FALSE(target.PageAt(2).has_value());
        if (!page)
            return {};
        EXPECT_EQ(page->sizePx, QSize(1123, 794));
        QImage image(page->sizePx, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        emf::playMetafile(page->bytes, painter, QRectF(QPointF(0, 0), QSizeF(page->sizePx)));
        painter.end();
        return image;
    }

    static bool dark(QRgb c) { return qGray(c) < 96; }
    static int darkPixels(const QImage& image, const QRect& area)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                n += dark(image.pixel(x, y));
        }
        return n;
    }
};

TEST_F(FrPrzelNewPage, EmptyTemplateColours)
{
    write({ .kwotaSet = false });
    const QImage page = generate();
    ASSERT_FALSE(page.isNull());
    struct Probe {
        const char* what;
        int x, y;
        QRgb colour;
    };
    for (const Probe& p : {
             Probe { "band white inside its corner", 28, 27, qRgb(255, 255, 255) },
             Probe { "copy A fill between frame and first field", 400, 34, qRgb(0xFF, 0xA4, 0xA4) },
             Probe { "copy A frame top edge", 400, 31, qRgb(0xFF, 0, 0) },
             Probe { "copy B fill", 1000, 34, qRgb(0xC0, 0xC0, 0xC0) },
             Probe { "copy B frame left edge", 583, 200, qRgb(0, 0, 0) },
             Probe { "copy C fill", 400, 410, qRgb(0xB1, 0xD3, 0xAB) },
             Probe { "copy D fill", 1000, 410, qRgb(0xF7, 0xE6, 0x6F) },
             Probe { "copy A white value field", 300, 45, qRgb(255, 255, 255) },
             Probe { "vertical line between the copies", 560, 200, qRgb(0, 0, 0) },
         }) {
        const QRgb c = page.pixel(p.x, p.y);
        EXPECT_LE(std::abs(qRed(c) - qRed(p.colour)) + std::abs(qGreen(c) - qGreen(p.colour))
                + std::abs(qBlue(c) - qBlue(p.colour)),
            12)
            << p.what << " at " << p.x << "," << p.y << ": " << std::hex << c;
    }
    // No value text in copy A's first row, and no date in any copy.
    EXPECT_EQ(darkPixels(page, QRect(60, 40, 400, 16)), 0);
    for (const QPoint& date : { QPoint(27, 353), QPoint(560, 353), QPoint(27, 729), QPoint(560, 729) })
        EXPECT_EQ(darkPixels(page, QRect(date.x() + 26, date.y() + 23, 60, 12)), 0)
            << date.x() << "," << date.y();
}

TEST_F(FrPrzelNewPage, SameTransferTwiceGivesTheSamePage)
{
    write({ .ndNazwa = "Jan", .ndKontoKontr = "12", .ndKonto = "3456", .kwota = 7.25, .data = 46000.5 });
    const QImage first = generate();
    const QImage second = generate();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
    for (const QPoint& date : { QPoint(27, 353), QPoint(560, 353), QPoint(27, 729), QPoint(560, 729) })
        EXPECT_GT(darkPixels(first, QRect(date.x() + 26, date.y() + 23, 60, 12)), 20)
            << date.x() << "," << date.y();
}

TEST_F(FrPrzelNewPage, ValuesPrintInEveryCopy)
{
    write({ .ndNazwa = "KOWALSKI JAN",
        .ndKontoKontr = "12",
        .ndKonto = "345678901234567890123456",
        .kwota = 1234.5,
        .wcKonto = "11112222333344445555666677",
        .wcNazwa = "NOWAK",
        .tytulem = "CZYNSZ",
        .data = 46000 });
    const QImage page = generate();
    ASSERT_FALSE(page.isNull());
    // The first row of the recipient name: band (29, 15) in copy A, moved by each copy's offset.
    for (const QPoint& origin : { QPoint(29, 15), QPoint(562, 17), QPoint(29, 391), QPoint(562, 393) }) {
        const QRect row(origin.x() + 26, origin.y() + 23, 200, 18);
        EXPECT_GT(darkPixels(page, row), 50) << origin.x() << "," << origin.y();
    }
    page.save(QStringLiteral("/tmp/przelew-printout-page.png"));
}

TEST_F(FrPrzelNewPage, CopyFrameEdges)
{
    write({});
    const QImage page = generate();
    ASSERT_FALSE(page.isNull());
    // Copy B's frame is the rectangle (583, 31) to (1072, 330), right and bottom exclusive.
    EXPECT_EQ(page.pixel(583, 200), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(1071, 200), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(1072, 200), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(582, 200), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(900, 329), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(900, 328), qRgb(0xC0, 0xC0, 0xC0));
}

TEST_F(FrPrzelNewPage, LongValuesStillGenerateAndRunPastTheField)
{
    write({ .ndNazwa = std::string(128, 'W'),
        .ndKontoKontr = "99",
        .ndKonto = std::string(50, '8'),
        .kwota = 1e15,
        .wcKontoKontr = "",
        .wcKonto = std::string(50, '8'),
        .wcNazwa = std::string(128, 'M'),
        .tytulem = std::string(100, 'T') + "\r\n" + std::string(153, 'T') });
    const QImage page = generate();
    ASSERT_FALSE(page.isNull());
    // Copy A's payer account runs on past its field into the gap before copy B: nothing clips it.
    const int row = 135 + 23;
    EXPECT_GT(darkPixels(page, QRect(545, row + 2, 30, 14)), 10);
}

// A deposit slip: every copy carries the amount in words where the transfer has the payer account, at the
// same place, and the letter P crossed out in the copy's frame colour; nothing else moves.
TEST_F(FrPrzelNewPage, DepositSlipInEveryCopy)
{
    write({ .ndNazwa = "WSPOLNOTA", .kwota = 1234.5, .wcKonto = "PAYER", .wcNazwa = "JAN", .data = 46000 });
    const emftest::PageDrawing transfer = emftest::drawing(generateEmf());
    form.setFormKind(printout::FormKind::Deposit);
    const emftest::PageDrawing deposit = emftest::drawing(generateEmf());

    const QString words = QStringLiteral("tysiąc dwieście trzydzieści cztery złote 50/100");
    std::vector<QPoint> accountAt, wordsAt;
    for (const emftest::PageText& t : transfer.texts) {
        if (t.text == QString::fromStdString(spaced("PAYER")))
            accountAt.push_back(t.at);
    }
    for (const emftest::PageText& t : deposit.texts) {
        if (t.text == words)
            wordsAt.push_back(t.at);
        EXPECT_NE(t.text, QString::fromStdString(spaced("PAYER")));
    }
    ASSERT_EQ(accountAt.size(), 4u);
    EXPECT_EQ(wordsAt, accountAt);
    EXPECT_EQ(deposit.texts.size(), transfer.texts.size());
    EXPECT_EQ(deposit.filledShapes, transfer.filledShapes);

    // The crosses: two diagonals a copy, over the box of the letter P (band 183, 106, 16 x 19 in copy A,
    // 7 mm and 6 mm of margin before the band), in the copy's frame colour; a transfer has no diagonal.
    auto diagonals = [](const emftest::PageDrawing& page) {
        std::vector<emftest::PageLine> found;
        for (const emftest::PageLine& l : page.lines) {
            if (l.from.x() != l.to.x() && l.from.y() != l.to.y())
                found.push_back(l);
        }
        return found;
    };
    EXPECT_TRUE(diagonals(transfer).empty());
    const std::vector<emftest::PageLine> crosses = diagonals(deposit);
    ASSERT_EQ(crosses.size(), 8u);
    EXPECT_EQ(deposit.lines.size(), transfer.lines.size() + 8);
    struct Copy {
        int dx, dy;
        std::uint32_t frame;
    };
    const Copy copies[] = { { 0, 0, 0x0000ff }, { 533, 0, 0 }, { 0, 376, 0x006400 }, { 533, 376, 0x0abed8 } };
    for (const Copy& copy : copies) {
        const QRect box(26 + 183 + copy.dx, 23 + 106 + copy.dy, 16, 19);
        int inBox = 0;
        for (const emftest::PageLine& l : crosses) {
            if (box.adjusted(-1, -1, 1, 1).contains(l.from) && box.adjusted(-1, -1, 1, 1).contains(l.to)) {
                ++inBox;
                EXPECT_EQ(l.colour, copy.frame) << copy.dx << "," << copy.dy;
            }
        }
        EXPECT_EQ(inBox, 2) << copy.dx << "," << copy.dy;
    }

    // Printed as a transfer again, the page is the transfer's.
    form.setFormKind(printout::FormKind::Transfer);
    EXPECT_EQ(emftest::drawing(generateEmf()).texts.size(), transfer.texts.size());
    EXPECT_TRUE(diagonals(emftest::drawing(generateEmf())).empty());
}

// Words too long for the line at 12 points shrink a point at a time; a negative amount, or words that do
// not fit even at 7 points, are refused before printing.
TEST_F(FrPrzelNew, DepositWordsShrinkToTheLineOrAreRefused)
{
    form.setFormKind(printout::FormKind::Deposit);
    EXPECT_FALSE(printout::depositProblem("1234,5"_zl));
    EXPECT_FALSE(printout::depositProblem("123456,78"_zl));
    write({ .kwota = 123456.78 });
    fill();
    const report::TRpLabel* a = form.label("lNrRachZlecA");
    EXPECT_LT(a->FontSize, 12);
    EXPECT_GE(a->FontSize, 7);
    // The value field of the line ends at band 512 in copy A.
    EXPECT_LE(a->Size.Values[report::TRpPrintable::Left] + a->Size.Values[report::TRpPrintable::Width],
        512 * 254.0L / 96);

    const std::optional<QString> negative = printout::depositProblem("-3,5"_zl);
    ASSERT_TRUE(negative);
    EXPECT_TRUE(negative->contains(QStringLiteral("ujemn"))) << negative->toStdString();
    const std::optional<QString> tooLong = printout::depositProblem("987654321,99"_zl);
    ASSERT_TRUE(tooLong);
    EXPECT_TRUE(tooLong->contains(QStringLiteral("7 pkt"))) << tooLong->toStdString();
    EXPECT_TRUE(printout::depositProblem(transfer::Money::fromGrosze(99999999999999)));

    // A transfer printed after it has its payer account at 12 points again.
    form.setFormKind(printout::FormKind::Transfer);
    fill();
    EXPECT_EQ(form.label("lNrRachZlecD")->FontSize, 12);
}

} // namespace

namespace {

// What the form will not show whole of a long sample, field by field, and the line the main window shows.
TEST_F(FrPrzelNew, WarnsOfWhatTheFormCutsOrCannotPrint)
{
    transfer::TransferEditorValues v;
    v.recipientName = QString(62, QLatin1Char('a'));
    v.recipientAccount
        = QStringLiteral("61 1090 1014 0000 0712 1981 2874 9999 9999 9999 9999"); // 2 + 40 digits
    v.amount = "12,5"_zl;
    v.payerAccount = QStringLiteral("12 1020 5558 1111 1111 1111 1111 (firma)"); // past the field
    v.payerName = QStringLiteral("Jan Kowalski");
    v.title = QStringLiteral("Opłata 5 € za Жука i Жука");
    const std::vector<printout::FieldWarning> warnings
        = printout::fieldWarnings(v, printout::FormKind::Transfer);
    std::vector<std::string> texts;
    for (const printout::FieldWarning& w : warnings)
        texts.push_back(printout::warningText(w).toStdString());
    EXPECT_EQ(texts,
        (std::vector<std::string> { "NDNazwa (recipient name): 62 characters, the form prints 54",
            "NDKonto (recipient account): 40 characters, the form prints 32",
            "WCKonto (payer account): runs past its field towards the next copy",
            "Tytulem (title): \"Жука\" cannot be printed on the form and prints as \"?\"" }));
    EXPECT_EQ(printout::warningLine(warnings),
        QStringLiteral(
            "Nie zmieści się na blankiecie: nazwa odbiorcy (62 znaki, mieści się 54), nr rachunku "
            "odbiorcy (40 znaków, mieści się 32), nr rachunku zleceniodawcy. Wydrukuje się jako „?”: "
            "tytułem („Жука”)"));

    // An NRB written with spaces or hyphens, as on an invoice, prints as its 26 digits and fits; on a
    // deposit slip its line holds the words instead.
    for (const char* nrb : { "12102055581111111111111111", "12 1020 5558 1111 1111 1111 1111",
             "PL12-1020-5558-1111-1111-1111-1111" }) {
        v.payerAccount = QString::fromLatin1(nrb);
        EXPECT_EQ(printout::fieldWarnings(v, printout::FormKind::Transfer).size(), 3u) << nrb;
    }
    v.payerAccount = QStringLiteral("12 1020 5558 1111 1111 1111 1111 (firma)");
    EXPECT_EQ(printout::fieldWarnings(v, printout::FormKind::Deposit).size(), 3u);
    // A title of 27 wide letters is not cut, but runs past the field.
    transfer::TransferEditorValues wide;
    wide.title = QString(27, QLatin1Char('W'));
    const std::vector<printout::FieldWarning> past
        = printout::fieldWarnings(wide, printout::FormKind::Transfer);
    ASSERT_EQ(past.size(), 1u);
    EXPECT_EQ(printout::warningLine(past), QStringLiteral("Nie zmieści się na blankiecie: tytułem"));
}

} // namespace

namespace {

// Values only: every value where the full page has it, moved by the placement, and nothing of the form;
// a deposit keeps its crosses, in black. The full page after it is the full page again.
TEST_F(FrPrzelNewPage, ValuesOnlyWhereTheFullPageHasThem)
{
    write({ .ndNazwa = "WSPOLNOTA", .kwota = 1234.5, .wcKonto = "PAYER", .wcNazwa = "JAN", .data = 46000 });
    form.setFormKind(printout::FormKind::Deposit);
    const QByteArray fullBytes = generateEmf();
    const emftest::PageDrawing full = emftest::drawing(fullBytes);
    form.setValuesOnly(true);
    form.rp.Placement.OffsetX = 20; // 2.0 mm
    form.rp.Placement.OffsetY = -15;
    const emftest::PageDrawing values = emftest::drawing(generateEmf());

    EXPECT_EQ(values.filledShapes, 0);
    ASSERT_EQ(values.lines.size(), 8u); // the crosses
    for (const emftest::PageLine& l : values.lines)
        EXPECT_EQ(l.colour, 0u);
    int recipient = 0;
    for (const emftest::PageText& t : values.texts) {
        EXPECT_FALSE(t.text.contains(QStringLiteral("nazwa odbiorcy"))) << t.text.toStdString();
        recipient += t.text == QString::fromStdString(spaced("WSPOLNOTA"));
        // The same text on the full page, 2.0 mm (7.6 px) to the left and 1.5 mm (5.7 px) lower.
        bool found = false;
        for (const emftest::PageText& f : full.texts) {
            const QPoint moved = t.at - f.at;
            found
                = found || (f.text == t.text && std::abs(moved.x() - 8) <= 1 && std::abs(moved.y() + 6) <= 1);
        }
        EXPECT_TRUE(found) << t.text.toStdString() << " at " << t.at.x() << "," << t.at.y();
    }
    EXPECT_EQ(recipient, 4);
    EXPECT_EQ(values.texts.size(), 4u * 6); // a copy: the name, amount, words, payer, "PLN" and the date

    form.setValuesOnly(false);
    form.rp.Placement = {};
    EXPECT_EQ(generateEmf(), fullBytes);
}

} // namespace

namespace {

// The calibration sheet's marks stand at their millimetres (at 254 ppi a native unit, 0.1 mm, is a
// pixel), a 10 mm cross stands at each copy corner, and a placement moves them all.
TEST(CalibrationSheet, MarksAtTheirMillimetresAndCrossesAtTheCopyCorners)
{
    printout::TCalibrationSheet sheet;
    sheet.rp.setScreenPpi(254);
    auto page = [&sheet] {
        report::TRpPrinter target(report::TRpPrinterDestination::PageStore, 254);
        sheet.rp.GenerateReport(target);
        EXPECT_EQ(target.PagesStarted(), 1);
        return emftest::drawing(target.PageAt(1)->bytes);
    };
    auto hasLine = [](const emftest::PageDrawing& d, QPoint from, QPoint to) {
        return std::any_of(d.lines.begin(), d.lines.end(), [&](const emftest::PageLine& l) {
            return (l.from - from).manhattanLength() <= 1 && (l.to - to).manhattanLength() <= 1;
        });
    };
    const emftest::PageDrawing plain = page();
    for (int mm : { 1, 5, 10, 50, 150, 296 }) {
        const int length = mm % 10 == 0 ? 80 : mm % 5 == 0 ? 50 : 30;
        EXPECT_TRUE(hasLine(plain, QPoint(mm * 10, 0), QPoint(mm * 10, length))) << "top " << mm;
        EXPECT_TRUE(hasLine(plain, QPoint(mm * 10, 2100 - length), QPoint(mm * 10, 2100))) << "bottom " << mm;
    }
    for (int mm : { 1, 100, 209 }) {
        const int length = mm % 10 == 0 ? 80 : 30;
        EXPECT_TRUE(hasLine(plain, QPoint(0, mm * 10), QPoint(length, mm * 10))) << "left " << mm;
        EXPECT_TRUE(hasLine(plain, QPoint(2970 - length, mm * 10), QPoint(2970, mm * 10))) << "right " << mm;
    }
    // Copy A's frame corner: band (24, 8) on a page with 7.0 and 6.0 mm margins: 13.35 mm, 8.12 mm.
    const std::array<QPointF, 4> corners = printout::TCalibrationSheet::copyCorners();
    EXPECT_NEAR(corners[0].x(), 133.5, 0.1);
    EXPECT_NEAR(corners[0].y(), 81.2, 0.1);
    for (const QPointF& c : corners) {
        const QPoint at = c.toPoint();
        EXPECT_TRUE(hasLine(plain, at - QPoint(50, 0), at + QPoint(50, 0))) << at.x() << "," << at.y();
    }
    sheet.rp.Placement.OffsetX = 20;
    sheet.rp.Placement.OffsetY = -15;
    EXPECT_TRUE(hasLine(page(), QPoint(520, -15), QPoint(520, 65)));
}

} // namespace

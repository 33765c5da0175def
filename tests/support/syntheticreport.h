// SPDX-License-Identifier: GPL-2.0-or-later
// Shared pieces of the report tests: a client window stand-in that counts queued notifications, a data
// set over rows of texts, and the test report with the numbers of the transfer printout's page and band.
#pragma once

#include "report/rpband.h"
#include "report/rpdataset.h"
#include "report/rplabel.h"
#include "report/rpreport.h"
#include "report/rpshape.h"
#include "support/transferpage.h"

#include <QObject>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace reporttest {

class NotificationClient : public QObject {
    Q_OBJECT
public:
    std::vector<int> pagesAvailable;
    std::vector<int> progress;
    Q_INVOKABLE void pageAvailable(int count) { pagesAvailable.push_back(count); }
    Q_INVOKABLE void progressUpdate(int percent) { progress.push_back(percent); }
};

class RowsField : public report::TRpField {
public:
    RowsField(const std::vector<std::map<std::string, std::string>>& rows, const std::size_t& current,
        std::string name)
        : m_rows(rows)
        , m_current(current)
        , m_name(std::move(name))
    {
    }
    std::string displayText() const override
    {
        const auto& row = m_rows.at(m_current);
        const auto it = row.find(m_name);
        if (it == row.end())
            throw std::runtime_error("no value");
        return it->second;
    }

private:
    const std::vector<std::map<std::string, std::string>>& m_rows;
    const std::size_t& m_current;
    std::string m_name;
};

class RowsDataSet : public report::TRpDataSet {
public:
    RowsDataSet(std::vector<std::string> fields, std::vector<std::map<std::string, std::string>> rows)
        : m_rows(std::move(rows))
    {
        for (const std::string& name : fields)
            m_fields.emplace(name, RowsField(m_rows, m_current, name));
    }
    bool isActive = true;
    bool recordCountThrows = false;
    bool active() const override { return isActive; }
    void first() override { m_current = 0; }
    void next() override { ++m_current; }
    bool eof() const override { return m_current >= m_rows.size(); }
    int recordCount() const override
    {
        if (recordCountThrows)
            throw std::runtime_error("not counted");
        return int(m_rows.size());
    }
    report::TRpField* findField(const std::string& name) override
    {
        const auto it = m_fields.find(name);
        return it == m_fields.end() ? nullptr : &it->second;
    }

private:
    std::vector<std::map<std::string, std::string>> m_rows;
    std::size_t m_current = 0;
    std::map<std::string, RowsField> m_fields;
};

// The page and band of the transfer printout: A4 landscape, margins 6.0 / 7.62 / 7.0 / 7.0 mm, one detail
// band of 1070 x 749 layout units, with the silver frame of copy B and its first caption.
inline report::TRpBand* buildTestReport(report::TRpReport& rp, int ppi)
{
    using namespace report;
    testsupport::setTransferPage(rp, ppi);
    TRpBand* band = rp.addBand("DetailBand1", rbDetail);
    band->setLayoutSize(1070, 749);
    band->Color = clWhite;

    auto* frame = band->add<TRpShape>("RpShape12");
    frame->setLayoutBounds(557, 8, 489, 299);
    frame->Shape = rpsRectangle;
    frame->Brush.Color = clSilver;
    frame->Pen.Color = clBlack;

    auto* caption = band->add<TRpLabel>("RpLabel14");
    caption->setLayoutBounds(560, 8, 64, 11);
    caption->Font.Name = QStringLiteral("Arial");
    caption->FontSize = 6;
    caption->Transparent = false;
    caption->Color = clWhite;
    caption->setCaption("   nazwa odbiorcy   ");
    return band;
}

} // namespace reporttest

// SPDX-License-Identifier: GPL-2.0-or-later
// The report form of the transfer order: owns the report rp, whose one detail band DetailBand1 holds the
// four copies of the form, and fills the copies' data labels from the transfer record before each print.
#pragma once

#include "printout/bandlayout.h"
#include "printout/formkind.h"
#include "printout/memtabledataset.h"
// rpreport.h keeps a QPointer<TRpPrinter>, which needs the complete class.
#include "report/rpprinter.h"
#include "report/rpreport.h"
#include "transfer/transferrecord.h"

#include <QObject>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace data {
class TMemTable;
}

namespace report {
class TRpBand;
class TRpLabel;
class TRpPrintable;
} // namespace report

namespace printout {

class TfrPrzelNew : public QObject {
    Q_OBJECT
    // Declared before rp, so the report and its data texts never outlive the data set they point at.
    data::TMemTable& m_mtPlat;
    TMemTableDataSet m_dataSet;

public:
    // mtPlat is the transfer table of the data module; it must outlive the form.
    explicit TfrPrzelNew(data::TMemTable& mtPlat, QObject* parent = nullptr);
    ~TfrPrzelNew() override;

    report::TRpReport rp;
    report::TRpBand* DetailBand1 = nullptr;

    // The before-print handler of DetailBand1: copies the current record of mtPlat into the 48 data
    // labels. It never clears PrintBand.
    void DetailBand1BeforePrint(report::TRpBand* Sender, bool& PrintBand);

    // A component of DetailBand1 by name (nullptr when there is none).
    report::TRpPrintable* component(const std::string& name);
    report::TRpLabel* label(const std::string& name);

    TMemTableDataSet& dataSet() { return m_dataSet; }

    // The kind of the pages generated from now on; a transfer order until set.
    void setFormKind(FormKind kind) { m_kind = kind; }
    FormKind formKind() const { return m_kind; }

    // Values only, for printing on a form bought pre-printed: the values, the currency "PLN", the dates
    // and a deposit's crosses where the full page has them, in black, and nothing of the form itself (no
    // shapes, fills, captions or colours). Off until set.
    void setValuesOnly(bool valuesOnly) { m_valuesOnly = valuesOnly; }
    bool valuesOnly() const { return m_valuesOnly; }

private:
    void setUpReport();
    void buildBand();
    void addComponents();
    void ensureComponents();
    report::TRpLabel& labelRef(const char* name);
    void fill(data::TMemTable& table);
    void applyValuesOnly();
    void addDepositCrosses();

    FormKind m_kind = FormKind::Transfer;
    bool m_valuesOnly = false;
    bool m_valuesOnlyApplied = false; // what the components are set for now
    std::vector<ComponentDef> m_layout; // as built, to come back to from values only

    bool m_componentsMade = false; // the components are made on first use (ensureComponents)
    std::map<std::string, report::TRpPrintable*> m_components;
};

} // namespace printout

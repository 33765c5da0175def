// The report form of the transfer order: owns the report rp, whose one detail band DetailBand1 holds the
// four copies of the form, and fills the copies' data labels from the transfer record before each print.
#pragma once

#include "printout/memtabledataset.h"
// rpreport.h keeps a QPointer<TRpPrinter>, which needs the complete class.
#include "report/rpprinter.h"
#include "report/rpreport.h"

#include <QObject>
#include <QString>
#include <map>
#include <optional>
#include <string>

namespace data {
class TMemTable;
}

namespace report {
class TRpBand;
class TRpLabel;
class TRpPrintable;
} // namespace report

namespace printout {

// What the page is: a transfer order, or a cash deposit slip, whose payer-account line carries the amount
// in words and whose letter P (przelew) is crossed out in every copy.
enum class FormKind { Transfer, Deposit };

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
    report::TRpPrintable* component(const std::string& name) const;
    report::TRpLabel* label(const std::string& name) const;

    TMemTableDataSet& dataSet() { return m_dataSet; }

    // The kind of the pages generated from now on; a transfer order until set.
    void setFormKind(FormKind kind) { m_kind = kind; }
    FormKind formKind() const { return m_kind; }

    // Why an amount cannot go on a deposit slip: it is negative, too large for words, or its words pass
    // the end of the line even at 7 points. Nothing when it can. Measures on the payer-account labels,
    // whose captions the next generation replaces.
    std::optional<QString> depositProblem(double amount);

private:
    void setUpReport();
    void buildBand();
    report::TRpLabel& labelRef(const char* name) const;
    void addDepositCrosses();
    bool fitOnPayerLine(std::size_t copy, const std::string& text) const;

    FormKind m_kind = FormKind::Transfer;

    std::map<std::string, report::TRpPrintable*> m_components;
};

} // namespace printout

// The one report form of the program, created at start-up after DM2.
extern printout::TfrPrzelNew* frPrzelNew;

// SPDX-License-Identifier: GPL-2.0-or-later
// The report form of the transfer order: owns the report rp, whose one detail band DetailBand1 holds the
// four copies of the form, and fills the copies' data labels from the transfer record before each print.
#pragma once

#include "printout/bandlayout.h"
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

// What the page is: a transfer order, or a cash deposit slip, whose payer-account line carries the amount
// in words and whose letter P (przelew) is crossed out in every copy.
enum class FormKind { Transfer, Deposit };
// The kind as the registry file, the log and the command line write it: "przelew" or "wplata".
inline QString formKindName(FormKind kind)
{
    return kind == FormKind::Deposit ? QStringLiteral("wplata") : QStringLiteral("przelew");
}
inline std::optional<FormKind> formKindNamed(const QString& name)
{
    if (name == formKindName(FormKind::Deposit))
        return FormKind::Deposit;
    if (name == formKindName(FormKind::Transfer))
        return FormKind::Transfer;
    return std::nullopt;
}

// A value the form will not show whole: cut to what its rows hold, running past its field towards the
// next copy, or holding characters the form's code page has not (they print as "?").
struct FieldWarning {
    enum class Kind { Cut, RunsPast, Unprintable };
    Kind kind;
    const char* key; // the transfer file's key: "NDNazwa", "Tytulem", ...
    QString name; // as the form's caption names the field: "nazwa odbiorcy"
    int length = 0; // Cut: the value's characters
    int capacity = 0; // Cut: the characters the form prints
    QString characters; // Unprintable: each such character once
};

// "Nie zmieści się na blankiecie: nazwa odbiorcy (62 znaki, mieści się 54), tytułem" and, for characters
// the form cannot print, a second sentence; empty when there is nothing to say.
QString warningLine(const std::vector<FieldWarning>& warnings);
// One line for the command line: "NDNazwa: 62 characters, the form prints 54".
QString warningText(const FieldWarning& warning);

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

    // Why an amount cannot go on a deposit slip: it is negative, too large for words, or its words pass
    // the end of the line even at 7 points. Nothing when it can. Measures on the payer-account labels,
    // whose captions the next generation replaces.
    std::optional<QString> depositProblem(transfer::Money amount);

    // What the form of the given kind will not show whole of these values, field by field in the form's
    // order. Fills the data labels from a record of its own, as a generation would (the next generation
    // replaces their captions); the transfer table is not touched.
    std::vector<FieldWarning> fieldWarnings(const transfer::TransferEditorValues& values, FormKind kind);

private:
    void setUpReport();
    void buildBand();
    void addComponents();
    void ensureComponents();
    report::TRpLabel& labelRef(const char* name);
    void fill(data::TMemTable& table);
    void applyValuesOnly();
    void addDepositCrosses();
    bool fitOnPayerLine(std::size_t copy, const std::string& text);

    FormKind m_kind = FormKind::Transfer;
    bool m_valuesOnly = false;
    bool m_valuesOnlyApplied = false; // what the components are set for now
    std::vector<ComponentDef> m_layout; // as built, to come back to from values only

    bool m_componentsMade = false; // the components are made on first use (ensureComponents)
    std::map<std::string, report::TRpPrintable*> m_components;
};

} // namespace printout

// The one report form of the program, created at start-up after DM2.
extern printout::TfrPrzelNew* frPrzelNew;

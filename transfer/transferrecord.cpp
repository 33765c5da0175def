// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/transferrecord.h"

#include "data/dm2.h"
#include "platform/cp1250.h"
#include "platform/regional.h"
#include "transfer/accountcheck.h"
#include "transfer/datetext.h"
#include "transfer/problem.h"
#include "transfer/replacealltext.h"

#include <algorithm>

namespace transfer {

TransferEditorValues editorValuesFromFile(const TransferFileValues& file, std::vector<Problem>* problems)
{
    auto problem = [problems](const Problem& found) {
        if (problems)
            problems->push_back(found);
    };
    // Each value whole, however long: the form's check names what it cuts, with the value's real length.
    TransferEditorValues values;
    const bool utf8 = file.utf8;
    values.recipientName = decodeFileText(file.NDNazwa, utf8);
    // The check digits and the rest; either may be empty (the log's export gives the whole account as the
    // rest).
    values.recipientAccount = decodeFileText(file.NDKONTOKONTR + ' ' + file.NDKonto, utf8).trimmed();
    const QString amountText = decodeFileText(file.Kwota, utf8);
    const AmountReading amount = readAmount(amountText);
    values.amount = amount.money;
    if (const std::optional<Problem> refused = amountProblem(amount, amountText, file.KwotaLine))
        problem(*refused);
    values.payerName = decodeFileText(file.WCNazwa, utf8);
    values.payerAccount = decodeFileText(file.WCKonto, utf8); // only a CSV column gives it
    values.title = decodeFileText(file.Tytulem, utf8);
    const QString dateText = decodeFileText(file.Data, utf8);
    values.date = parseFileDateText(dateText, platform::today(), platform::now()).value_or(platform::NoDate);
    if (values.date <= 0) {
        if (!dateText.trimmed().isEmpty())
            problem({ Problem::Kind::UnreadableDate, Field::Data, file.DataLine, dateText });
        values.date = platform::today();
    }
    return values;
}

namespace {

// Inserts one record into the open table, filled as the print command fills it, and posts it.
void appendTransferRecord(data::TDM2& dm, const TransferEditorValues& values)
{
    data::TMemTable& table = dm.mtPlat;
    table.insert();
    if (values.date > 0)
        dm.mtPlatData->setAsDateTime(values.date);
    dm.mtPlatKwota->setAsFloat(values.amount.value_or(Money()).toRecordValue());
    dm.mtPlatWCNazwa->setAsString(platform::toCp1250(values.payerName));
    // An NRB written as on an invoice, with spaces, would run past its field into the next copy.
    const bool payerNrb = checkAccountNumber(values.payerAccount) != AccountCheck::NotAnAccount;
    dm.mtPlatWCKonto->setAsString(
        platform::toCp1250(payerNrb ? accountDigits(values.payerAccount) : values.payerAccount));
    dm.mtPlatNDNazwa->setAsString(platform::toCp1250(values.recipientName));
    std::string n = ReplaceAllText("-", "", platform::toCp1250(values.recipientAccount), true);
    n = ReplaceAllText(" ", "", n, true);
    // An IBAN's country letters are no check digits: the account prints as the NRB.
    if (n.size() > 2 && (n[0] == 'P' || n[0] == 'p') && (n[1] == 'L' || n[1] == 'l') && n[2] >= '0'
        && n[2] <= '9')
        n.erase(0, 2);
    const std::string k = n.substr(0, std::min<size_t>(2, n.size()));
    const std::string r = n.size() > 2 ? n.substr(2) : std::string();
    dm.mtPlatNDKonto->setAsString(r);
    dm.mtPlatNDKONTOKONTR->setAsString(k);
    dm.mtPlatTytulem->setAsString(platform::toCp1250(values.title));
    table.post();
}

void reopen(data::TMemTable& table)
{
    if (table.isOpen())
        table.close();
    table.open();
}

} // namespace

void writeTransferRecord(data::TDM2& dm, const TransferEditorValues& values)
{
    reopen(dm.mtPlat);
    appendTransferRecord(dm, values);
}

void writeTransferRecords(data::TDM2& dm, const std::vector<TransferEditorValues>& transfers)
{
    reopen(dm.mtPlat);
    for (const TransferEditorValues& values : transfers)
        appendTransferRecord(dm, values);
}

QString totalText(const std::vector<TransferEditorValues>& transfers, Language language)
{
    std::int64_t grosze = 0;
    for (const TransferEditorValues& t : transfers)
        grosze += t.amount.value_or(Money()).grosze();
    const std::size_t n = transfers.size();
    if (language == Language::English)
        return QStringLiteral("Total: %1 transfer%2, %3 zł")
            .arg(n)
            .arg(n == 1 ? QString() : QStringLiteral("s"), Money::fromGrosze(grosze).groupedText());
    const std::size_t last = n % 10, lastTwo = n % 100;
    const char* noun = n == 1                                      ? "przelew"
        : last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? "przelewy"
                                                                   : "przelewów";
    return QStringLiteral("Razem: %1 %2, %3 zł")
        .arg(n)
        .arg(QString::fromUtf8(noun), Money::fromGrosze(grosze).groupedText());
}

} // namespace transfer

// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/transferrecord.h"

#include "data/dm2.h"
#include "platform/cp1250.h"
#include "platform/regional.h"
#include "transfer/datetext.h"
#include "transfer/fileamount.h"
#include "transfer/replacealltext.h"

#include <algorithm>

namespace transfer {

std::optional<double> amountFromText(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(platform::thousandsSeparator());
    return platform::parseDecimal(cleaned);
}

namespace {

// Converting more than an editor keeps of a huge value would only cost time. A UTF-8 character takes
// up to four bytes, and the cut is made again once the characters are known.
QString editorText(std::string_view bytes, bool utf8)
{
    QString text = decodeFileText(bytes.substr(0, utf8 ? 4 * EditorTextLimit : EditorTextLimit), utf8);
    if (size_t(text.size()) > EditorTextLimit)
        text.truncate(qsizetype(EditorTextLimit));
    return text;
}

} // namespace

TransferEditorValues editorValuesFromFile(
    const TransferFileValues& file, std::vector<FileValueProblem>* problems)
{
    auto problem = [problems](FileValueProblem::Kind kind, int line, const QString& value) {
        if (problems)
            problems->push_back({ kind, line, value });
    };
    TransferEditorValues values;
    const bool utf8 = file.utf8;
    values.recipientName = editorText(file.NDNazwa, utf8);
    values.recipientAccount = editorText(file.NDKONTOKONTR + ' ' + file.NDKonto, utf8);
    const QString amountText = editorText(file.Kwota, utf8);
    const FileAmount amount = readFileAmount(amountText);
    values.amount = amount.value;
    if (amount.state == FileAmount::State::Unreadable)
        problem(FileValueProblem::Kind::UnreadableAmount, file.KwotaLine, amountText);
    else if (amount.state == FileAmount::State::Ambiguous)
        problem(FileValueProblem::Kind::AmbiguousAmount, file.KwotaLine, amountText);
    values.payerName = editorText(file.WCNazwa, utf8);
    values.title = editorText(file.Tytulem, utf8);
    const QString dateText = editorText(file.Data, utf8);
    values.date = parseFileDateText(dateText, platform::today(), platform::now()).value_or(platform::NoDate);
    if (values.date <= 0) {
        if (!dateText.trimmed().isEmpty())
            problem(FileValueProblem::Kind::UnreadableDate, file.DataLine, dateText);
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
    dm.mtPlatKwota->setAsFloat(values.amount.value_or(0.0));
    dm.mtPlatWCNazwa->setAsString(platform::toCp1250(values.payerName));
    dm.mtPlatWCKonto->setAsString(platform::toCp1250(values.payerAccount));
    dm.mtPlatNDNazwa->setAsString(platform::toCp1250(values.recipientName));
    std::string n = ReplaceAllText("-", "", platform::toCp1250(values.recipientAccount), true);
    n = ReplaceAllText(" ", "", n, true);
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

} // namespace transfer

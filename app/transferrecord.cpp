#include "app/transferrecord.h"

#include "app/datetext.h"
#include "app/replacealltext.h"
#include "data/dm2.h"
#include "platform/cp1250.h"
#include "platform/regional.h"

#include <algorithm>

std::optional<double> amountFromText(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(platform::thousandsSeparator());
    return platform::parseDecimal(cleaned);
}

namespace {

// Converting more than an editor keeps of a huge value would only cost time.
QString editorText(std::string_view bytes)
{
    return platform::fromCp1250(bytes.substr(0, EditorTextLimit));
}

} // namespace

TransferEditorValues editorValuesFromFile(const TransferFileValues& file)
{
    TransferEditorValues values;
    values.recipientName = editorText(file.NDNazwa);
    values.recipientAccount = editorText(file.NDKONTOKONTR + ' ' + file.NDKonto);
    values.amount = amountFromText(editorText(file.Kwota));
    values.payerName = editorText(file.WCNazwa);
    values.title = editorText(file.Tytulem);
    values.date = parseDateText(editorText(file.Data)).value_or(platform::NoDate);
    if (values.date <= 0)
        values.date = platform::today();
    return values;
}

void writeTransferRecord(data::TDM2& dm, const TransferEditorValues& values)
{
    data::TMemTable& table = dm.mtPlat;
    if (table.isOpen())
        table.close();
    table.open();
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

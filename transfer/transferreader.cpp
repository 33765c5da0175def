// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/transferreader.h"

#include "platform/datetime.h"
#include "platform/error.h"
#include "platform/files.h"
#include "transfer/csvimport.h"
#include "transfer/datetext.h"
#include "transfer/invoice.h"
#include "transfer/transferfile.h"

#include <QFileInfo>
#include <algorithm>

namespace transfer {

namespace {

SourceTransfer fromFileValues(const TransferFileValues& file, const QString& path, int line)
{
    SourceTransfer transfer;
    transfer.file = path;
    transfer.line = line;
    transfer.values = editorValuesFromFile(file, &transfer.problems);
    const QString form = decodeFileText(file.Formularz, file.utf8).trimmed().toLower();
    if (form == QLatin1String("przelew") || form == QLatin1String("wplata")
        || form == QStringLiteral("wpłata"))
        transfer.form = form == QLatin1String("przelew") ? form : QStringLiteral("wplata");
    else if (!form.isEmpty())
        transfer.problems.push_back({ Problem::Kind::UnknownForm, Field::None, line, form });
    checkTransfer(transfer.values, transfer.problems);
    return transfer;
}

SourceTransfers readTransferFile(std::string_view bytes, const QString& path)
{
    const TransferFileValues file = parseTransferFile(bytes);
    SourceTransfers read;
    if (file.keysFound == 0) {
        SourceTransfer empty;
        empty.file = path;
        empty.values = editorValuesFromFile(file);
        empty.problems.push_back({ Problem::Kind::NoTransferData });
        read.transfers.push_back(std::move(empty));
        return read;
    }
    read.transfers.push_back(fromFileValues(file, path, 0));
    return read;
}

SourceTransfers readCsv(std::string_view bytes, const QString& path, const ColumnChoices& choices)
{
    CsvTransfers csv;
    try {
        csv = parseCsvTransfers(bytes, choices);
    } catch (const platform::Error& error) {
        throw platform::Error(
            QStringLiteral("%1: %2").arg(QFileInfo(path).absoluteFilePath(), error.message()));
    }
    SourceTransfers read;
    read.ignoredColumns = csv.unknownColumns;
    for (const CsvRow& row : csv.rows) {
        if (row.fault != CsvRow::Fault::None) {
            SourceTransfer faulty;
            faulty.file = path;
            faulty.line = row.line;
            if (row.quoteUnclosed)
                faulty.problems.push_back({ Problem::Kind::UnclosedQuote, Field::None, 0,
                    row.lastLine > row.line ? QStringLiteral("%1–%2").arg(row.line + 1).arg(row.lastLine)
                                            : QString::number(row.line) });
            else
                faulty.problems.push_back(
                    { row.fault == CsvRow::Fault::Quoting ? Problem::Kind::Quoting
                                                          : Problem::Kind::TooManyFields });
            read.transfers.push_back(std::move(faulty));
            continue;
        }
        SourceTransfer transfer = fromFileValues(row.values, path, row.line);
        if (row.unclosedQuoteLine)
            transfer.problems.push_back(
                { Problem::Kind::ReadAgain, Field::None, 0, QString::number(row.unclosedQuoteLine) });
        if (row.cp1250Line)
            transfer.problems.push_back({ Problem::Kind::Cp1250Line });
        read.transfers.push_back(std::move(transfer));
    }
    return read;
}

} // namespace

SourceKind sourceKindOf(const QString& path, std::string_view bytes)
{
    if (looksLikeXml(bytes))
        return SourceKind::Invoice;
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
        ? SourceKind::Csv
        : SourceKind::TransferFile;
}

std::string readSourceFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0
        && std::size_t(info.size()) > InvoiceSizeLimit)
        throw platform::Error(QStringLiteral("%1: %2").arg(
            info.absoluteFilePath(), problemText({ Problem::Kind::XmlTooLarge }, Language::Polish)));
    return platform::readWholeFile(path, platform::ShareMode::DenyWrite);
}

SourceTransfers readTransferSource(const QString& path, const ColumnChoices& choices)
{
    const std::string bytes = readSourceFile(path);
    return readTransferBytes(bytes, sourceKindOf(path, bytes), path, choices);
}

SourceTransfers readTransferBytes(
    std::string_view bytes, SourceKind kind, const QString& file, const ColumnChoices& choices)
{
    switch (kind) {
    case SourceKind::Csv:
        return readCsv(bytes, file, choices);
    case SourceKind::Invoice: {
        SourceTransfers read;
        read.transfers.push_back(readInvoice(bytes, file, platform::today()));
        return read;
    }
    case SourceKind::TransferFile:
        break;
    }
    return readTransferFile(bytes, file);
}

bool editTransferValue(SourceTransfer& transfer, Field field, const QString& text)
{
    TransferEditorValues& v = transfer.values;
    std::erase_if(transfer.problems, [field](const Problem& p) { return p.field == field; });
    bool taken = true;
    switch (field) {
    case Field::Kwota: {
        const AmountReading amount = readAmount(text);
        if (const std::optional<Problem> refused = amountProblem(amount, text)) {
            transfer.problems.push_back(*refused);
            taken = false;
        } else {
            v.amount = amount.money;
        }
        break;
    }
    case Field::Data: {
        const std::optional<double> date = parseDateText(text);
        if (date && *date > 0) {
            v.date = *date;
        } else {
            transfer.problems.push_back({ Problem::Kind::UnreadableDate, Field::Data, 0, text });
            taken = false;
        }
        break;
    }
    case Field::NDNazwa:
        v.recipientName = text;
        break;
    case Field::NDKonto:
        v.recipientAccount = text;
        break;
    case Field::WCNazwa:
        v.payerName = text;
        break;
    case Field::WCKonto:
        v.payerAccount = text;
        break;
    case Field::Tytulem:
        v.title = text;
        break;
    case Field::None:
        break;
    }
    checkTransfer(v, transfer.problems);
    return taken;
}

QString sourceName(const SourceTransfer& transfer, SourcePath path, Language language)
{
    const QFileInfo file(transfer.file);
    QString name = path == SourcePath::Absolute ? file.absoluteFilePath() : file.fileName();
    if (!transfer.document.isEmpty())
        return QStringLiteral("%1, %2").arg(transfer.document, name);
    if (!transfer.line)
        return name;
    const QString row
        = language == Language::Polish ? QStringLiteral("%1, wiersz %2") : QStringLiteral("%1, line %2");
    return row.arg(name).arg(transfer.line);
}

QString problemMessage(const SourceTransfer& transfer, const Problem& problem)
{
    QString where = QFileInfo(transfer.file).absoluteFilePath();
    if (const int line = transfer.lineOf(problem))
        where += QStringLiteral(", line %1").arg(line);
    if (problem.field != Field::None)
        where += QStringLiteral(": ") + fieldLabel(problem.field);
    return where + QStringLiteral(": ") + problemText(problem, Language::English);
}

} // namespace transfer

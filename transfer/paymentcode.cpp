// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/paymentcode.h"

#include "transfer/accountcheck.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <qrencode.h>

namespace transfer {

namespace {

constexpr int QuietZone = 4;

// Letters (Polish ones too), digits, space and the standard's few signs; anything else is left out.
QString allowed(const QString& text, int limit)
{
    static const QString signs = QStringLiteral(",./\\-@#&*_ ");
    QString kept;
    for (const QChar c : text) {
        if (kept.size() == limit)
            break;
        if (c.isLetter() || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || signs.contains(c))
            kept += c;
    }
    return kept;
}

QString digitsOnly(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    digits.remove(QLatin1Char('-'));
    return digits;
}

bool allDigits(const QString& text)
{
    return std::all_of(
        text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

std::optional<QString> paymentCodePayload(
    const TransferEditorValues& values, const QString& taxNumber, QString* problem)
{
    auto fail = [problem](const QString& why) -> std::optional<QString> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    const QString nip = digitsOnly(taxNumber);
    if (!nip.isEmpty() && (nip.size() != 10 || !allDigits(nip)))
        return fail(QCoreApplication::translate("transfer", "NIP odbiorcy ma 10 cyfr"));
    const QString account = accountDigits(values.recipientAccount);
    if (account.size() != 26 || !allDigits(account))
        return fail(QCoreApplication::translate("transfer", "Kod wymaga rachunku odbiorcy z 26 cyfr"));
    const long long grosze = values.amount.value_or(Money()).grosze();
    if (grosze < 0)
        return fail(QCoreApplication::translate("transfer", "Kwota nie może być ujemna"));
    if (grosze > MaxPaymentCodeAmount.grosze())
        return fail(QCoreApplication::translate(
            "transfer", "Kwoty powyżej 9 999,99 zł nie da się zapisać w kodzie do zapłaty telefonem"));
    const QStringList fields { nip, QStringLiteral("PL"), account,
        QStringLiteral("%1").arg(grosze, 6, 10, QLatin1Char('0')), allowed(values.recipientName, 20),
        allowed(values.title, 32), QString(), QString(), QString() };
    return fields.join(QLatin1Char('|'));
}

QrMatrix encodeQr(const QString& payload)
{
    const QByteArray bytes = payload.toUtf8();
    QRcode* code = QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_L);
    QrMatrix matrix;
    if (!code)
        return matrix;
    matrix.size = code->width;
    matrix.dark.resize(std::size_t(code->width) * std::size_t(code->width));
    for (std::size_t i = 0; i < matrix.dark.size(); ++i)
        matrix.dark[i] = (code->data[i] & 1) != 0;
    QRcode_free(code);
    return matrix;
}

QImage qrImage(const QrMatrix& code, int module)
{
    const int side = (code.size + 2 * QuietZone) * module;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (code.at(x, y))
                painter.fillRect(
                    (x + QuietZone) * module, (y + QuietZone) * module, module, module, Qt::black);
        }
    }
    return image;
}

QByteArray qrSvg(const QrMatrix& code)
{
    const int side = code.size + 2 * QuietZone;
    QByteArray path;
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (code.at(x, y))
                path += "M" + QByteArray::number(x + QuietZone) + " " + QByteArray::number(y + QuietZone)
                    + "h1v1h-1z";
        }
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "viewBox=\"0 0 "
        + QByteArray::number(side) + " " + QByteArray::number(side) + "\" width=\""
        + QByteArray::number(side * 8) + "\" height=\"" + QByteArray::number(side * 8)
        + "\" shape-rendering=\"crispEdges\">\n<rect width=\"100%\" "
        + "height=\"100%\" fill=\"#fff\"/>\n<path fill=\"#000\" d=\"" + path + "\"/>\n</svg>\n";
}

} // namespace transfer

// SPDX-License-Identifier: GPL-2.0-or-later
// The 2D payment code of the Polish bank association's standard: a transfer as nine fields joined by
// "|", encoded as a QR code a phone's banking app scans to pay it.
#pragma once

#include "transfer/transferrecord.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace transfer {

// The largest amount the standard's six digits of grosze hold: 9 999,99 zł.
inline constexpr Money MaxPaymentCodeAmount = Money::fromGrosze(999'999);

// The payload for the transfer, with the recipient's tax number (empty, or 10 digits): NIP, "PL", the
// 26-digit account, the amount in grosze as 6 digits, the name (at most 20 characters) and the title (at
// most 32), then three empty fields. Characters other than letters, digits, space and , . / \ - @ # & * _
// are left out of the texts. Nothing when the transfer cannot be encoded; problem then says why.
std::optional<QString> paymentCodePayload(
    const TransferEditorValues& values, const QString& taxNumber, QString* problem = nullptr);

// The QR code of a payload (error correction level L, the text as UTF-8): its modules, row by row, true
// for dark; empty when it cannot be encoded.
struct QrMatrix {
    int size = 0;
    std::vector<bool> dark;
    bool at(int x, int y) const { return dark[std::size_t(y) * std::size_t(size) + std::size_t(x)]; }
};
QrMatrix encodeQr(const QString& payload);

// The code as an image, `module` pixels a module with the standard's quiet zone of four modules around
// it; and as an SVG document of the same drawing, one unit a module.
QImage qrImage(const QrMatrix& code, int module);
QByteArray qrSvg(const QrMatrix& code);

} // namespace transfer

// SPDX-License-Identifier: GPL-2.0-or-later
// "Kod do zapłaty telefonem": the 2D payment code of the transfer in the main window's editors, large
// enough to scan from the screen, its text below, and "Zapisz…" as PNG or SVG.
#pragma once

#include "transfer/paymentcode.h"
#include "transfer/transferrecord.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class PaymentCodeWindow : public QDialog {
    Q_OBJECT
public:
    explicit PaymentCodeWindow(const transfer::TransferEditorValues& values, QWidget* parent = nullptr);

    // The save dialog; tests put a function that returns a path (empty for a cancel).
    void setSaveChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

    QLineEdit* taxNumber() const { return m_taxNumber; }
    QLabel* code() const { return m_code; }
    QLabel* text() const { return m_text; }
    QPushButton* saveButton() const { return m_save; }

    void saveClick();

private:
    void update();

    transfer::TransferEditorValues m_values;
    QLineEdit* m_taxNumber;
    QLabel* m_code;
    QLabel* m_text;
    QPushButton* m_save;
    transfer::QrMatrix m_matrix;
    std::function<QString()> m_chooseFile;
};

} // namespace app

// SPDX-License-Identifier: GPL-2.0-or-later
// The amount editor: holds an amount or nothing. Without the focus it shows the amount as "0.00" with
// the regional decimal separator; with the focus, its shortest form. Typed keys that would give no
// number, a third decimal or an amount past the largest are refused with a beep. What it holds is read
// from its text as every amount is (transfer::readAmount).
#pragma once

#include "transfer/money.h"

#include <QLineEdit>
#include <optional>

namespace app {

class TCurrencyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);

    std::optional<transfer::Money> value() const { return m_value; }
    // The amount held, or 0 when it holds nothing.
    transfer::Money numericValue() const { return m_value.value_or(transfer::Money()); }
    void setValue(std::optional<transfer::Money> value);

    // A text given by a program: read as every amount is; what gives no amount leaves the editor holding
    // nothing.
    void setAmountText(const QString& text);

    // Whether the typed character may go into the text (after "." and "," became the separator).
    static bool acceptsResult(const QString& resultingText);

signals:
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showValue();
    void insertChecked(const QString& text);
    void refuse();

    void takeText();

    std::optional<transfer::Money> m_value;
    bool m_showsFixed = false; // the text is the "0.00" form of the value
};

} // namespace app

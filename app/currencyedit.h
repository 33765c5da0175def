// SPDX-License-Identifier: GPL-2.0-or-later
// The amount editor: holds a number or nothing. Without the focus it shows the number as "0.00" with
// the regional decimal separator; with the focus, its shortest form. Typed keys that would give no
// number or a third decimal are refused with a beep.
#pragma once

#include <QLineEdit>
#include <optional>

namespace app {

class TCurrencyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);

    std::optional<double> value() const { return m_value; }
    // The number held, or 0 when it holds nothing.
    double numericValue() const { return m_value.value_or(0.0); }
    void setValue(std::optional<double> value);

    // A text given by a program (the import): the regional thousands separators are removed and the
    // rest is read as a regional decimal number; anything else leaves the editor holding nothing.
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

    std::optional<double> m_value;
    bool m_showsFixed = false; // the text is the "0.00" form of the value
};

} // namespace app

// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/currencyedit.h"

#include "platform/regional.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace app {

TCurrencyEdit::TCurrencyEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString&) { takeText(); });
    showValue();
}

void TCurrencyEdit::takeText()
{
    m_value = transfer::readAmount(text()).money;
}

void TCurrencyEdit::setValue(std::optional<transfer::Money> value)
{
    m_value = value;
    showValue();
}

void TCurrencyEdit::setAmountText(const QString& text)
{
    setValue(transfer::readAmount(text).money);
}

void TCurrencyEdit::showValue()
{
    m_showsFixed = false;
    if (!m_value) {
        setText(QString());
    } else if (hasFocus()) {
        setText(m_value->shortText(platform::decimalSeparator()));
    } else {
        setText(m_value->text(platform::decimalSeparator()));
        m_showsFixed = true;
    }
}

bool TCurrencyEdit::acceptsResult(const QString& resultingText)
{
    const QChar sep = platform::decimalSeparator();
    if (resultingText.trimmed() == QLatin1String("-"))
        return true;
    if (!platform::parseDecimal(resultingText, sep)
        || platform::decimalsAfterSeparator(resultingText, sep) > 2)
        return false;
    return transfer::readAmount(resultingText).state == transfer::AmountReading::State::Read;
}

void TCurrencyEdit::refuse()
{
    QApplication::beep();
    emit keyRefused();
}

void TCurrencyEdit::insertChecked(const QString& text)
{
    QString result = this->text();
    int start = cursorPosition();
    int length = 0;
    if (hasSelectedText()) {
        start = selectionStart();
        length = int(selectedText().size());
    }
    result.replace(start, length, text);
    if (!acceptsResult(result)) {
        refuse();
        return;
    }
    insert(text);
    takeText();
}

void TCurrencyEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        QString pasted = QApplication::clipboard()->text();
        // An amount as invoices and statements write it ("1 234,56", "1.234,56") is taken whole, in its
        // shortest form, so that typing can go on.
        const transfer::AmountReading whole = transfer::readAmount(pasted);
        if (whole.money && (text().isEmpty() || selectedText() == text())) {
            setText(whole.money->shortText(platform::decimalSeparator()));
            m_value = whole.money;
            return;
        }
        pasted.replace(QLatin1Char('.'), platform::decimalSeparator());
        pasted.replace(QLatin1Char(','), platform::decimalSeparator());
        insertChecked(pasted);
        return;
    }
    const QString typed = event->text();
    const bool isCharacter = typed.size() == 1 && typed.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!isCharacter) {
        // Editing and moving keys (Backspace, Delete, arrows, shortcuts) go through unchanged.
        QLineEdit::keyPressEvent(event);
        if (!isReadOnly())
            takeText();
        return;
    }
    QChar c = typed.at(0);
    if (c == QLatin1Char('.') || c == QLatin1Char(','))
        c = platform::decimalSeparator();
    const bool allowed = c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-')
        || c == QLatin1Char('e') || c == QLatin1Char('E') || c == platform::decimalSeparator();
    if (!allowed || (c.isDigit() && (c.unicode() < '0' || c.unicode() > '9'))) {
        refuse();
        return;
    }
    insertChecked(QString(c));
}

void TCurrencyEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    // Coming back from another window keeps what was being typed; the "0.00" form gives way as usual.
    if (event->reason() == Qt::ActiveWindowFocusReason && !m_showsFixed)
        return;
    showValue();
    // Showing the shortest form replaced the text, and with it the selection that Tab gives.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void TCurrencyEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window takes the focus only for a while; the editing goes on.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    takeText();
    showValue();
}

} // namespace app

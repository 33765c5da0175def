// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dateedit.h"

#include "platform/datetime.h"
#include "platform/errordisplay.h"
#include "transfer/datetext.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace app {

namespace {

// The drop-down arrow of the editor's button, drawn here so it does not depend on an icon theme.
QIcon arrowIcon(const QPalette& palette)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette.color(QPalette::ButtonText));
    const QPointF points[] = { { 4.0, 6.0 }, { 12.0, 6.0 }, { 8.0, 11.0 } };
    p.drawPolygon(points, 3);
    return QIcon(pixmap);
}

} // namespace

TDateEdit::TDateEdit(QWidget* parent)
    : QLineEdit(parent)
    , m_date(platform::NoDate)
{
    QAction* drop = addAction(arrowIcon(palette()), QLineEdit::TrailingPosition);
    connect(drop, &QAction::triggered, this, &TDateEdit::showCalendar);
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (acceptTypedText())
            selectAll();
    });
}

double TDateEdit::date() const
{
    if (isModified()) {
        if (text().trimmed().isEmpty())
            return platform::NoDate;
        if (const auto value = transfer::parseDateText(text()))
            return *value;
    }
    return m_date;
}

void TDateEdit::setDate(double days)
{
    m_date = days;
    showDate();
}

void TDateEdit::clearDate()
{
    setDate(platform::NoDate);
}

void TDateEdit::setDateText(const QString& text)
{
    const auto value = transfer::parseDateText(text);
    setDate(value ? *value : platform::NoDate);
}

void TDateEdit::showDate()
{
    setText(transfer::dateDisplayText(m_date));
    setModified(false);
}

bool TDateEdit::acceptTypedText()
{
    if (text().trimmed().isEmpty()) {
        clearDate();
        return true;
    }
    if (!isModified())
        return true; // the shown date itself, which may carry a time the words gave
    const auto value = transfer::parseDateText(text());
    if (!value) {
        emit invalidDateShown();
        // Shown after the current event, so the box never opens inside a focus change.
        QMetaObject::invokeMethod(
            this, [this] { platform::showError(tr("Nieporawna data"), window()); }, Qt::QueuedConnection);
        return false;
    }
    setDate(*value);
    return true;
}

void TDateEdit::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))
        || event->key() == Qt::Key_F4) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The calendar, a context menu or another window: still editing.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!acceptTypedText())
        showDate(); // the date held stays; so does its text
}

void TDateEdit::showCalendar()
{
    if (!m_popup) {
        m_popup = new QFrame(this, Qt::Popup);
        m_popup->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QVBoxLayout(m_popup);
        layout->setContentsMargins(2, 2, 2, 2);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setGridVisible(false);
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        layout->addWidget(m_calendar);
        auto* buttons = new QHBoxLayout;
        auto* today = new QPushButton(tr("Dziś"), m_popup);
        auto* clear = new QPushButton(tr("Wyczyść"), m_popup);
        today->setObjectName(QStringLiteral("today"));
        clear->setObjectName(QStringLiteral("clear"));
        buttons->addWidget(today);
        buttons->addWidget(clear);
        layout->addLayout(buttons);
        connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate d) {
            m_popup->hide();
            setDate(platform::toDays(d));
        });
        connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate d) {
            m_popup->hide();
            setDate(platform::toDays(d));
        });
        connect(today, &QPushButton::clicked, this, [this] {
            m_popup->hide();
            setDate(platform::today());
        });
        connect(clear, &QPushButton::clicked, this, [this] {
            m_popup->hide();
            clearDate();
        });
    }
    // The typed text counts first, so the calendar opens on it.
    if (isModified() && !acceptTypedText())
        return;
    m_calendar->setSelectedDate(
        m_date > platform::NoDate ? platform::dateOfDays(m_date) : QDate::currentDate());
    m_popup->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        if (at.y() + m_popup->height() > avail.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        at.setX(std::min(at.x(), avail.right() - m_popup->width()));
    }
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus();
}

} // namespace app

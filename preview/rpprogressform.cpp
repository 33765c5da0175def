// SPDX-License-Identifier: GPL-2.0-or-later
#include "preview/rpprogressform.h"

#include "platform/events.h"
#include "report/rpprinter.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace preview {

using namespace report;

TRpProgressForm::TRpProgressForm(TRpPrinter* printer, QWidget* parent)
    // A dialog frame: a caption and a close box (which cancels), no minimise or maximise box.
    : QDialog(parent,
        Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
    , m_printer(printer)
    , m_gauge(new QProgressBar(this))
    , m_info(new QLabel(this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("RpProgressForm"));
    setWindowTitle(tr("Printing progress"));
    // 149 x 97 as designed, wider where a window manager's frame (bold caption beside an icon and up to
    // three buttons) would otherwise cut the caption; the contents stay centred.
    QFont captionFont = font();
    captionFont.setBold(true);
    const int captionWidth = QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + CaptionFrameRoom;
    setFixedSize(std::max(149, captionWidth), 97);
    const int shift = (width() - 149) / 2;
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    m_gauge->setGeometry(16 + shift, 18, 114, 16);
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    m_info->setObjectName(QStringLiteral("Info"));
    m_info->setGeometry(0, 44, width() - 4, 13);
    m_info->setText(progressText(0));
    m_info->setAlignment(Qt::AlignCenter);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_cancelButton->setGeometry(36 + shift, 60, 75, 25);
    connect(m_cancelButton, &QPushButton::clicked, this, &TRpProgressForm::CancelButtonClick);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void TRpProgressForm::showPainted()
{
    show();
    raise();
    // The print runs on right away and lets events through only at its checkpoints: wait (briefly) for
    // the window system to map the window, then paint it at once, or it stays blank until the first
    // checkpoint.
    platform::waitUntilExposed(*this);
    repaint();
}

QString TRpProgressForm::progressText(int percent)
{
    return tr("%1%  Completed").arg(percent);
}

void TRpProgressForm::progressUpdate(int)
{
    // The queued value may be stale: the printer's own progress is what is shown.
    if (!m_printer)
        return;
    const int percent = m_printer->progress();
    if (percent % 5 != 0)
        return;
    m_gauge->setValue(percent);
    m_info->setText(progressText(percent));
    platform::letEventsIn();
}

void TRpProgressForm::pageAvailable(int) { }

void TRpProgressForm::CancelButtonClick()
{
    if (m_printer)
        m_printer->RequestCancel();
}

void TRpProgressForm::reject()
{
    CancelButtonClick();
}

void TRpProgressForm::closeEvent(QCloseEvent* event)
{
    // Closing the window by its frame stops the print like the button; the print closes it itself.
    CancelButtonClick();
    event->ignore();
}

} // namespace preview

// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/paymentcodewindow.h"

#include "platform/error.h"
#include "platform/errordisplay.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr int ScreenModule = 6; // pixels a module: a phone reads it from the screen at arm's length

} // namespace

PaymentCodeWindow::PaymentCodeWindow(const transfer::TransferEditorValues& values, QWidget* parent)
    : QDialog(parent)
    , m_values(values)
    , m_taxNumber(new QLineEdit(this))
    , m_code(new QLabel(this))
    , m_text(new QLabel(this))
    , m_save(new QPushButton(tr("&Zapisz…"), this))
{
    setObjectName(QStringLiteral("fKodTelefon"));
    setWindowTitle(tr("Kod do zapłaty telefonem"));
    m_taxNumber->setObjectName(QStringLiteral("eNIP"));
    m_taxNumber->setPlaceholderText(tr("10 cyfr, nieobowiązkowy"));
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setMinimumSize(360, 360);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    connect(m_taxNumber, &QLineEdit::textChanged, this, &PaymentCodeWindow::update);
    connect(
        m_save, &QPushButton::clicked, this, [this] { platform::runGuarded([this] { saveClick(); }, this); });

    auto* form = new QFormLayout;
    form->addRow(tr("NIP odbiorcy:"), m_taxNumber);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_save, QDialogButtonBox::ActionRole);
    buttons->addButton(tr("Zamknij"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_code, 1);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    update();
}

void PaymentCodeWindow::update()
{
    QString problem;
    const std::optional<QString> payload
        = transfer::paymentCodePayload(m_values, m_taxNumber->text(), &problem);
    m_matrix = payload ? transfer::encodeQr(*payload) : transfer::QrMatrix {};
    if (!payload || m_matrix.size == 0) {
        m_code->setPixmap(QPixmap());
        m_code->setText(problem.isEmpty() ? tr("Tego przelewu nie da się zapisać w kodzie.")
                                          : problem + QLatin1Char('.'));
        m_text->clear();
        m_save->setEnabled(false);
        return;
    }
    m_code->setPixmap(QPixmap::fromImage(transfer::qrImage(m_matrix, ScreenModule)));
    m_text->setText(*payload);
    m_save->setEnabled(true);
}

void PaymentCodeWindow::saveClick()
{
    if (m_matrix.size == 0)
        return;
    const QString path = m_chooseFile ? m_chooseFile()
                                      : QFileDialog::getSaveFileName(this, tr("Zapisz kod"), QString(),
                                          tr("Obraz PNG (*.png);;Rysunek SVG (*.svg)"));
    if (path.isEmpty())
        return;
    const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly)
        && (svg ? file.write(transfer::qrSvg(m_matrix)) >= 0
                : transfer::qrImage(m_matrix, 10).save(&file, "PNG"))
        && file.commit();
    if (!written)
        throw platform::Error(
            tr("Cannot create file \"%1\". %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
}

} // namespace app

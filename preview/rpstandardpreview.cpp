// SPDX-License-Identifier: GPL-2.0-or-later
#include "preview/rpstandardpreview.h"

#include "platform/errordisplay.h"
#include "platform/events.h"
#include "preview/rppreview.h"
#include "preview/rppreviewicons.h"
#include "preview/rppreviewimage.h"
#include "preview/rpprintdialog.h"
#include "preview/rpprogressform.h"
#include "report/rpprint.h"
#include "report/rpprinter.h"
#include "report/rpreport.h"
#include "report/rpreportfile.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace preview {

using namespace report;

namespace {
// The file dialogs' filters, translated where they are shown.
const char* const SaveFilterText
    = QT_TRANSLATE_NOOP("preview::TRpStandardPreview", "Report file(*.RPF)|*.RPF|PDF (*.pdf)|*.pdf");
const char* const LoadFilterText
    = QT_TRANSLATE_NOOP("preview::TRpStandardPreview", "Report file (*.RPF)|*.RPF");
} // namespace

const QString TRpStandardPreview::SaveFilter = QString::fromLatin1(SaveFilterText);
const QString TRpStandardPreview::LoadFilter = QString::fromLatin1(LoadFilterText);

namespace {

// "description|pattern|description|pattern" as Qt's name filters "description (pattern)"; a
// description that already names its pattern is kept as it is.
QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        result << (description.endsWith(QLatin1Char(')'))
                ? description
                : QStringLiteral("%1 (%2)").arg(description, parts[i + 1]));
    }
    return result;
}

QString realFileDialog(QWidget* parent, const TRpFileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title);
    dialog.setNameFilters(qtNameFilters(request.filter));
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(request.defaultExtension);
        // A name typed without an extension gets the one of the chosen type.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, request](const QString& f) {
                dialog.setDefaultSuffix(f.contains(QLatin1String("*.pdf"), Qt::CaseInsensitive)
                        ? QStringLiteral("pdf")
                        : request.defaultExtension);
            });
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // The dialog closes on a name that does not exist; the caller says so.
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void realMessageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(
        QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

TRpStandardPreview::FileDialogFunction& fileDialog()
{
    static TRpStandardPreview::FileDialogFunction f;
    return f;
}

TRpStandardPreview::MessageFunction& messageBox()
{
    static TRpStandardPreview::MessageFunction f;
    return f;
}

TRpStandardPreview::PrintFunction& printFunction()
{
    static TRpStandardPreview::PrintFunction f;
    return f;
}

QString askFileName(QWidget* parent, const TRpFileDialogRequest& request)
{
    return fileDialog() ? fileDialog()(parent, request) : realFileDialog(parent, request);
}

void showMessage(QWidget* parent, const QString& text)
{
    if (messageBox())
        messageBox()(parent, text);
    else
        realMessageBox(parent, text);
}

} // namespace

TRpStandardPreview::FileDialogFunction TRpStandardPreview::setFileDialog(FileDialogFunction dialog)
{
    return std::exchange(fileDialog(), std::move(dialog));
}

TRpStandardPreview::MessageFunction TRpStandardPreview::setMessageBox(MessageFunction box)
{
    return std::exchange(messageBox(), std::move(box));
}

TRpStandardPreview::PrintFunction TRpStandardPreview::setPrintFunction(PrintFunction print)
{
    return std::exchange(printFunction(), std::move(print));
}

TRpStandardPreview::TRpStandardPreview(TRpPrinter* printer, QWidget* parent)
    : QMainWindow(parent)
    , m_preview(new TRpPreview(this))
    , m_toolBar(new QToolBar(this))
{
    setObjectName(QStringLiteral("RpStandardPreview"));
    setWindowTitle(tr("Podgląd wydruku"));
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundRole(QPalette::Button); // clBtnFace
    resize(652, 579);

    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    using P = TRpPreviewPicture;
    addDivider("ToolButton1");
    QAction* zoomFit = addButton(
        "ZoomFit", tr("Widok całej strony"), int(P::ZoomFit), &TRpStandardPreview::ZoomToFitClick);
    QAction* zoom100 = addButton(
        "Zoom100", tr("Widok normalny (100%)"), int(P::Zoom100), &TRpStandardPreview::ZoomTo100Click);
    QAction* zoomToWidth = addButton(
        "ZoomToWidth", tr("Szerokość strony"), int(P::ZoomToWidth), &TRpStandardPreview::ZoomToWidthClick);
    auto* zoomGroup = new QActionGroup(this);
    zoomGroup->setExclusive(true);
    for (QAction* a : { zoomFit, zoom100, zoomToWidth }) {
        a->setCheckable(true);
        zoomGroup->addAction(a);
    }
    addDivider("Separator1");
    addButton("FirstPage", tr("Pierwsza strona"), int(P::FirstPage), &TRpStandardPreview::FirstPageClick);
    addButton(
        "PreviousPage", tr("Poprzednia strona"), int(P::PreviousPage), &TRpStandardPreview::PrevPageClick);
    addButton("ToolButton2", tr("Następna strona"), int(P::NextPage), &TRpStandardPreview::NextPageClick);
    addButton("LastPage", tr("Ostatnia strona"), int(P::LastPage), &TRpStandardPreview::LastPageClick);
    addDivider("Separator2");
    addButton(
        "PrintSetup", tr("Ustawienia drukarki"), int(P::PrintSetup), &TRpStandardPreview::PrintSetupClick)
        ->setEnabled(false);
    addButton("Print", tr("Drukuj raport"), int(P::Print), &TRpStandardPreview::PrintClick)
        ->setEnabled(false);
    addDivider("Separator3");
    addButton("SaveReport", tr("Zapisz raport"), int(P::SaveReport), &TRpStandardPreview::SaveClick);
    addButton("LoadReport", tr("Otwórz raport"), int(P::LoadReport), &TRpStandardPreview::LoadClick);
    addDivider("Separator4");
    addReportOptions(printer);

    m_exitButton = new QToolButton(m_toolBar);
    m_exitButton->setObjectName(QStringLiteral("ExitButton"));
    m_exitButton->setText(tr("&Zamknij"));
    m_exitButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_exitButton->setFocusPolicy(Qt::NoFocus);
    m_exitButton->setAutoRaise(true);
    // 45 x 22 as designed, wider where the caption needs it in the user's font.
    m_exitButton->setFixedSize(std::max(45, m_exitButton->sizeHint().width()), 22);
    m_exitButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Z));
    connect(m_exitButton, &QToolButton::clicked, this, [this] { ExitClick(); });
    m_toolBar->addWidget(m_exitButton);

    m_preview->setObjectName(QStringLiteral("RpPreview"));
    m_preview->setBackgroundRole(QPalette::Button);
    setCentralWidget(m_preview);
    m_preview->setFocus();

    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(19);
    m_panels[0] = new QLabel(QStringLiteral("0%"), status);
    m_panels[0]->setObjectName(QStringLiteral("Panel0"));
    m_panels[0]->setFixedWidth(40);
    m_panels[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_panels[1] = new QLabel(tr("Str."), status);
    m_panels[1]->setObjectName(QStringLiteral("Panel1"));
    m_panels[1]->setMinimumWidth(50);
    status->addWidget(m_panels[0]);
    status->addWidget(m_panels[1], 1); // the last panel runs to the right edge

    connect(m_preview, &TRpPreview::OnPageAvailable, this, &TRpStandardPreview::RpPreviewPageAvailable);
    connect(m_preview, &TRpPreview::OnProgressUpdate, this, &TRpStandardPreview::RpPreviewProgressUpdate);
    // The window sees the keys before the control that has the focus.
    qApp->installEventFilter(this);

    setWindowState(windowState() | Qt::WindowMaximized);
    platform::runGuarded([&] { m_preview->setPrinter(printer); }, this);
    if (printer && !printer->title().empty())
        setWindowTitle(QString::fromStdString(printer->title()));
    m_lastProgress = 0;
    zoomToWidth->setChecked(true);
    if (printer && printer->status() == TRpPrinterStatus::Finished)
        action(QStringLiteral("Print"))->setEnabled(true);
}

TRpStandardPreview::~TRpStandardPreview()
{
    qApp->removeEventFilter(this);
}

// The buttons the report asks for, with their text; a click that asks for new pages closes the window and
// lets PreviewReport show the report again.
void TRpStandardPreview::addReportOptions(TRpPrinter* printer)
{
    TRpReport* report = printer ? printer->master() : nullptr;
    if (!report || report->PreviewOptions.empty())
        return;
    const QPointer<TRpReport> guard(report);
    for (std::size_t i = 0; i < report->PreviewOptions.size(); ++i) {
        const TRpPreviewOption& option = report->PreviewOptions[i];
        auto* a = new QAction(option.text, m_toolBar);
        m_reportOptions.push_back(a);
        a->setObjectName(option.name);
        a->setToolTip(option.hint);
        a->setCheckable(option.checkable);
        if (option.checkable && option.checked)
            a->setChecked(option.checked());
        auto* button = new QToolButton(m_toolBar);
        button->setDefaultAction(a);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        m_toolBar->addWidget(button);
        connect(a, &QAction::triggered, this, [this, guard, i](bool checked) {
            // They make the report's pages anew, which loaded pages are not.
            if (!guard || i >= guard->PreviewOptions.size() || !guard->PreviewOptions[i].triggered
                || (this->printer() && this->printer()->loadedFromFile()))
                return;
            bool again = false;
            platform::runGuarded([&] { again = guard->PreviewOptions[i].triggered(checked); }, this);
            if (again && guard) {
                guard->previewAgain();
                close();
            }
        });
    }
    addDivider("Separator5");
}

TRpPrinter* TRpStandardPreview::printer() const
{
    return m_preview->printer();
}

QAction* TRpStandardPreview::addButton(
    const char* name, const QString& hint, int picture, void (TRpStandardPreview::*click)())
{
    QAction* a = m_toolBar->addAction(previewIcon(TRpPreviewPicture(picture)), QString());
    a->setObjectName(QLatin1String(name));
    // The hint is a tool tip only: as a status tip it would take the status bar's place.
    a->setToolTip(hint);
    connect(a, &QAction::triggered, this,
        [this, click] { platform::runGuarded([&] { (this->*click)(); }, this); });
    return a;
}

void TRpStandardPreview::addDivider(const char* name)
{
    m_toolBar->addSeparator()->setObjectName(QLatin1String(name));
}

QAction* TRpStandardPreview::action(const QString& name) const
{
    return m_toolBar->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QString TRpStandardPreview::panelText(int panel) const
{
    return m_panels[panel]->text();
}

void TRpStandardPreview::writePageText()
{
    const int pages = printer() ? printer()->PagesStarted() : 0;
    m_panels[1]->setText(tr("Page %1 of %2").arg(m_preview->PageNumber()).arg(pages));
}

void TRpStandardPreview::RpPreviewPageAvailable(int)
{
    writePageText();
    TRpPrinter* p = printer();
    if (p && p->status() == TRpPrinterStatus::Finished) {
        // Loaded pages have no printer set-up: their settings came with the file.
        action(QStringLiteral("PrintSetup"))->setEnabled(!p->loadedFromFile());
        action(QStringLiteral("Print"))->setEnabled(true);
    }
}

void TRpStandardPreview::RpPreviewProgressUpdate(int progress)
{
    if (progress >= m_lastProgress + 5) {
        m_panels[0]->setText(QStringLiteral("%1%").arg(progress));
        m_lastProgress = progress;
    }
    if (progress == 0 || progress == 100)
        m_panels[0]->setText(QString());
}

void TRpStandardPreview::zoomAfterPendingEvents(void (TRpPreview::*zoom)())
{
    // Pending events may close the window: zoom only if it is still there.
    if (platform::letEventsIn(this))
        (m_preview->*zoom)();
}

void TRpStandardPreview::ZoomToFitClick()
{
    zoomAfterPendingEvents(&TRpPreview::zoomToFit);
}

void TRpStandardPreview::ZoomTo100Click()
{
    zoomAfterPendingEvents(&TRpPreview::zoom100);
}

void TRpStandardPreview::ZoomToWidthClick()
{
    zoomAfterPendingEvents(&TRpPreview::zoomToWidth);
}

void TRpStandardPreview::FirstPageClick()
{
    m_preview->firstPage();
    writePageText();
}

void TRpStandardPreview::PrevPageClick()
{
    m_preview->previousPage();
    writePageText();
}

void TRpStandardPreview::NextPageClick()
{
    m_preview->nextPage();
    writePageText();
}

void TRpStandardPreview::LastPageClick()
{
    m_preview->lastPage();
    writePageText();
}

void TRpStandardPreview::PrintSetupClick()
{
    TRpPrinter* p = printer();
    if (p && p->printerSetupHook)
        p->printerSetupHook();
}

void TRpStandardPreview::PrintClick()
{
    TRpPrinter* p = printer();
    if (!p)
        return;
    // While a report produces pages (for this preview or for a printer) a print would disturb it.
    if (TRpReport* report = p->master()) {
        TRpPrinter* current = report->currentPrinter();
        if (!report->available() || (current && current->status() == TRpPrinterStatus::Generating))
            return;
    }
    if (printFunction())
        printFunction()(*p);
    else
        platform::runGuarded([&] { Print(*p); }, this);
}

void TRpStandardPreview::SaveClick()
{
    TRpFileDialogRequest request;
    request.save = true;
    request.title = tr("Save report");
    request.filter = tr(SaveFilterText);
    request.defaultExtension = QStringLiteral("RPF");
    const QString fileName = askFileName(this, request);
    TRpPrinter* p = printer();
    if (fileName.isEmpty() || !p)
        return;
    // Only a whole report is written: one still producing its pages is said so, and nothing written.
    if (p->status() != TRpPrinterStatus::Finished) {
        showMessage(this, tr("The report is still being generated: save it once all its pages are there"));
        return;
    }
    if (fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        savePdf(*p, fileName);
    else
        p->Save(fileName);
    // The pages of this window left the program: its own data are told, or the report.
    if (p->loadedFromFile())
        return;
    if (const std::shared_ptr<TRpRun>& data = p->run())
        data->output(QStringLiteral("plik"), fileName, 1, p->PagesStarted());
    else if (TRpReport* report = p->master(); report && report->OnOutput)
        report->OnOutput(QStringLiteral("plik"), fileName);
}

void TRpStandardPreview::LoadClick()
{
    TRpFileDialogRequest request;
    request.save = false;
    request.title = tr("Load report");
    request.filter = tr(LoadFilterText);
    const QString fileName = askFileName(this, request);
    TRpPrinter* p = printer();
    if (fileName.isEmpty() || !p)
        return;
    if (!QFileInfo::exists(fileName)) {
        showMessage(this, tr("File does not exist"));
        return;
    }
    p->Load(fileName);
    m_preview->reloadFirstPage();
    writePageText();
    action(QStringLiteral("PrintSetup"))->setEnabled(false);
    for (QAction* option : m_reportOptions)
        option->setEnabled(false);
    // The pages that could be read are shown; those that could not are named.
    if (!p->pageStore()->damage().isEmpty())
        showMessage(this, p->pageStore()->damage());
    action(QStringLiteral("Print"))->setEnabled(true);
}

void TRpStandardPreview::ExitClick()
{
    close();
}

bool TRpStandardPreview::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrlOnly = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_PageUp:
        ctrlOnly ? FirstPageClick() : PrevPageClick();
        return true;
    case Qt::Key_PageDown:
        ctrlOnly ? LastPageClick() : NextPageClick();
        return true;
    case Qt::Key_Home:
        FirstPageClick();
        return true;
    case Qt::Key_End:
        LastPageClick();
        return true;
    default:
        return false;
    }
}

bool TRpStandardPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || m_closed)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    bool handled = false;
    platform::runGuarded([&] { handled = handleKey(key->key(), key->modifiers()); }, this);
    // A navigation key is used up here: the scroll view would otherwise scroll away from the top of
    // the page just shown, and the event would come back to this filter from every parent.
    return handled;
}

void TRpStandardPreview::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        qApp->removeEventFilter(this);
        // The report hears of it first (a running generation is cancelled); the view then lets go of
        // the page target.
        if (TRpPrinter* p = printer()) {
            if (TRpReport* report = p->master())
                platform::runGuarded([&] { report->previewClosed(p); }, this);
            // A run still draws on it until it has stopped: the report frees it then, not this window.
            if (p->status() == TRpPrinterStatus::Generating && p->parent() == this)
                p->setParent(nullptr);
        }
        m_preview->setPrinter(nullptr);
    }
    QMainWindow::closeEvent(event);
}

bool TRpStandardPreview::event(QEvent* event)
{
    // The status bar keeps its panels: no hovered widget's status tip replaces them.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void TRpStandardPreview::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_preview->updateSize();
}

TRpStandardPreviewInterface& TRpStandardPreviewInterface::instance()
{
    static TRpStandardPreviewInterface host;
    return host;
}

TRpStandardPreview* TRpStandardPreviewInterface::ShowPreview(TRpPrinter& printer)
{
    auto* window = new TRpStandardPreview(&printer);
    printer.setParent(window);
    // The normal bounds, centred on the screen, for when the user restores the window.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect bounds(QPoint(), QSize(652, 579));
        bounds.moveCenter(screen->availableGeometry().center());
        window->setGeometry(bounds);
    }
    window->showMaximized();
    window->writePageText();
    return window;
}

void TRpStandardPreviewInterface::showPreview(TRpPrinter* target)
{
    if (target)
        ShowPreview(*target);
}

void TRpStandardPreviewInterface::installPrinterSetup(TRpReport& report, TRpPrinter& previewTarget)
{
    preview::installPrinterSetup(report, previewTarget);
}

std::unique_ptr<QObject> TRpStandardPreviewInterface::printProgress(TRpPrinter& target, bool show)
{
    auto form = std::make_unique<TRpProgressForm>(&target);
    target.setClient(form.get());
    if (show)
        form->showPainted();
    return form;
}

bool TRpStandardPreviewInterface::showsPreview(const TRpPrinter* target) const
{
    if (!target)
        return false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<TRpStandardPreview*>(w);
        if (window && window->printer() == target)
            return true;
    }
    return false;
}

} // namespace preview

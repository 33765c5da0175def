// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/fmenu.h"

#include "app/accountedit.h"
#include "app/batchwindow.h"
#include "app/currencyedit.h"
#include "app/dateedit.h"
#include "app/historywindow.h"
#include "app/openfiles.h"
#include "app/payeecompleter.h"
#include "app/payeewindow.h"
#include "app/payerprofiles.h"
#include "app/paymentcodewindow.h"
#include "app/printsettings.h"
#include "data/dm2.h"
#include "platform/error.h"
#include "platform/errordisplay.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/registry.h"
#include "transfer/accountcheck.h"
#include "transfer/transferreader.h"
#include "transfer/transferrecord.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCompleter>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>
#include <limits>

static void initResources()
{
    Q_INIT_RESOURCE(resources); // the library is static: its resources are registered by hand
}

namespace app {

namespace {

QFont tahoma(int pixels)
{
    QFont font(platform::substituteFace(QStringLiteral("Tahoma")));
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A label sizes itself to its text; the height is the layout's.
QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top, int height, int fontPixels = 13)
{
    auto* label = new QLabel(text, parent);
    if (fontPixels != 13)
        label->setFont(tahoma(fontPixels));
    label->move(left, top);
    label->resize(label->sizeHint().width(), height);
    return label;
}

template <class Editor>
Editor* makeEditor(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* editor = new Editor(parent);
    editor->setObjectName(QString::fromLatin1(name));
    editor->setMaxLength(std::numeric_limits<int>::max()); // a value is never cut here, only named
    editor->setGeometry(left, top, width, height);
    return editor;
}

// The two bars share a flat look: the bar area and the highlight in red 226, green 225, blue 219,
// a line along the bottom edge.
const char* const barStyle = "QMenuBar, QToolBar { background: rgb(226, 225, 219); border: none;"
                             " border-bottom: 1px solid rgb(160, 160, 160); }"
                             "QMenuBar::item:selected { background: rgb(226, 225, 219);"
                             " border: 1px solid rgb(120, 120, 120); }"
                             "QToolBar QToolButton { border: 1px solid transparent; padding: 1px 3px; }"
                             "QToolBar QToolButton:hover { background: rgb(226, 225, 219);"
                             " border: 1px solid rgb(120, 120, 120); }"
                             "QToolBar QToolButton:pressed { background: palette(button); }";

} // namespace

TfMenu::TfMenu(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , PropertiesStore1(QStringLiteral("PropertiesStore1"))
{
    initResources();
    setObjectName(QStringLiteral("fMenu"));
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Przelew"));
    setWindowIcon(QIcon(QStringLiteral(":/przelew.xpm")));
    setFont(tahoma(13));
    setFixedSize(632, 453);

    aNew = new QAction(tr("&Nowy przelew"), this);
    aNew->setObjectName(QStringLiteral("aNew"));
    aNew->setToolTip(tr("Nowy przelew wpisany ręcznie"));
    aNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    aOpen = new QAction(tr("&Otwórz"), this);
    aOpen->setObjectName(QStringLiteral("aOpen"));
    aOpen->setToolTip(tr("Otwiera plik z danymi do przelewu"));
    aOpen->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
    aPrint = new QAction(tr("&Wydruk"), this);
    aPrint->setObjectName(QStringLiteral("aPrint"));
    aPrint->setToolTip(tr("Wydruk przelewu"));
    aPrint->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
    aOpenMany = new QAction(tr("Otwórz wiele…"), this);
    aOpenMany->setObjectName(QStringLiteral("aOpenMany"));
    aOpenMany->setToolTip(tr("Otwiera wiele plików przelewów lub plik CSV"));
    aOpenMany->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    aPaymentCode = new QAction(tr("Kod do zapłaty telefonem…"), this);
    aPaymentCode->setObjectName(QStringLiteral("aPaymentCode"));
    aPaymentCode->setEnabled(false);
    connect(aPrint, &QAction::enabledChanged, aPaymentCode, &QAction::setEnabled);
    connect(aPaymentCode, &QAction::triggered, this, &TfMenu::aPaymentCodeExecute);
    aHistory = new QAction(tr("Historia…"), this);
    aHistory->setObjectName(QStringLiteral("aHistory"));
    aHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    aHistory->setShortcutContext(Qt::WindowShortcut);
    addAction(aHistory);
    connect(aHistory, &QAction::triggered, this, &TfMenu::aHistoryExecute);
    aPayees = new QAction(tr("Kontrahenci…"), this);
    aPayees->setObjectName(QStringLiteral("aPayees"));
    aPayees->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    aPayees->setShortcutContext(Qt::WindowShortcut);
    aPayees->setEnabled(false);
    addAction(aPayees);
    connect(aPayees, &QAction::triggered, this, &TfMenu::aPayeesExecute);
    aSavePayer = new QAction(tr("Zapisz zleceniodawcę"), this);
    aSavePayer->setObjectName(QStringLiteral("aSavePayer"));
    aSavePayer->setToolTip(tr("Zapisuje nazwę i rachunek zleceniodawcy jako profil do wyboru"));
    aRemovePayer = new QAction(tr("Usuń zleceniodawcę"), this);
    aRemovePayer->setObjectName(QStringLiteral("aRemovePayer"));
    // The kind of form: one of two, the last choice kept.
    aFormPrzelew = new QAction(tr("Przelew"), this);
    aFormPrzelew->setObjectName(QStringLiteral("aFormPrzelew"));
    aFormWplata = new QAction(tr("Wpłata gotówkowa"), this);
    aFormWplata->setObjectName(QStringLiteral("aFormWplata"));
    auto* forms = new QActionGroup(this);
    for (QAction* a : { aFormPrzelew, aFormWplata }) {
        a->setCheckable(true);
        forms->addAction(a);
    }
    aFormPrzelew->setChecked(true);
    connect(forms, &QActionGroup::triggered, this, [this] {
        updateFormWarning();
        if (!storeFormKind(formKind()))
            platform::showError(
                tr("Cannot write the registry file \"%1\"").arg(platform::Registry::filePath()), this);
    });
    Action3 = new QAction(tr("Wyjście"), this);
    Action3->setObjectName(QStringLiteral("Action3"));
    Action3->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QAction* a : { aNew, aOpen, aPrint, aOpenMany, Action3 }) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a); // the shortcuts work anywhere in the window
    }
    connect(aNew, &QAction::triggered, this, &TfMenu::aNewExecute);
    connect(aOpen, &QAction::triggered, this, &TfMenu::aOpenExecute);
    connect(aPrint, &QAction::triggered, this, &TfMenu::aPrintExecute);
    connect(Action3, &QAction::triggered, this, &TfMenu::Action3Execute);
    connect(aOpenMany, &QAction::triggered, this, &TfMenu::aOpenManyExecute);

    ActionMainMenuBar1 = new QMenuBar(this);
    ActionMainMenuBar1->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    ActionMainMenuBar1->setNativeMenuBar(false);
    ActionMainMenuBar1->setFont(tahoma(11));
    ActionMainMenuBar1->setStyleSheet(QString::fromLatin1(barStyle));
    ActionMainMenuBar1->setGeometry(0, 0, 632, 24);
    QMenu* dane = ActionMainMenuBar1->addMenu(tr("&Dane"));
    dane->setFont(tahoma(11));
    dane->addAction(aNew);
    dane->addAction(aOpen);
    dane->addAction(aPrint);
    dane->addAction(aOpenMany);
    dane->addAction(aPaymentCode);
    dane->addAction(aHistory);
    dane->addAction(aPayees);
    dane->addAction(aSavePayer);
    dane->addAction(aRemovePayer);
    dane->addSeparator();
    dane->addAction(aFormPrzelew);
    dane->addAction(aFormWplata);
    dane->addSeparator();
    dane->addAction(Action3);

    ActionToolBar1 = new QToolBar(this);
    ActionToolBar1->setObjectName(QStringLiteral("ActionToolBar1"));
    ActionToolBar1->setFont(tahoma(11));
    ActionToolBar1->setStyleSheet(QString::fromLatin1(barStyle));
    ActionToolBar1->setMovable(false);
    ActionToolBar1->setFloatable(false);
    ActionToolBar1->setIconSize(QSize(16, 16));
    ActionToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ActionToolBar1->setGeometry(0, 24, 632, 27);
    ActionToolBar1->addAction(aNew);
    ActionToolBar1->addAction(aOpen);
    ActionToolBar1->addAction(aPrint);
    ActionToolBar1->addAction(aOpenMany);
    auto* spacer = new QWidget(ActionToolBar1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ActionToolBar1->addWidget(spacer);
    cbZleceniodawca = new PayerChoice(ActionToolBar1);
    ActionToolBar1->addWidget(cbZleceniodawca);

    lNazwaPliku = makeLabel(this, QString(), 8, 56, 16);
    lNazwaPliku->setObjectName(QStringLiteral("lNazwaPliku"));
    Label5 = makeLabel(this, tr("Nazwa odbiorcy"), 8, 88, 13, 11);
    eOdbiorca = makeEditor<QLineEdit>(this, "eOdbiorca", 7, 104, 617, 24);
    Label6 = makeLabel(this, tr("Nr rachunku odbiorcy"), 8, 136, 13, 11);
    eRachunekOdbiorcy = makeEditor<QLineEdit>(this, "eRachunekOdbiorcy", 7, 152, 617, 24);
    Label2 = makeLabel(this, tr("Kwota"), 8, 208, 16);
    ceKwota = makeEditor<TCurrencyEdit>(this, "ceKwota", 8, 224, 121, 24);
    Label7 = makeLabel(this, tr("Nr rachunku zleceniodawcy"), 8, 256, 16);
    eRachunekZleceniodawcy = makeEditor<QLineEdit>(this, "eRachunekZleceniodawcy", 7, 272, 617, 24);
    Label1 = makeLabel(this, tr("Nazwa zleceniodawcy"), 8, 304, 16);
    eZleceniodawca = makeEditor<QLineEdit>(this, "eZleceniodawca", 8, 320, 617, 24);
    Label3 = makeLabel(this, tr("Tytułem"), 8, 352, 16);
    eTytulem = makeEditor<QLineEdit>(this, "eTytulem", 7, 368, 617, 24);
    Label4 = makeLabel(this, tr("Data"), 8, 400, 16);
    deData = makeEditor<TDateEdit>(this, "deData", 8, 416, 121, 24);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6->setObjectName(QStringLiteral("Label6"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));

    // Until a transfer is begun the recipient's fields take no typing and no tab stop.
    setRecipientEditable(false);
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->installEventFilter(this);
    setTabOrder(eOdbiorca, eRachunekOdbiorcy);
    setTabOrder(eRachunekOdbiorcy, ceKwota);
    setTabOrder(ceKwota, eRachunekZleceniodawcy);
    setTabOrder(eRachunekZleceniodawcy, eZleceniodawca);
    setTabOrder(eZleceniodawca, eTytulem);
    setTabOrder(eTytulem, deData);

    // A wrong check sum is told beside the caption; nothing moves and nothing is blocked.
    auto makeWarning = [this](QLabel* caption, const char* name, const QString& text) {
        auto* w = new QLabel(text, this);
        w->setObjectName(QString::fromLatin1(name));
        w->setFont(tahoma(11));
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, QColor(200, 0, 0));
        w->setPalette(p);
        w->move(caption->x() + caption->width() + 12, caption->y());
        w->resize(w->sizeHint().width(), caption->height());
        w->hide();
        return w;
    };
    lOdbiorcaCheck = makeWarning(Label6, "lOdbiorcaCheck", transfer::wrongAccountWarning());
    lZleceniodawcaCheck = makeWarning(Label7, "lZleceniodawcaCheck", transfer::wrongAccountWarning());
    lKwotaImport = makeWarning(Label2, "lKwotaImport", QString());
    lDataImport = makeWarning(Label4, "lDataImport", QString());
    lTytulImport = makeWarning(Label3, "lTytulImport", QString());
    connect(ceKwota, &QLineEdit::textEdited, lKwotaImport, &QWidget::hide);
    connect(deData, &QLineEdit::textEdited, lDataImport, &QWidget::hide);
    connect(eTytulem, &QLineEdit::textEdited, lTytulImport, &QWidget::hide);
    for (QLineEdit* e : { eOdbiorca, eRachunekOdbiorcy }) {
        connect(e, &QLineEdit::textChanged, this,
            [this] { updateAccountCheck(eRachunekOdbiorcy, Label6, lOdbiorcaCheck); });
    }
    // A typed account is grouped as an invoice prints it, the cursor staying after the same digit.
    groupAccountWhileTyped(eRachunekOdbiorcy);
    connect(eRachunekZleceniodawcy, &QLineEdit::textChanged, this,
        [this] { updateAccountCheck(eRachunekZleceniodawcy, Label7, lZleceniodawcaCheck); });

    lBlankiet = new QLabel(this);
    lBlankiet->setObjectName(QStringLiteral("lBlankiet"));
    lBlankiet->setFont(tahoma(11));
    lBlankiet->setPalette(lOdbiorcaCheck->palette());
    lBlankiet->setWordWrap(true);
    lBlankiet->setGeometry(8, 448, 617, 28);
    lBlankiet->hide();
    for (QLineEdit* editor : { eOdbiorca, eRachunekOdbiorcy, static_cast<QLineEdit*>(ceKwota),
             eRachunekZleceniodawcy, eZleceniodawca, eTytulem })
        connect(editor, &QLineEdit::textChanged, this, &TfMenu::updateFormWarning);

    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    PropertiesStore1.setComponent(eRachunekZleceniodawcy);
    PropertiesStore1.restore();
    // The payer profiles: the remembered account first.
    m_rememberedPayer = eRachunekZleceniodawcy->text();
    cbZleceniodawca->reload(m_rememberedPayer);
    connect(cbZleceniodawca, &PayerChoice::chosen, this, [this](const PayerProfile& payer) {
        eRachunekZleceniodawcy->setText(payer.account);
        if (!payer.name.isEmpty())
            eZleceniodawca->setText(payer.name);
    });
    connect(eRachunekZleceniodawcy, &QLineEdit::textChanged, cbZleceniodawca, &PayerChoice::showAccount);
    const auto registryFailure = [this] {
        platform::showError(
            tr("Cannot write the registry file \"%1\"").arg(platform::Registry::filePath()), this);
    };
    connect(aSavePayer, &QAction::triggered, this, [this, registryFailure] {
        if (eRachunekZleceniodawcy->text().trimmed().isEmpty())
            return platform::showError(tr("Wpisz rachunek zleceniodawcy, by go zapisać"), this);
        if (!addPayerProfile({ eZleceniodawca->text().trimmed(), eRachunekZleceniodawcy->text().trimmed() }))
            registryFailure();
        cbZleceniodawca->reload(m_rememberedPayer);
        cbZleceniodawca->showAccount(eRachunekZleceniodawcy->text());
    });
    connect(aRemovePayer, &QAction::triggered, this, [this, registryFailure] {
        if (!removePayerProfile(eRachunekZleceniodawcy->text()))
            registryFailure();
        cbZleceniodawca->reload(m_rememberedPayer);
        cbZleceniodawca->showAccount(eRachunekZleceniodawcy->text());
    });
    // After the payer account, which reports a damaged registry file first.
    if (storedFormKind() == printout::FormKind::Deposit)
        aFormWplata->setChecked(true);
    FormCreate();
    ceKwota->setFocus(); // the first editor with a tab stop
}

TfMenu::~TfMenu()
{
    PropertiesStore1.storeAndReport();
}

void TfMenu::setActionImages(const QList<QIcon>& images)
{
    if (images.size() > 0)
        aOpen->setIcon(images.at(0));
    if (images.size() > 1)
        aPrint->setIcon(images.at(1));
    if (images.size() > 2)
        aNew->setIcon(images.at(2));
}

void TfMenu::FormCreate()
{
    lNazwaPliku->setText(QString());
    aPrint->setEnabled(false);
}

void TfMenu::setRecipientEditable(bool editable)
{
    for (QLineEdit* e : { eOdbiorca, eRachunekOdbiorcy }) {
        e->setReadOnly(!editable);
        e->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
        QPalette p = palette();
        if (!editable)
            p.setColor(QPalette::Base, p.color(QPalette::Button));
        e->setPalette(p);
    }
}

void TfMenu::aNewExecute()
{
    transfer::TransferEditorValues v;
    v.date = platform::today();
    hideImportWarnings();
    showEditorValues(v);
    lNazwaPliku->setText(QString());
    eOdbiorca->setFocus();
}

void TfMenu::Action3Execute()
{
    close();
}

void TfMenu::FormClose()
{
    // The account editor ends its editing before the window closes.
    if (eRachunekZleceniodawcy->hasFocus())
        eZleceniodawca->setFocus();
}

void TfMenu::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
    emit closed();
}

bool TfMenu::eventFilter(QObject* watched, QEvent* event)
{
    // An Alt+letter that no shortcut took (Alt+W while printing is disabled) is no typed character:
    // the editors would otherwise insert the letter.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key->text().isEmpty()
            && key->text().at(0).isPrint())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfMenu::updateAccountCheck(QLineEdit* editor, QLabel* caption, QLabel* warning)
{
    Q_UNUSED(caption);
    QString text;
    if (transfer::checkAccountNumber(editor->text()) == transfer::AccountCheck::WrongCheckSum)
        text = transfer::wrongAccountWarning();
    else if (m_payees && editor == eRachunekOdbiorcy) {
        // Never blocking: the book may know the account under another name, which is told.
        if (const std::optional<QString> owner = m_payees->otherOwner(eOdbiorca->text(), editor->text()))
            text = tr("Ten rachunek należy w książce do: %1").arg(*owner);
    }
    if (text.isEmpty())
        warning->hide();
    else
        showWarning(warning, text);
}

void TfMenu::setPayeeBook(transfer::PayeeBook* book)
{
    m_payees = book;
    aPayees->setEnabled(book != nullptr);
    delete m_payeeCompleter;
    m_payeeCompleter = nullptr;
    if (book) {
        auto* completer = new PayeeCompleter(*book, eOdbiorca, this);
        connect(completer, &PayeeCompleter::payeeChosen, this, &TfMenu::takePayee);
        m_payeeCompleter = completer;
    }
    if (m_batch)
        m_batch->setPayeeBook(book);
}

PayeeWindow* TfMenu::payeeWindow()
{
    if (!m_payeeWindow && m_payees) {
        m_payeeWindow = new PayeeWindow(*m_payees, this);
        m_payeeWindow->setUse([this](const transfer::Payee& payee) {
            if (!aPrint->isEnabled())
                aNewExecute();
            takePayee(payee);
            activateWindow();
        });
    }
    return m_payeeWindow;
}

void TfMenu::aPayeesExecute()
{
    if (PayeeWindow* window = payeeWindow()) {
        window->refresh();
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void TfMenu::takePayee(const transfer::Payee& payee)
{
    eOdbiorca->setText(payee.name);
    eRachunekOdbiorcy->setText(transfer::groupAccount(payee.account, 0).text);
    m_payeeName = payee.name;
    m_payeeNip = payee.nip;
    if (eTytulem->text().isEmpty()) {
        eTytulem->setText(payee.offeredTitle());
        eTytulem->selectAll();
    }
    ceKwota->setFocus();
}

QString TfMenu::chooseTransferFile()
{
    if (m_chooseFile)
        return m_chooseFile();
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name of a file that does not exist is returned too; opening it then reports the error.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters { tr("Pliki tekstowe (*.txt)"), tr("Wszystkie pliki (*.*)"),
        tr("Faktury ustrukturyzowane (*.xml)") };
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    // "*.*" means every name here, also those without a dot; Qt's own dialog would read it literally.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &filters](const QString& filter) {
        if (filter != filters.at(1))
            return;
        if (auto* model = dialog.findChild<QFileSystemModel*>())
            model->setNameFilters({ QStringLiteral("*") });
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void TfMenu::aOpenExecute()
{
    platform::runGuarded(
        [this] {
            const QString path = chooseTransferFile();
            if (path.isEmpty())
                return;
            loadTransferFile(path);
        },
        this);
}

void TfMenu::showWarning(QLabel* warning, const QString& text)
{
    const int room = width() - warning->x() - 8;
    warning->setText(warning->fontMetrics().elidedText(text, Qt::ElideRight, room));
    warning->setToolTip(text); // the whole of a text cut off at the window's edge
    warning->resize(std::min(room, warning->sizeHint().width()), warning->height());
    warning->show();
}

namespace {

// A value of the file the editors could not take: the line that gave it first, where the window's edge
// cannot cut it off, then the problem in its own words.
QString importProblemText(transfer::Problem problem)
{
    if (problem.value.size() > 30)
        problem.value = problem.value.left(29) + QChar(0x2026);
    QString text = QCoreApplication::translate("app::TfMenu", "Wiersz %1: %2")
                       .arg(problem.line)
                       .arg(transfer::problemText(problem, platform::shownLanguage()));
    if (problem.field == transfer::Field::Data)
        text += QCoreApplication::translate("app::TfMenu", " – przyjęto dzisiejszą");
    return text;
}

} // namespace

void TfMenu::loadTransferFile(const QString& path)
{
    const QString previousName = lNazwaPliku->text();
    auto showName = [this](const QString& name) {
        lNazwaPliku->setText(name);
        lNazwaPliku->resize(lNazwaPliku->sizeHint().width(), lNazwaPliku->height());
    };
    showName(QFileInfo(path).fileName());
    const std::string bytes = transfer::readSourceFile(path);
    // One transfer from here: a CSV file named here is read by its keys, as any transfer file.
    transfer::SourceKind kind = transfer::sourceKindOf(path, bytes);
    if (kind == transfer::SourceKind::Csv)
        kind = transfer::SourceKind::TransferFile;
    const transfer::SourceTransfers read = transfer::readTransferBytes(bytes, kind, path);
    const transfer::SourceTransfer& transfer = read.transfers.front();
    const std::vector<transfer::Problem>& problems = transfer.problems;
    if (!problems.empty() && problems.front().kind == transfer::Problem::Kind::NoTransferData) {
        // Loading it would empty every editor for nothing: the window stays as it was.
        showName(previousName);
        throw platform::Error(tr("Plik nie zawiera danych przelewu."));
    }
    if (kind == transfer::SourceKind::Invoice) {
        // An invoice that cannot be paid as it stands leaves the window as it was, saying why.
        QStringList refusals;
        for (const transfer::Problem& problem : problems) {
            if (problem.level() == transfer::Problem::Level::Refused)
                refusals << transfer::problemText(problem, platform::shownLanguage());
        }
        if (!refusals.isEmpty()) {
            showName(previousName);
            throw platform::Error(tr("Faktury z pliku „%1” nie można zapłacić: %2.")
                                      .arg(QFileInfo(path).fileName(), refusals.join(QStringLiteral("; "))));
        }
    }
    hideImportWarnings();
    // What the file wrote but the editors could not take; a transfer that is not ready otherwise (no
    // recipient, say) is for the user to see and complete here.
    for (const transfer::Problem& problem : problems) {
        const bool date = problem.field == transfer::Field::Data;
        if (problem.line > 0 && (date || problem.field == transfer::Field::Kwota))
            showWarning(date ? lDataImport : lKwotaImport, importProblemText(problem));
    }
    showEditorValues(transfer.values);
    if (kind == transfer::SourceKind::Invoice)
        showInvoiceNotes(transfer);
    ceKwota->setFocus();
}

void TfMenu::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfMenu::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedFiles(*event->mimeData());
    event->acceptProposedAction();
    openGivenFiles(*this, paths);
}

void TfMenu::hideImportWarnings()
{
    for (QLabel* warning : { lKwotaImport, lDataImport, lTytulImport })
        warning->hide();
}

// What an invoice's transfer prints with but the user should know, beside the caption of its field; the
// seller's NIP goes with the name into the pay-by-phone code.
void TfMenu::showInvoiceNotes(const transfer::SourceTransfer& invoice)
{
    lNazwaPliku->setText(transfer::sourceName(invoice));
    lNazwaPliku->resize(lNazwaPliku->sizeHint().width(), lNazwaPliku->height());
    m_payeeName = invoice.values.recipientName;
    m_payeeNip = invoice.taxNumber;
    for (const transfer::Problem& problem : invoice.problems) {
        QString text = transfer::problemText(problem, platform::shownLanguage());
        text[0] = text.at(0).toUpper();
        switch (problem.field) {
        case transfer::Field::Kwota:
            showWarning(lKwotaImport, text);
            break;
        case transfer::Field::Data:
            showWarning(lDataImport, text);
            break;
        case transfer::Field::Tytulem:
            showWarning(lTytulImport, text);
            break;
        case transfer::Field::NDKonto:
            if (lOdbiorcaCheck->isHidden()) // a wrong check sum is said first
                showWarning(lOdbiorcaCheck, text);
            break;
        default:
            break;
        }
    }
}

BatchWindow* TfMenu::batchWindow()
{
    if (!m_batch) {
        m_batch = new BatchWindow(this);
        m_batch->setFormKind(formKind());
        m_batch->setDepositCheck(m_depositCheck);
        m_batch->setFieldWarnings(m_fieldWarnings);
        m_batch->setPayeeBook(m_payees);
        if (m_log) {
            m_batch->setPrintedBefore([this](const transfer::TransferEditorValues& values) {
                return m_log->printedBefore(values);
            });
        }
        m_batch->setPrintTransfers([this](const std::vector<transfer::TransferEditorValues>& transfers,
                                       const QStringList& sources, printout::FormKind kind) {
            if (m_preview && !(m_reportBusy && m_reportBusy()))
                m_preview(transfers, sources, kind);
        });
    }
    return m_batch;
}

BatchWindow* TfMenu::shownBatchWindow()
{
    BatchWindow* batch = batchWindow();
    batch->show();
    batch->raise();
    batch->activateWindow();
    return batch;
}

void TfMenu::openBatch(const QStringList& paths)
{
    shownBatchWindow()->addFiles(paths);
}

printout::FormKind TfMenu::formKind() const
{
    return aFormWplata->isChecked() ? printout::FormKind::Deposit : printout::FormKind::Transfer;
}

void TfMenu::setFormKind(printout::FormKind kind)
{
    (kind == printout::FormKind::Deposit ? aFormWplata : aFormPrzelew)->trigger();
}

// Puts a transfer into the six editors it fills (the payer account stays) and enables printing.
void TfMenu::showEditorValues(const transfer::TransferEditorValues& v)
{
    auto put = [](QLineEdit* editor, const QString& value) {
        editor->setText(value);
        editor->setCursorPosition(0); // show the start of a long text
    };
    put(eOdbiorca, v.recipientName);
    put(eRachunekOdbiorcy, v.recipientAccount);
    ceKwota->setValue(v.amount);
    put(eZleceniodawca, v.payerName);
    put(eTytulem, v.title);
    deData->setDate(v.date);
    setRecipientEditable(true);
    aPrint->setEnabled(true);
}

transfer::TransferEditorValues TfMenu::editorValues() const
{
    transfer::TransferEditorValues values;
    values.recipientName = eOdbiorca->text();
    values.recipientAccount = eRachunekOdbiorcy->text();
    values.amount = ceKwota->numericValue();
    values.payerAccount = eRachunekZleceniodawcy->text();
    values.payerName = eZleceniodawca->text();
    values.title = eTytulem->text();
    values.date = deData->date();
    return values;
}

void TfMenu::setFieldWarnings(FieldWarnings warnings)
{
    m_fieldWarnings = std::move(warnings);
    if (m_batch)
        m_batch->setFieldWarnings(m_fieldWarnings);
    updateFormWarning();
}

void TfMenu::updateFormWarning()
{
    const QString line
        = m_fieldWarnings ? printout::warningLine(m_fieldWarnings(editorValues(), formKind())) : QString();
    lBlankiet->setText(line);
    lBlankiet->setVisible(!line.isEmpty());
    setFixedSize(632, line.isEmpty() ? 453 : 453 + 30);
}

void TfMenu::setDepositCheck(std::function<std::optional<QString>(transfer::Money)> check)
{
    m_depositCheck = std::move(check);
    if (m_batch)
        m_batch->setDepositCheck(m_depositCheck);
}

void TfMenu::aOpenManyExecute()
{
    platform::runGuarded([this] { shownBatchWindow()->addFilesClick(); }, this);
}

HistoryWindow* TfMenu::historyWindow()
{
    if (!m_history && m_log) {
        m_history = new HistoryWindow(*m_log, this);
        m_history->setReprint(
            [this](const std::vector<transfer::LogEntry>& entries) { loadFromHistory(entries); });
    }
    return m_history;
}

void TfMenu::aHistoryExecute()
{
    HistoryWindow* history = historyWindow();
    if (!history) {
        platform::showError(tr("Dziennik przelewów nie jest dostępny"), this);
        return;
    }
    history->refresh();
    history->show();
    history->raise();
    history->activateWindow();
    // A log begun anew, or none at all, is said: an empty history is not to pass for no transfers.
    if (const std::optional<QString> notice = m_log->takeNotice())
        platform::showError(*notice, history);
    else if (!m_log->isOpen())
        platform::showError(m_log->problem(), history);
}

void TfMenu::loadFromHistory(const std::vector<transfer::LogEntry>& entries)
{
    // Each comes back on the form it was printed on.
    if (entries.size() > 1) {
        std::vector<transfer::SourceTransfer> transfers(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            transfers[i].values = entries[i].values;
            transfers[i].form = entries[i].form;
        }
        shownBatchWindow()->addTransfers(std::move(transfers), QStringLiteral("(z historii)"));
        return;
    }
    if (entries.empty())
        return;
    if (const std::optional<printout::FormKind> kind = printout::formKindNamed(entries.front().form))
        setFormKind(*kind);
    transfer::TransferEditorValues v = entries.front().values;
    if (v.date <= 0)
        v.date = platform::today();
    hideImportWarnings();
    showEditorValues(v);
    lNazwaPliku->setText(QStringLiteral("(z historii)"));
    activateWindow();
}

void TfMenu::aPaymentCodeExecute()
{
    auto* window = new PaymentCodeWindow(editorValues(), this);
    if (eOdbiorca->text() == m_payeeName)
        window->taxNumber()->setText(m_payeeNip);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void TfMenu::aPrintExecute()
{
    platform::runGuarded(
        [this] {
            if (m_reportBusy && m_reportBusy())
                return;
            const transfer::TransferEditorValues values = editorValues();
            const printout::FormKind kind = formKind();
            if (kind == printout::FormKind::Deposit && m_depositCheck) {
                if (const std::optional<QString> problem
                    = m_depositCheck(values.amount.value_or(transfer::Money()))) {
                    platform::showError(*problem, this);
                    return;
                }
            }
            // Paying twice is asked about, never stopped.
            if (const std::optional<QDateTime> when = m_log ? m_log->printedBefore(values) : std::nullopt) {
                const auto answer = QMessageBox::question(this, QStringLiteral("Przelew"),
                    tr("Ten przelew wydrukowano już %1. Drukować go mimo to?")
                        .arg(when->toLocalTime().toString(QStringLiteral("d.MM.yyyy"))),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
                if (answer != QMessageBox::Yes)
                    return;
            }
            if (m_preview)
                m_preview({ values }, { lNazwaPliku->text() }, kind);
        },
        this);
}

} // namespace app

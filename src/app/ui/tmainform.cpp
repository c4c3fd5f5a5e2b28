#include "app/ui/tmainform.h"

#include "app/ui/glyphs.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/textfile.h"
#include "fiche/tfiche.h"
#include "tools/ui/taboutbox.h"
#include "tools/ui/tcalendrier.h"
#include "tools/ui/tdepart.h"
#include "tools/ui/temprunt.h"
#include "tools/ui/teurof.h"
#include "tools/ui/thorloge.h"
#include "tools/ui/toolwindows.h"
#include "tools/ui/tplacement.h"
#include "tools/ui/tplettre.h"
#include "tools/ui/tpocket.h"
#include "print/printing.h"
#include "store/storelock.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <exception>
#include <optional>

namespace {

const QString kTitle = QStringLiteral("Velmora");

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kTitle);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea1"));
    setCentralWidget(m_mdiArea);

    m_fiche = new TFiche;
    // The record window fills the frame and cannot be closed, shrunk or moved
    // on its own: no system menu and no border buttons.
    m_ficheWindow = m_mdiArea->addSubWindow(
        m_fiche, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_ficheWindow->setObjectName(QStringLiteral("FicheWindow"));
    // Its system menu would bring Ctrl+F4, which closes (and frees) the window.
    m_ficheWindow->setSystemMenu(nullptr);
    m_ficheWindow->installEventFilter(this);
    m_ficheWindow->setWindowTitle(m_fiche->windowTitle());
    // The frame's title names the store through this one; an empty caption
    // (a new store) must clear it too.
    connect(m_fiche, &QWidget::windowTitleChanged, this, [this](const QString &title) {
        m_ficheWindow->setWindowTitle(title);
        // The toolkit adds a maximised child's title to the frame's but never
        // takes an empty one away.
        if (title.isEmpty())
            setWindowTitle(kTitle);
        showReadOnly();
    });
    m_ficheWindow->showMaximized();

    registerHandlers();
    buildMenus();
    buildToolBar();
    buildStatusBar();

    applyColumn(Enabling::AtStart);
    if (QAction *line = action(QStringLiteral("Supprimerligne1")))
        connect(m_fiche, &TFiche::receiptGridActiveChanged, line, [this, line](bool active) {
            line->setEnabled(active && !m_fiche->store().isReadOnly());
        });

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    m_timer->start();
    Timer1Timer();
}

TMainForm::~TMainForm() = default;

// ---- Building ------------------------------------------------------------------

QAction *TMainForm::makeAction(const QString &name, const QString &text)
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    m_actions.insert(name, a);
    return a;
}

void TMainForm::connectCommand(QAction *action, const QString &command)
{
    // Commands still to come stay inert (a test holds every other one bound).
    if (!m_handlers.contains(command))
        return;
    connect(action, &QAction::triggered, this, [this, command] {
        const auto handler = m_handlers.value(command);
        runGuarded(handler);
    });
}

void TMainForm::populate(QMenu *menu, const QList<MenuItemDef> &items)
{
    for (const MenuItemDef &def : items) {
        if (def.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!def.items.isEmpty()) {
            QMenu *sub = menu->addMenu(def.caption);
            sub->setObjectName(def.name + QStringLiteral("Menu"));
            QAction *subAction = sub->menuAction();
            subAction->setObjectName(def.name);
            m_actions.insert(def.name, subAction);
            populate(sub, def.items);
            continue;
        }
        QAction *a = makeAction(def.name, def.caption);
        if (!def.hint.isEmpty())
            a->setStatusTip(def.hint);
        if (def.checkable) {
            a->setCheckable(true);
            a->setChecked(def.checked);
        }
        menu->addAction(a);
        connectCommand(a, def.command());
    }
}

void TMainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuDef &def : Menus::mainMenus()) {
        QMenu *menu = bar->addMenu(def.caption);
        menu->setObjectName(def.name);
        populate(menu, def.items);
    }
    action(QStringLiteral("ExitItem"))->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
}

void TMainForm::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Outils"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolDef &def : Menus::toolButtons()) {
        if (def.isSeparator()) {
            bar->addSeparator();
            continue;
        }
        QAction *a = makeAction(def.name, def.hint);
        a->setIcon(Glyphs::icon(def.glyph));
        a->setToolTip(def.hint);
        a->setStatusTip(def.hint);
        bar->addAction(a);
        connectCommand(a, def.handler);
    }
}

void TMainForm::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    m_hintPanel = new QLabel(bar);
    m_hintPanel->setObjectName(QStringLiteral("Panel0"));
    m_hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_clockPanel = new QLabel(bar);
    m_clockPanel->setObjectName(QStringLiteral("Panel1"));
    m_clockPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(m_hintPanel);
    bar->addWidget(m_clockPanel, 1);
    m_hintPanel->setFixedWidth(FrameRules::hintPanelWidth(width()));
}

void TMainForm::registerHandlers()
{
    TFiche *f = m_fiche;
    auto fiche = [f](void (TFiche::*op)()) { return [f, op] { (f->*op)(); }; };
    auto then = [](std::function<void()> first, std::function<void()> second) {
        return [first, second] {
            first();
            second();
        };
    };

    m_handlers = {
        {QStringLiteral("Nouveau1"), [this] { Nouveau1Click(); }},
        {QStringLiteral("OpenItem"), [this] { OpenItemClick(); }},
        {QStringLiteral("SaveItem"), [this] { SaveItemClick(); }},
        {QStringLiteral("Enregistrersous1"), [this] { SaveAs(); }},
        {QStringLiteral("Importer1"), then(fiche(&TFiche::Importer), [this] { storeReady(); })},
        {QStringLiteral("Exporter1"), fiche(&TFiche::Exporter)},
        {QStringLiteral("ExitItem"), [this] { close(); }},

        {QStringLiteral("Copier1"), fiche(&TFiche::Copier)},
        {QStringLiteral("Coller1"), fiche(&TFiche::Coller)},
        {QStringLiteral("Rechercher1"), fiche(&TFiche::RechNom)},
        {QStringLiteral("Recherchertlphone1"), fiche(&TFiche::RechTel)},
        {QStringLiteral("Recherchernumro1"), fiche(&TFiche::RechNum)},
        {QStringLiteral("Trer1"), fiche(&TFiche::Trier)},
        {QStringLiteral("Recherchernom1"), fiche(&TFiche::RechSoc)},
        {QStringLiteral("Recherchercode1"), fiche(&TFiche::RechNum2)},
        {QStringLiteral("Recherchernom2"), fiche(&TFiche::RechNom2)},
        {QStringLiteral("Trier1"), fiche(&TFiche::Trier2)},

        {QStringLiteral("Adhrents1"), then(fiche(&TFiche::Adherents), [this] { Valide1(); })},
        {QStringLiteral("Partenaires1"), then(fiche(&TFiche::Partenaires), [this] { Valide2(); })},
        {QStringLiteral("Activits1"), then(fiche(&TFiche::Activites), [this] { Valide3(); })},
        {QStringLiteral("Reus1"), then(fiche(&TFiche::Recus), [this] { Valide4(); })},
        {QStringLiteral("Prcdent1"), fiche(&TFiche::Precedent)},
        {QStringLiteral("Suivant1"), fiche(&TFiche::Suivant)},
        {QStringLiteral("Premier1"), fiche(&TFiche::Premier)},
        {QStringLiteral("Dernier1"), fiche(&TFiche::Dernier)},
        {QStringLiteral("Nouvellefiche1"), then(fiche(&TFiche::Ajout), [this] { storeReady(); })},
        {QStringLiteral("Supprimerfiche1"), [this] { Supprimerfiche1Click(); }},
        {QStringLiteral("Listedeadhrents1"), fiche(&TFiche::Liste)},

        {QStringLiteral("Nouveaureu1"), then(fiche(&TFiche::NouvRecu), [this] { Valide4(); })},
        {QStringLiteral("Supprimerreu1"), [this] { Supprimerreu1Click(); }},
        {QStringLiteral("ListedesreusF21"), fiche(&TFiche::ListRecu)},
        {QStringLiteral("Supprimerligne1"), fiche(&TFiche::SupLigne1)},

        {QStringLiteral("touteslesfiches1"), [this] { selectMembers(QStringLiteral("touteslesfiches1"), 1); }},
        {QStringLiteral("Codepostal1"), [this] { selectMembers(QStringLiteral("Codepostal1"), 2); }},
        {QStringLiteral("Ville1"), [this] { selectMembers(QStringLiteral("Ville1"), 3); }},
        {QStringLiteral("Rappeldecotisaiton1"),
         [this] { selectMembers(QStringLiteral("Rappeldecotisaiton1"), 4); }},
        {QStringLiteral("Touteslesfiches2"), [this] { selectPartners(QStringLiteral("Touteslesfiches2"), 1); }},
        {QStringLiteral("Codepostal2"), [this] { selectPartners(QStringLiteral("Codepostal2"), 2); }},
        {QStringLiteral("Ville2"), [this] { selectPartners(QStringLiteral("Ville2"), 3); }},

        {QStringLiteral("Association1"), fiche(&TFiche::Psoc)},
        {QStringLiteral("Bureau1"), fiche(&TFiche::LeBureau)},
        {QStringLiteral("Typesdactivit1"), fiche(&TFiche::Types)},
        {QStringLiteral("Ouvrirautomatiquemrnt1"), [this] { Ouvrirautomatiquemrnt1Click(); }},
    };

    // ---- Printing --------------------------------------------------------------
    m_handlers.insert({
        {QStringLiteral("Miseenpage1"), fiche(&TFiche::ParM)},
        // The choice holds for the rest of the session; it is saved nowhere.
        {QStringLiteral("Configurerimprimante1"), [] { Dialogs::current().printerSetup(); }},
        {QStringLiteral("Apercuavantimpression1"),
         [this] {
             const bool on = action(QStringLiteral("Apercuavantimpression1"))->isChecked();
             m_fiche->settings().Preview = on ? 1 : 0;
             PrintService::current().setPreview(on);
         }},
        {QStringLiteral("Listing1"), fiche(&TFiche::Imprime)},
        {QStringLiteral("Listepartenaires1"), fiche(&TFiche::Imprime2)},
        {QStringLiteral("Enveloppes1"), fiche(&TFiche::Enveloppes)},
        {QStringLiteral("Imprimerfiche1"), fiche(&TFiche::ImpFiche)},
        {QStringLiteral("Cartedadhrent1"), fiche(&TFiche::Carte)},
        {QStringLiteral("Cartedadhrent2"), fiche(&TFiche::CartePdf)},
        {QStringLiteral("Imprimerreu1"), fiche(&TFiche::Button4Click)},
        {QStringLiteral("Enveloppecourante1"), fiche(&TFiche::ImpEnv)},
    });

    // ---- Treasury --------------------------------------------------------------
    m_handlers.insert({
        {QStringLiteral("Plancomptable1"), [this] { m_fiche->Plc(StartDir); }},
        {QStringLiteral("Listedescomptes1"), fiche(&TFiche::VoirPlc)},
        {QStringLiteral("Saisiedescritures1"), fiche(&TFiche::Saisie)},
        {QStringLiteral("Voircomptes1"), fiche(&TFiche::GrandLivre)},
        {QStringLiteral("Plandetrsorerie1"), fiche(&TFiche::Tresorerie)},
        {QStringLiteral("Rsultatannuel1"), fiche(&TFiche::ResAnnuel)},
    });

    // ---- Statistics ------------------------------------------------------------
    m_handlers.insert({
        {QStringLiteral("Statsdpartements1"), fiche(&TFiche::StatsDpt)},
        {QStringLiteral("Statscatgories1"), fiche(&TFiche::StatsCat)},
        {QStringLiteral("StatCAadhrents1"), fiche(&TFiche::StatsCaMembres)},
        {QStringLiteral("StatsCApartenaires1"), fiche(&TFiche::StatsCaPartenaires)},
        {QStringLiteral("StatsCAactivits1"), fiche(&TFiche::StatsCaActivites)},
    });

    // ---- Letters ---------------------------------------------------------------
    m_handlers.insert(QStringLiteral("Traitementdetexte1"), fiche(&TFiche::TrTexte));

    // ---- Office tools, calculators, help and About ----------------------------
    m_handlers.insert({
        {QStringLiteral("Planning1"), fiche(&TFiche::Planning1)},
        {QStringLiteral("Messages1"), fiche(&TFiche::Messages)},
        {QStringLiteral("Emprunts1"), [this] { ToolWindows::show<TEmprunt>(this); }},
        {QStringLiteral("Placement1"), [this] { ToolWindows::show<TPlacement>(this); }},
        {QStringLiteral("Calendrier1"), [this] { ToolWindows::show<TCalendrier>(this); }},
        {QStringLiteral("Calculatrice1"), [this] { ToolWindows::show<TPocket>(this); }},
        {QStringLiteral("Horloge1"), [this] { ToolWindows::show<THorloge>(this); }},
        {QStringLiteral("Euroconversion1"), [this] { ToolWindows::show<TEurof>(this); }},
        {QStringLiteral("Blocnotes1"), [this] { ToolWindows::openNotepad(this, StartDir); }},
        {QStringLiteral("Pselettres1"), [this] { ToolWindows::show<TPLettre>(this); }},
        {QStringLiteral("Dpartements1"), [this] { ToolWindows::show<TDepart>(this); }},
        {QStringLiteral("HContents"), [this] { ToolWindows::openHelp(this, TAide::Contents); }},
        {QStringLiteral("HSearch"), [this] { ToolWindows::openHelp(this, TAide::Search); }},
        {QStringLiteral("HowToUse"), [this] { ToolWindows::openHelp(this, TAide::HowToUse); }},
        {QStringLiteral("About1"), [this] { ToolWindows::show<TAboutBox>(this); }},
    });
}

// ---- Enabling ------------------------------------------------------------------

void TMainForm::applyColumn(Enabling::Column column)
{
    Enabling::apply(
        column,
        [this](const QString &name, bool enabled) {
            if (QAction *a = action(name))
                a->setEnabled(enabled);
        },
        m_fiche->store().isReadOnly());
}

void TMainForm::showReadOnly()
{
    m_fiche->showReadOnly();
    const QString caption = m_ficheWindow->windowTitle();
    const bool readOnly = m_fiche->store().isReadOnly() && !caption.isEmpty();
    if (readOnly)
        setWindowTitle(FrameRules::readOnlyTitle(caption));
    else if (m_readOnlyTitle)
        setWindowTitle(kTitle); // the toolkit names the store again
    m_readOnlyTitle = readOnly;
}

void TMainForm::Valide() { applyColumn(Enabling::Valide); }
void TMainForm::Valide1() { applyColumn(Enabling::Valide1); }
void TMainForm::Valide2() { applyColumn(Enabling::Valide2); }
void TMainForm::Valide3() { applyColumn(Enabling::Valide3); }
void TMainForm::Valide4() { applyColumn(Enabling::Valide4); }

void TMainForm::storeReady()
{
    Valide();
    switch (m_fiche->shownKind()) {
    case Kind::Member: Valide1(); break;
    case Kind::Partner: Valide2(); break;
    case Kind::Activity: Valide3(); break;
    case Kind::Receipt: Valide4(); break;
    }
}

// ---- Frame events ----------------------------------------------------------------

void TMainForm::FormShow()
{
    if (m_shownOnce)
        return;
    m_shownOnce = true;

    resize(width() - 10, height());
    const int screenWidth = screen() ? screen()->geometry().width() : 0;
    const FrameRules::Geometry g = FrameRules::initialGeometry(screenWidth);
    if (g.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        resize(g.size);
    }
    m_hintPanel->setFixedWidth(FrameRules::hintPanelWidth(width()));

    StartDir = QDir::currentPath();
    HelpFile = FrameRules::helpFileName(StartDir);

    m_fiche->FormActivate(StartDir);
    const bool preview = m_fiche->settings().Preview == 1;
    action(QStringLiteral("Apercuavantimpression1"))->setChecked(preview);
    PrintService::current().setPreview(preview);
    bool autoOpen = false;
    QString last;
    m_fiche->GetIni(&autoOpen, &last);
    m_lastFile.started(last);
    if (!autoOpen)
        return;
    action(QStringLiteral("Ouvrirautomatiquemrnt1"))->setChecked(true);
    // A store that has gone since the last session is simply not opened.
    if (last.isEmpty() || !TextFile::exists(last))
        return;
    openStore(last);
}

bool TMainForm::event(QEvent *event)
{
    // Hints go to the first panel; Qt's own handling would hide both panels
    // behind a temporary message.
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // The record window lives as long as the frame.
    if (watched == m_ficheWindow && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce)
        runGuarded([this] { FormShow(); });
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_hintPanel)
        m_hintPanel->setFixedWidth(FrameRules::hintPanelWidth(width()));
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool proceed = false;
    runGuarded([this, &proceed] { proceed = FormCloseQuery(); });
    if (!proceed) {
        event->ignore();
        return;
    }
    runGuarded([this] { FormClose(); });
    event->accept();
}

bool TMainForm::FormCloseQuery()
{
    return saveQuestion();
}

void TMainForm::FormClose()
{
    if (!StartDir.isEmpty())
        QDir::setCurrent(StartDir);
    m_fiche->saveSettings(StartDir, fileToRecord());
}

void TMainForm::Timer1Timer()
{
    m_clockPanel->setText(FrameRules::clockText(Clock::now().time()));
}

void TMainForm::showHint(const QString &hint)
{
    m_hintPanel->setText(hint);
}

void TMainForm::runGuarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &e) {
        Dialogs::current().error(QStringLiteral("Une erreur est survenue : %1\nL'opération a été interrompue.")
                                     .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Dialogs::current().error(QStringLiteral("Une erreur inattendue est survenue.\n"
                                                "L'opération a été interrompue."));
    }
}

// ---- File commands ---------------------------------------------------------------

bool TMainForm::saveQuestion()
{
    return !m_fiche->TestModif() || Dialogs::current().askToSave(CurrentFile, [this] { return SaveItemClick(); });
}

void TMainForm::Nouveau1Click()
{
    if (!saveQuestion())
        return;
    CurrentFile.clear();
    m_fiche->Nouveau();
    m_lastFile.storeChanged();
    storeReady();
    showReadOnly();
}

void TMainForm::OpenItemClick()
{
    if (!saveQuestion())
        return;
    const QString chosen = Dialogs::current().openFile(FrameRules::memberFilter(), FrameRules::memberSuffix());
    if (chosen.isEmpty())
        return;
    // A refused name leaves the open store and its name as they are.
    if (!FrameRules::isMemberFile(chosen)) {
        Dialogs::current().message(QStringLiteral("Type de fichier non valide"));
        return;
    }
    if (!TextFile::exists(chosen)) {
        Dialogs::current().message(QStringLiteral("Le fichier n'existe pas"));
        return;
    }
    openStore(chosen);
}

void TMainForm::openStore(const QString &name)
{
    // A store another Velmora holds is opened read-only, or not at all.
    if (const std::optional<StoreLock::Holder> holder = StoreLock::holder(name))
        if (!Dialogs::current().okCancel(StoreLock::openQuestion(name, *holder)))
            return;
    // A store that could not be read leaves the open one and its name as they were.
    if (!m_fiche->Charge(name))
        return;
    CurrentFile = name;
    m_lastFile.storeChanged();
    storeReady();
    showReadOnly();
}

bool TMainForm::SaveItemClick()
{
    if (CurrentFile.isEmpty())
        return SaveAs();
    const QString target = FrameRules::memberFileName(CurrentFile);
    if (!m_fiche->Sauve(target))
        return false;
    CurrentFile = target;
    m_lastFile.storeChanged();
    return true;
}

bool TMainForm::SaveAs()
{
    const QString chosen = Dialogs::current().saveFile(FrameRules::memberFilter(), FrameRules::memberSuffix(),
                                                       QStringLiteral("*.adh"));
    // Cancelling keeps the store's name: the open store is still the one it was.
    if (chosen.isEmpty())
        return false;
    const QString target = FrameRules::memberFileName(chosen);
    if (TextFile::exists(target) && !Dialogs::current().okCancel(QStringLiteral("Ce fichier existe déjà")))
        return false;
    // A copy under a new name is written even when nothing changed.
    m_fiche->store().markModified();
    const bool wasReadOnly = m_fiche->store().isReadOnly();
    if (!m_fiche->Sauve(target))
        return false;
    CurrentFile = target;
    m_lastFile.storeChanged();
    setWindowTitle(kTitle);
    // A copy of a read-only store is the user's own store.
    if (wasReadOnly)
        storeReady();
    return true;
}

// ---- Records -----------------------------------------------------------------------

void TMainForm::Supprimerfiche1Click()
{
    if (Dialogs::current().okCancel(QStringLiteral("Confirmer suppression de la fiche ?")))
        m_fiche->Supprime();
}

void TMainForm::Supprimerreu1Click()
{
    if (Dialogs::current().okCancel(QStringLiteral("Confirmer suppression du reçu ?")))
        m_fiche->SupRecu();
}

void TMainForm::Ouvrirautomatiquemrnt1Click()
{
    // The item ticks itself when chosen; its new state is the setting.
    m_fiche->SetIni(action(QStringLiteral("Ouvrirautomatiquemrnt1"))->isChecked());
}

// ---- Selections ----------------------------------------------------------------------

void TMainForm::Decoche()
{
    for (const char *name : {"touteslesfiches1", "Codepostal1", "Ville1", "Rappeldecotisaiton1"})
        action(QString::fromLatin1(name))->setChecked(false);
}

void TMainForm::Decoche2()
{
    for (const char *name : {"Touteslesfiches2", "Codepostal2", "Ville2"})
        action(QString::fromLatin1(name))->setChecked(false);
}

void TMainForm::selectMembers(const QString &item, int mode)
{
    Decoche();
    action(item)->setChecked(true);
    m_fiche->SetSel(mode);
    m_fiche->Premier();
}

void TMainForm::selectPartners(const QString &item, int mode)
{
    Decoche2();
    action(item)->setChecked(true);
    m_fiche->SetPart(mode);
    m_fiche->Premier();
}

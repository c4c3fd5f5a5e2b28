#include "fiche/tfiche.h"

#include "core/dialogs.h"
#include "core/rightalign.h"
#include "find/exchange.h"
#include "find/search.h"
#include "find/sort.h"
#include "find/ui/listwindows.h"
#include "settings/ui/settingsdialogs.h"
#include "fiche/activitiespage.h"
#include "fiche/memberspage.h"
#include "fiche/partnerspage.h"
#include "fiche/receiptspage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QStackedWidget>
#include <QVBoxLayout>

TFiche::TFiche(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Fiche"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pageControl = new QStackedWidget(this);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_pageControl);

    m_pages[size_t(Kind::Member)] = new MembersPage(this);
    m_pages[size_t(Kind::Partner)] = new PartnersPage(this);
    m_pages[size_t(Kind::Activity)] = new ActivitiesPage(this);
    m_pages[size_t(Kind::Receipt)] = new ReceiptsPage(this);
    for (RecordPage *p : m_pages)
        m_pageControl->addWidget(p);

    connect(qApp, &QApplication::focusChanged, this, &TFiche::onFocusChanged);

    m_store.Nouveau();
    m_pageControl->setCurrentWidget(page(Kind::Member));
    LitFiche();
    updateCaption();
}

TFiche::~TFiche()
{
    disconnect(qApp, &QApplication::focusChanged, this, &TFiche::onFocusChanged);
}

// ---- Pages ----------------------------------------------------------------------

Kind TFiche::shownKind() const
{
    auto *shown = static_cast<RecordPage *>(m_pageControl->currentWidget());
    return shown ? shown->kind() : Kind::Member;
}

MembersPage *TFiche::membersPage() const
{
    return static_cast<MembersPage *>(page(Kind::Member));
}

PartnersPage *TFiche::partnersPage() const
{
    return static_cast<PartnersPage *>(page(Kind::Partner));
}

ActivitiesPage *TFiche::activitiesPage() const
{
    return static_cast<ActivitiesPage *>(page(Kind::Activity));
}

ReceiptsPage *TFiche::receiptsPage() const
{
    return static_cast<ReceiptsPage *>(page(Kind::Receipt));
}

void TFiche::showKind(Kind k)
{
    // Leaving a page writes its record back, as when the focus leaves it.
    writeBack(shownKind());
    m_pageControl->setCurrentWidget(page(k));
    page(k)->aboutToShow();
    read(k);
    // What the user types next goes into the page brought forward.
    focusFirst(k);
}

void TFiche::Adherents()
{
    showKind(Kind::Member);
}

void TFiche::Partenaires()
{
    showKind(Kind::Partner);
}

void TFiche::Activites()
{
    showKind(Kind::Activity);
}

void TFiche::Recus()
{
    showKind(Kind::Receipt);
}

void TFiche::onFocusChanged(QWidget *old, QWidget *now)
{
    if (!old || !now)
        return;
    RecordPage *shown = page(shownKind());
    if (shown->isAncestorOf(old) && !shown->isAncestorOf(now) && isAncestorOf(now))
        shown->writeRecord();
}

void TFiche::focusFirst(Kind k)
{
    if (QWidget *w = page(k)->firstField())
        w->setFocus();
}

void TFiche::updateCaption()
{
    setWindowTitle(m_store.FileName.isEmpty() ? QString() : QFileInfo(m_store.FileName).fileName());
}

// ---- Store ----------------------------------------------------------------------

void TFiche::Nouveau()
{
    m_store.Nouveau();
    updateCaption();
    m_pageControl->setCurrentWidget(page(Kind::Member));
    for (int k = 3; k >= 0; --k)
        read(Kind(k));
    // A new store starts with every flag clear, as after loading: showing its
    // empty first member is not an edit.
    for (int k = 0; k < 4; ++k)
        m_store.state(Kind(k)).edited = false;
}

bool TFiche::Charge(const QString &name)
{
    if (!m_store.Charge(name))
        return false;
    updateCaption();
    m_store.state(Kind::Member).current = 0;
    LitFiche();
    m_store.state(Kind::Member).edited = false;
    Premier();
    return true;
}

bool TFiche::Sauve(const QString &name)
{
    writeBackAll();
    QString error;
    QStringList kept;
    if (!m_store.Sauve(name, &error, &kept)) {
        Dialogs::current().error(error);
        return false;
    }
    updateCaption();
    for (const QString &file : kept)
        Dialogs::current().message(QStringLiteral("Le fichier altéré a été conservé tel qu'il était sous le nom %1.")
                                       .arg(QDir::toNativeSeparators(file)));
    return true;
}

// ---- Records ----------------------------------------------------------------------

void TFiche::writeBack(Kind k)
{
    page(k)->writeRecord();
}

void TFiche::read(Kind k)
{
    page(k)->readRecord();
}

void TFiche::writeBackAll()
{
    for (int k = 0; k < 4; ++k)
        writeBack(Kind(k));
}

void TFiche::EcritFiche() { writeBack(Kind::Member); }
void TFiche::LitFiche() { read(Kind::Member); }
void TFiche::EcritPartenaire() { writeBack(Kind::Partner); }
void TFiche::LitPartenaire() { read(Kind::Partner); }
void TFiche::EcritActivite() { writeBack(Kind::Activity); }
void TFiche::LitActivite() { read(Kind::Activity); }
void TFiche::EcritRecu() { writeBack(Kind::Receipt); }
void TFiche::LitRecu() { read(Kind::Receipt); }

// ---- Commands -------------------------------------------------------------------

void TFiche::move(Move m)
{
    const Kind k = shownKind();
    if (m == Move::Last && k != Kind::Receipt && m_store.state(k).count < 2)
        return;
    writeBack(k);
    if (m_store.move(k, m))
        read(k);
    focusFirst(k);
}

void TFiche::Premier() { move(Move::First); }
void TFiche::Precedent() { move(Move::Previous); }
void TFiche::Suivant() { move(Move::Next); }
void TFiche::Dernier() { move(Move::Last); }

void TFiche::Ajout()
{
    const Kind k = shownKind();
    if (k == Kind::Receipt)
        return;
    writeBack(k);
    if (!m_store.Ajout(k))
        return;
    read(k);
    if (QWidget *w = page(k)->appendField())
        w->setFocus();
}

void TFiche::Supprime()
{
    const Kind k = shownKind();
    if (k == Kind::Receipt)
        return;
    m_store.Supprime(k);
    read(k);
}

void TFiche::Copier()
{
    page(shownKind())->copy();
}

void TFiche::Coller()
{
    page(shownKind())->paste();
    m_store.markModified();
}

void TFiche::SetSel(int mode)
{
    m_store.SetSel(mode);
}

void TFiche::SetPart(int mode)
{
    m_store.SetPart(mode);
}

void TFiche::listKey()
{
    if (shownKind() == Kind::Receipt)
        ListRecu();
    else
        Liste();
}

void TFiche::showRecord(Kind k, int n)
{
    // The record shown is written back before another one replaces it, so
    // that a search or a pick never throws away what the user typed.
    writeBack(k);
    m_store.state(k).current = n;
    read(k);
}

void TFiche::Liste()
{
    const Kind k = shownKind();
    if (k == Kind::Receipt)
        return;
    const int n = openListe(this, k, m_store.lines(k));
    // A number past the last record would show a record that does not exist.
    if (n >= 0 && n < m_store.state(k).count)
        showRecord(k, n);
}

void TFiche::ListRecu()
{
    EcritRecu();
    const int n = openFactListe(this, m_store);
    if (n >= 0) {
        m_store.state(Kind::Receipt).current = n;
        LitRecu();
    }
}

// ---- Searches, sorts, exchange ------------------------------------------------------

void TFiche::search(Kind k, int (*scan)(const RecordStore &))
{
    const int n = scan(m_store);
    if (n >= 0)
        showRecord(k, n);
}

void TFiche::RechNom() { search(Kind::Member, &Search::RechNom); }
void TFiche::RechTel() { search(Kind::Member, &Search::RechTel); }
void TFiche::RechNum() { search(Kind::Member, &Search::RechNum); }
void TFiche::RechSoc() { search(Kind::Partner, &Search::RechSoc); }
void TFiche::RechNom2() { search(Kind::Partner, &Search::RechNom2); }
void TFiche::RechNum2() { search(Kind::Partner, &Search::RechNum2); }

void TFiche::sortKind(Kind k)
{
    const int key = openTri(this, k);
    if (key < 0)
        return;
    writeBack(k);
    if (k == Kind::Member)
        Sort::Trier(m_store, key);
    else
        Sort::Trier2(m_store, key);
    read(k);
}

void TFiche::Trier() { sortKind(Kind::Member); }
void TFiche::Trier2() { sortKind(Kind::Partner); }

void TFiche::Exporter()
{
    EcritFiche();
    writeBack(shownKind());
    Exchange::Exporter(m_store, shownKind());
}

void TFiche::Importer()
{
    const Kind k = shownKind();
    // The imported records become current: the page must not be written over
    // the last of them by the move that shows it.
    writeBack(k);
    m_store.state(k).edited = false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool imported = Exchange::Importer(m_store, k);
    QGuiApplication::restoreOverrideCursor();
    if (imported)
        Dernier();
}

// ---- Receipts -------------------------------------------------------------------

void TFiche::NouvRecu()
{
    // Bringing the receipts page forward writes the member shown back, so the
    // new receipt is filled from the member as the user sees it.
    Recus();
    receiptsPage()->NouvRecu();
}

void TFiche::SupRecu()
{
    receiptsPage()->SupRecu();
}

void TFiche::SupLigne1()
{
    receiptsPage()->SupLigne1();
}

// ---- Settings -------------------------------------------------------------------

void TFiche::FormActivate(const QString &startDir)
{
    if (m_activated)
        return;
    m_activated = true;
    m_settings.loadAll(startDir);
}

bool TFiche::saveSettings(const QString &startDir, const QString &currentFile)
{
    const QStringList failed = m_settings.saveAll(startDir, currentFile);
    if (!failed.isEmpty())
        Dialogs::current().error(SettingsFiles::unwrittenText(failed));
    return failed.isEmpty();
}

void TFiche::GetIni(bool *autoOpen, QString *name) const
{
    m_settings.GetIni(autoOpen, name);
}

void TFiche::SetIni(bool autoOpen)
{
    m_settings.SetIni(autoOpen);
}

void TFiche::Psoc()
{
    openSociete(this, m_settings.Header);
}

void TFiche::LeBureau()
{
    openBureau(this, m_settings.Bureau);
}

void TFiche::Types()
{
    openTypes(this, m_settings.Types);
    if (shownKind() == Kind::Activity)
        activitiesPage()->aboutToShow();
}

QString TFiche::Rset(const QString &text, int width) const
{
    return rightAlign(text, width, fontMetrics());
}



void TFiche::showReadOnly()
{
    for (RecordPage *p : m_pages)
        p->setReadOnly(m_store.isReadOnly());
}

#pragma once
// The record window: the frame's one child, holding the store and the four
// record pages (members, partners, activities, receipts) whose tabs are
// hidden. It routes each store command to the page shown and to the store.

#include "store/recordstore.h"
#include "store/settingsfiles.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QStackedWidget;
class RecordPage;
class MembersPage;
class PartnersPage;
class ActivitiesPage;
class ReceiptsPage;

class TFiche : public QWidget
{
    Q_OBJECT
public:
    explicit TFiche(QWidget *parent = nullptr);
    ~TFiche() override;

    RecordStore &store() { return m_store; }
    const RecordStore &store() const { return m_store; }

    // ---- Pages ------------------------------------------------------------------
    Kind shownKind() const;
    RecordPage *page(Kind k) const { return m_pages[size_t(k)]; }
    MembersPage *membersPage() const;
    PartnersPage *partnersPage() const;
    ActivitiesPage *activitiesPage() const;
    ReceiptsPage *receiptsPage() const;
    // Bring a page forward and read its current record.
    void Adherents();
    void Partenaires();
    void Activites();
    void Recus();

    // ---- Store ------------------------------------------------------------------
    void Nouveau();
    // False when a file could not be read (a message was shown, nothing changed).
    bool Charge(const QString &name);
    // False when the store could not be written (a message was shown).
    bool Sauve(const QString &name);
    bool TestModif() const { return m_store.TestModif(); }
    // Follows the store: a store another Velmora holds shows its records
    // without letting them be changed.
    void showReadOnly();

    // ---- Records of each kind (write back / read) --------------------------------
    void EcritFiche();
    void LitFiche();
    void EcritPartenaire();
    void LitPartenaire();
    void EcritActivite();
    void LitActivite();
    void EcritRecu();
    void LitRecu();
    void writeBack(Kind k);
    void read(Kind k);
    // Every page's record written back, members first.
    void writeBackAll();

    // ---- Commands on the page shown ----------------------------------------------
    void Premier();
    void Precedent();
    void Suivant();
    void Dernier();
    void Ajout();
    void Supprime();
    void Copier();
    void Coller();
    void SetSel(int mode);
    void SetPart(int mode);
    // F2 on a page: the list of the kind shown (receipts: the receipt list).
    void listKey();
    void Liste();

    // ---- Searches, sorts, lists, exchange -------------------------------------------
    void RechNom();
    void RechTel();
    void RechNum();
    void RechSoc();
    void RechNom2();
    void RechNum2();
    void Trier();
    void Trier2();
    void ListRecu();
    void Exporter();
    void Importer();

    // ---- Receipts -------------------------------------------------------------------
    void NouvRecu();
    void SupRecu();
    void SupLigne1();

    // ---- Settings files and dialogs -------------------------------------------------
    // Reads the five settings files of the folder once, at the first activation.
    void FormActivate(const QString &startDir);
    // Writes them in their fixed order; false when one could not be written.
    bool saveSettings(const QString &startDir, const QString &currentFile);
    void GetIni(bool *autoOpen, QString *name) const;
    void SetIni(bool autoOpen);
    void Psoc();
    void LeBureau();
    void Types();

    // ---- Printing (tfiche_print.cpp) ------------------------------------------------
    // Every printout takes the fields as the page shows them, saved or not.
    // "&Mise en page": the page set-up dialog; "OK" keeps its choices.
    void ParM();
    // The record sheet of the page shown; on the receipts page the receipt,
    // on the activities page nothing.
    void ImpFiche();
    // The member and partner lists and one envelope per member, for the
    // records chosen in the print dialog.
    void Imprime();
    void Imprime2();
    void Enveloppes();
    // One envelope for the member, partner or payer shown, after asking for
    // the envelope to be put in.
    void ImpEnv();
    // The card of the member shown, printed or written as a PDF file.
    void Carte();
    void CartePdf();
    // The receipt shown, totalled first (the receipt page's "Imprimer").
    void Button4Click();

    // ---- Treasury (tfiche_treasury.cpp) ------------------------------------------------
    // The chart editor; the chart it leaves is written to "Velmora.plc" in the
    // settings folder at once, so that no later reading can undo it.
    void Plc(const QString &settingsDir);
    void VoirPlc();
    // The journal, handed back into the store, which is then marked modified.
    void Saisie();
    void GrandLivre();
    // The treasury plan of the store's member file.
    void Tresorerie();
    void ResAnnuel();

    // ---- Statistics (tfiche_stats.cpp) -------------------------------------------------
    // Each writes the record shown back first, so that it counts as the user sees it.
    void StatsDpt();
    void StatsCat();
    void StatsCaMembres();
    void StatsCaPartenaires();
    void StatsCaActivites();

    // ---- Letters (tfiche_letters.cpp) -----------------------------------------------------
    // The word processor, whose new documents start with header lines 1 to 4.
    void TrTexte();


    // ---- Office tools (tfiche_tools.cpp) ---------------------------------------------------
    // The planning and the message book of the store's member file.
    void Planning1();
    void Messages();


    // Right alignment in the record window's font.
    QString Rset(const QString &text, int width) const;

    // The items of the activities' "Type" list.
    QStringList &activityTypes() { return m_settings.Types; }
    SettingsFiles &settings() { return m_settings; }
    // The chart of accounts (ChartLines), the program's own.
    RecordList &ChartLines() { return m_settings.Chart; }

signals:
    // The receipt line grid took or lost the focus ("S&upprimer ligne").
    void receiptGridActiveChanged(bool active);

private:
    void showKind(Kind k);
    void showRecord(Kind k, int n);
    void search(Kind k, int (*scan)(const RecordStore &));
    void sortKind(Kind k);
    void move(Move m);
    void focusFirst(Kind k);
    void updateCaption();
    void onFocusChanged(QWidget *old, QWidget *now);

    RecordStore m_store;
    QStackedWidget *m_pageControl = nullptr;
    std::array<RecordPage *, 4> m_pages{};
    SettingsFiles m_settings;
    bool m_activated = false;
};

#pragma once
// The association's records in memory: four block lists (members, partners,
// activities, receipts), the chart of accounts and the journal, with the
// store's file names, flags, counts and current indexes. Everything the record
// window does to records that needs no widget lives here.

#include "core/recordlist.h"
#include "store/blockindex.h"
#include "store/layouts.h"
#include "store/storelock.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>
#include <optional>

// One record as its block holds it, without the tags.
struct BlockData
{
    QStringList fixed;        // positions 1, 2, 3 ... of the kind
    QStringList memo;         // "MEMO" lines, without the marker
    QList<QStringList> rows;  // the first rows of the grid: "DATA" (date, label, amount) or "FACT" (designation, amount)
    // The block's other lines as they stand in the file: rows beyond the
    // grid's and lines the program does not know. No page shows them; writing
    // the record back keeps them, in their order, after the rows.
    QList<QByteArray> kept;

    QString field(int position) const { return fixed.value(position - 1); }
    void setField(int position, const QString &text)
    {
        while (fixed.size() < position)
            fixed.append(QString());
        fixed[position - 1] = text;
    }

    bool operator==(const BlockData &o) const
    {
        return fixed == o.fixed && memo == o.memo && rows == o.rows && kept == o.kept;
    }
};

struct KindState
{
    RecordList lines;
    int count = 0;
    int current = 0;
    bool edited = false;
    // The file whose content a repair changed in memory: the next save that
    // replaces it keeps the original beside it with ".bak" appended.
    QString damagedFile;
};

enum class Move { First, Previous, Next, Last };

class RecordStore
{
public:
    static constexpr int kMaxRecords = 9999;     // block numbers 0000 to 9998
    static constexpr int kGridRows = 63;

    RecordStore();

    // ---- Lists, flags, counts ------------------------------------------------
    KindState &state(Kind k) { return m_kinds[size_t(k)]; }
    const KindState &state(Kind k) const { return m_kinds[size_t(k)]; }
    RecordList &lines(Kind k) { return state(k).lines; }
    const RecordList &lines(Kind k) const { return state(k).lines; }

    RecordList &MemberLines() { return lines(Kind::Member); }
    RecordList &PartnerLines() { return lines(Kind::Partner); }
    RecordList &ActivityLines() { return lines(Kind::Activity); }
    RecordList &ReceiptLines() { return lines(Kind::Receipt); }
    // The chart of accounts is the program's (SettingsFiles::Chart), not a store's.
    RecordList JournalLines;

    QString FileName;
    QString PartnerFileName;
    QString ActivityFileName;
    QString ReceiptFileName;

    // StoreModified: something changed since the store was loaded or saved;
    // the only flag that makes a save write. Only the store clears it.
    bool TestModif() const { return m_modified; }
    void markModified() { m_modified = true; }
    // What the store holds is what its files hold (after loading or saving).
    void markSaved() { m_modified = false; }
    // The user changed the record shown on the kind's page: it must be written
    // back, and the store is changed.
    void markEdited(Kind k)
    {
        state(k).edited = true;
        m_modified = true;
    }

    // ---- Blocks ---------------------------------------------------------------
    static QString openTag(int n) { return BlockIndex::openTag(n); }
    static QString closeTag(int n) { return BlockIndex::closeTag(n); }
    BlockIndex blocks(Kind k) const { return BlockIndex(lines(k)); }

    int countTags(Kind k) const;
    // Index of the opening tag of block n, or -1.
    int findBlock(Kind k, int n) const;
    std::optional<BlockData> readBlock(Kind k, int n) const;
    static BlockData readBlock(const BlockRef &block, Kind k);
    // Writes the record back: in place for members, partners and activities,
    // at the end of the list for receipts; the lines of the old block that the
    // record does not hold (BlockData::kept) stay with it. Marks the store
    // modified; a count of 0 becomes 1.
    void writeBlock(Kind k, int n, const BlockData &data);
    // The block's lines as they are written.
    static QStringList blockLines(Kind k, int n, const BlockData &data);
    // The first block number that no block holds: where a new record goes, so
    // that numbers run without a gap.
    int firstFree(Kind k) const;

    // ---- Store files ------------------------------------------------------------
    // club.adh gives club.par, club.atv, club.rcu, club.jnl: the member file's own
    // extension is replaced, whatever dots its folders hold.
    static QString withExtension(const QString &path, const QString &ext);
    static QString journalName(const QString &memberFile) { return withExtension(memberFile, QStringLiteral("jnl")); }
    void Synchro();
    // The file a kind's list is loaded from and saved to.
    QString filePath(Kind k) const;

    // Empties the store and lets go of the store's lock.
    void Nouveau();
    // Loads the store of the member file, after finishing or undoing a save of it
    // that was stopped; false with a message shown when that fails or a file
    // that exists cannot be read (the store then stays as it was). The store's
    // lock is taken; when another running program holds it, the store is
    // opened read-only, and left as its files are (a save of the other
    // program's is not finished or undone from here).
    bool Charge(const QString &name);
    // Writes the store under the member file name when StoreModified is set; the
    // shown records must have been written back first. False with *error set when
    // a file cannot be written, when the store is read-only and the name is its
    // own, or when another program holds the store of that name; the flags and
    // the files stay as they were. A file that loading repaired is first kept as
    // it was found, beside it with ".bak" appended; those copies are named in
    // *keptOriginals. Saved under another name, the store takes that store's
    // lock and is no longer read-only.
    bool Sauve(const QString &name, QString *error, QStringList *keptOriginals = nullptr);
    // Opened while another running program held it: it cannot be saved under
    // its own name.
    bool isReadOnly() const { return m_readOnly; }

    // ---- Maintenance ----------------------------------------------------------
    // Whether every block of the list closes with its own closing tag before
    // anything else opens or closes, no closing tag stands alone and every tag
    // is whole ("<BLOC0001>").
    static bool isSound(const RecordList &lines);
    void Verif(Kind k);
    void Verif() { Verif(Kind::Member); }
    void Verif2() { Verif(Kind::Partner); }
    void Verif3() { Verif(Kind::Activity); }
    void Verif4() { Verif(Kind::Receipt); }
    void Doublons(Kind k);
    void Doublons() { Doublons(Kind::Member); }
    void Doublons2() { Doublons(Kind::Partner); }
    void Doublons3() { Doublons(Kind::Activity); }
    void Doublons4() { Doublons(Kind::Receipt); }
    void SupBloc(Kind k, int n);
    void SupBloc(int n) { SupBloc(Kind::Member, n); }
    void SupBloc4(int n) { SupBloc(Kind::Receipt, n); }
    void Squize(Kind k);
    void Squize() { Squize(Kind::Member); }
    void Squize2() { Squize(Kind::Partner); }
    void Squize3() { Squize(Kind::Activity); }
    void Squize4() { Squize(Kind::Receipt); }
    void Renum(Kind k);
    void Renum() { Renum(Kind::Member); }
    void Renum2() { Renum(Kind::Partner); }
    void Renum3() { Renum(Kind::Activity); }
    void Renum4() { Renum(Kind::Receipt); }

    // ---- Records --------------------------------------------------------------
    // Shows a new, empty record of the kind: the first free number, counted
    // when it is past the count. False with "Le fichier est plein" when the
    // kind is full.
    bool Ajout(Kind k);
    // Deletes the current record's block, closes the numbering gap and keeps
    // the current index within the records.
    void Supprime(Kind k);

    // Largest stored code + 1, at least 10001; codes that are not whole numbers
    // are skipped.
    int nextCode(Kind k) const;
    int Numerom() { return NextMemberNumber = nextCode(Kind::Member); }
    int Numerop() { return NextPartnerCode = nextCode(Kind::Partner); }
    int Numeroa() { return NextActivityCode = nextCode(Kind::Activity); }
    // YYYYMM001 from today, or the highest "NUMR" number + 1.
    int Numerof();
    int NextMemberNumber = 10001;
    int NextPartnerCode = 10001;
    int NextActivityCode = 10001;
    int NextReceiptNumber = 0;

    // ---- Navigation and selections ----------------------------------------------
    int MemberSelection = 0;
    QString MemberCpFilter;
    QString MemberTownFilter;
    QString RenewalDaysText;
    int RenewalDays = 0;
    int PartnerSelection = 0;
    QString PartnerCpFilter;
    QString PartnerTownFilter;

    // Changes the current index of the kind for the move, following the page's
    // selection. False when the record must not be read again (receipts: Next
    // and Last with fewer than two receipts).
    bool move(Kind k, Move m);

    // The filtered walks; each changes only the current index.
    bool CpPremier() { return walk(Kind::Member, Move::First, cpTest(Kind::Member)); }
    bool CpPrecedent() { return walk(Kind::Member, Move::Previous, cpTest(Kind::Member)); }
    bool CpSuivant() { return walk(Kind::Member, Move::Next, cpTest(Kind::Member)); }
    bool CpDernier() { return walk(Kind::Member, Move::Last, cpTest(Kind::Member)); }
    bool VillePremier() { return walk(Kind::Member, Move::First, townTest(Kind::Member)); }
    bool VillePrecedent() { return walk(Kind::Member, Move::Previous, townTest(Kind::Member)); }
    bool VilleSuivant() { return walk(Kind::Member, Move::Next, townTest(Kind::Member)); }
    bool VilleDernier() { return walk(Kind::Member, Move::Last, townTest(Kind::Member)); }
    bool RappelPremier() { return walk(Kind::Member, Move::First, renewalTest()); }
    bool RappelPrecedent() { return walk(Kind::Member, Move::Previous, renewalTest()); }
    bool Rappelsuivant() { return walk(Kind::Member, Move::Next, renewalTest()); }
    bool RappelDernier() { return walk(Kind::Member, Move::Last, renewalTest()); }
    bool CpPremier2() { return walk(Kind::Partner, Move::First, cpTest(Kind::Partner)); }
    bool CpPrecedent2() { return walk(Kind::Partner, Move::Previous, cpTest(Kind::Partner)); }
    bool CpSuivant2() { return walk(Kind::Partner, Move::Next, cpTest(Kind::Partner)); }
    bool CpDernier2() { return walk(Kind::Partner, Move::Last, cpTest(Kind::Partner)); }
    bool VillePremier2() { return walk(Kind::Partner, Move::First, townTest(Kind::Partner)); }
    bool VillePrecedent2() { return walk(Kind::Partner, Move::Previous, townTest(Kind::Partner)); }
    bool VilleSuivant2() { return walk(Kind::Partner, Move::Next, townTest(Kind::Partner)); }
    bool VilleDernier2() { return walk(Kind::Partner, Move::Last, townTest(Kind::Partner)); }

    // Asks for the selection's value through the dialogs ("Filtre Code postal"...).
    void SetSel(int mode);
    void SetPart(int mode);

    // A test on a block of the kind.
    using BlockTest = std::function<bool(const BlockRef &)>;
    // A filtered walk: the nearest qualifying block number in
    // the direction of the move; the index stays when none qualifies.
    bool walk(Kind k, Move m, const BlockTest &test);

private:
    BlockTest cpTest(Kind k) const;
    // Tags whose letters are not all capitals, made capitals; true when some were.
    static bool normaliseTags(RecordList &lines);
    // Block numbers 0, 1, 2 ... in list order of their number, without a gap.
    static bool closeGaps(RecordList &lines);
    void noteRepair(Kind k);
    BlockTest townTest(Kind k) const;
    BlockTest renewalTest() const;
    void resetKind(Kind k);
    void removeLinesOfBlock(Kind k, int index);

    std::array<KindState, 4> m_kinds;
    bool m_modified = false;
    StoreLock m_lock;
    bool m_readOnly = false;
    // The last next code of each kind and the list state it was computed on:
    // reading a record asks for it each time, moving changes nothing in the list.
    // The code of every block, in list order, with the largest: a record
    // written back costs the codes of its own block, not a pass over all.
    struct CodeCache
    {
        quint64 generation = ~quint64(0);
        int next = 0;
        int largest = 0;
        std::vector<int> codes;
    };
    mutable std::array<CodeCache, 4> m_codeCache;
};

QString kindExtension(Kind k);

#include "store/recordstore.h"

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "core/textfile.h"
#include "store/storecommit.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

QString kindExtension(Kind k)
{
    return Layouts::of(k).fileExtension;
}

RecordStore::RecordStore() = default;

// ---- Blocks -------------------------------------------------------------------

int RecordStore::countTags(Kind k) const
{
    return int(lines(k).openTags().size());
}

int RecordStore::findBlock(Kind k, int n) const
{
    return blocks(k).find(n).open();
}

namespace {

// A row's cells from the text after its marker: up to a TAB each, the last
// cell taking the rest.
QStringList splitRow(const QString &text, int cells)
{
    QStringList row;
    int start = 0;
    for (int c = 0; c < cells - 1; ++c) {
        const int tab = text.indexOf(QLatin1Char('\t'), start);
        if (tab < 0) {
            row.append(text.mid(start));
            start = int(text.size()) + 1;
            continue;
        }
        row.append(text.mid(start, tab - start));
        start = tab + 1;
    }
    QString last = start <= text.size() ? text.mid(start) : QString();
    // A receipt row ends at a second TAB; the three cells of a dated row keep
    // whatever follows their second TAB in the amount.
    if (cells == 2) {
        const int tab = last.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            last.truncate(tab);
    }
    row.append(last);
    return row;
}

bool isBlank(const QStringList &row)
{
    for (const QString &cell : row)
        if (!cell.trimmed().isEmpty())
            return false;
    return true;
}

// A fixed line that would read as a tag would cut its block in two.
bool readsAsTag(const QString &line)
{
    return line.startsWith(QLatin1String("<BLOC"), Qt::CaseInsensitive)
           || line.startsWith(QLatin1String("</BLOC"), Qt::CaseInsensitive);
}

} // namespace

BlockData RecordStore::readBlock(const BlockRef &block, Kind k)
{
    const RecordLayout &layout = Layouts::of(k);
    BlockData data;
    for (int p = 1; p <= layout.fixedCount; ++p)
        data.fixed.append(block.text(p));
    for (int p = layout.fixedCount + 1; p <= block.span(); ++p) {
        const QByteArrayView v = block.view(p);
        if (layout.hasMemo && v.startsWith("MEMO")) {
            data.memo.append(Cp1252::decode(midView(v, 4)));
        } else if (v.startsWith(layout.rowMarker) && data.rows.size() < kGridRows) {
            data.rows.append(splitRow(Cp1252::decode(midView(v, 4)), layout.rowCells));
        } else {
            data.kept.append(v.toByteArray());
        }
    }
    return data;
}

std::optional<BlockData> RecordStore::readBlock(Kind k, int n) const
{
    const BlockRef block = blocks(k).find(n);
    if (!block.exists())
        return std::nullopt;
    return readBlock(block, k);
}

QStringList RecordStore::blockLines(Kind k, int n, const BlockData &data)
{
    const RecordLayout &layout = Layouts::of(k);
    const QString marker = QString::fromLatin1(layout.rowMarker);
    QStringList out;
    out.append(openTag(n));
    for (int p = 1; p <= layout.fixedCount; ++p) {
        const QString line = data.field(p);
        out.append(readsAsTag(line) ? QLatin1Char(' ') + line : line);
    }
    if (layout.hasMemo)
        for (const QString &m : data.memo)
            out.append(QStringLiteral("MEMO") + m);
    for (const QStringList &row : data.rows) {
        if (isBlank(row)) {
            // A receipt skips its blank lines; a dated grid ends at its first
            // blank row.
            if (k == Kind::Receipt)
                continue;
            break;
        }
        QStringList cells = row;
        while (cells.size() < layout.rowCells)
            cells.append(QString());
        out.append(marker + cells.mid(0, layout.rowCells).join(QLatin1Char('\t')));
    }
    for (const QByteArray &line : data.kept)
        out.append(Cp1252::decode(line));
    out.append(closeTag(n));
    return out;
}

void RecordStore::writeBlock(Kind k, int n, const BlockData &data)
{
    KindState &s = state(k);
    const BlockRef old = blocks(k).find(n);
    BlockData merged = data;
    if (old.exists())
        merged.kept = readBlock(old, k).kept;
    const QStringList fresh = blockLines(k, n, merged);
    if (old.exists() && k != Kind::Receipt) {
        s.lines.replaceRange(old.open(), old.end() - old.open(), fresh);
    } else {
        if (old.exists())
            s.lines.replaceRange(old.open(), old.end() - old.open(), QStringList());
        s.lines.replaceRange(s.lines.size(), 0, fresh);
    }
    if (s.count == 0)
        s.count = 1;
    m_modified = true;
}

int RecordStore::firstFree(Kind k) const
{
    std::vector<bool> taken;
    blocks(k).forEach([&taken](const BlockRef &b) {
        if (b.number() < 0)
            return;
        if (size_t(b.number()) >= taken.size())
            taken.resize(size_t(b.number()) + 1, false);
        taken[size_t(b.number())] = true;
    });
    int n = 0;
    while (size_t(n) < taken.size() && taken[size_t(n)])
        ++n;
    return n;
}

void RecordStore::removeLinesOfBlock(Kind k, int index)
{
    const BlockRef block = blocks(k).at(index);
    lines(k).replaceRange(index, block.end() - index, QStringList());
}

// ---- Store files --------------------------------------------------------------

QString RecordStore::withExtension(const QString &path, const QString &ext)
{
    if (path.isEmpty())
        return QString();
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return path.left(dot + 1) + ext;
    return path + QLatin1Char('.') + ext;
}

QString RecordStore::filePath(Kind k) const
{
    switch (k) {
    case Kind::Partner: return PartnerFileName;
    case Kind::Activity: return ActivityFileName;
    case Kind::Receipt: return ReceiptFileName;
    case Kind::Member: break;
    }
    return FileName;
}

void RecordStore::Synchro()
{
    PartnerFileName = withExtension(FileName, kindExtension(Kind::Partner));
    ActivityFileName = withExtension(FileName, kindExtension(Kind::Activity));
    ReceiptFileName = withExtension(FileName, kindExtension(Kind::Receipt));
}

void RecordStore::resetKind(Kind k)
{
    KindState &s = state(k);
    s.lines.clear();
    s.count = 0;
    s.current = 0;
    s.edited = false;
    s.damagedFile.clear();
}

void RecordStore::Nouveau()
{
    for (int k = 0; k < 4; ++k)
        resetKind(Kind(k));
    // The chart of accounts belongs to the program, not to a store: a new
    // store must not wipe it (it is written back at closing).
    JournalLines.clear();
    FileName.clear();
    PartnerFileName.clear();
    ActivityFileName.clear();
    ReceiptFileName.clear();
    m_modified = false;
    m_lock.release();
    m_readOnly = false;
}

bool RecordStore::Charge(const QString &name)
{
    // The store's files are another program's to finish when it holds them.
    // A save stopped during its renames may have taken the member file away
    // for a moment: the lock is asked for whether it is there or not.
    StoreLock lock;
    const bool readOnly = !name.isEmpty() && lock.acquire(name) == StoreLock::Result::HeldByOther;
    // A save that was stopped is completed or undone before anything is read.
    QString interrupted;
    if (!readOnly && !StoreCommit::recover(name, &interrupted)) {
        Dialogs::current().error(interrupted);
        return false;
    }
    // Every file is read before anything changes, so an unreadable file leaves
    // the open store as it was instead of half-replacing it. A folder, a pipe
    // or a device where a store file should be is unreadable too: an empty
    // store in its place would be saved over it.
    const bool exists = TextFile::exists(name);
    if (!exists && QFileInfo::exists(name)) {
        Dialogs::current().error(TextFile::readErrorText(name));
        return false;
    }
    const QString member = exists ? name : QString();
    const QString journal = journalName(member);
    struct Source
    {
        QString path;
        QByteArray bytes;
        bool present = false;
    };
    std::array<Source, 5> src; // members, partners, activities, receipts, journal
    src[0].path = member;
    for (int k = 1; k < 4; ++k)
        src[size_t(k)].path = withExtension(member, kindExtension(Kind(k)));
    src[4].path = journal;
    for (Source &s : src) {
        if (!TextFile::exists(s.path)) {
            if (!s.path.isEmpty() && QFileInfo::exists(s.path)) {
                Dialogs::current().error(TextFile::readErrorText(s.path));
                return false;
            }
            continue;
        }
        QString error;
        if (!TextFile::readBytes(s.path, &s.bytes, &error)) {
            Dialogs::current().error(error);
            return false;
        }
        if (!RecordList::canHold(s.bytes)) {
            Dialogs::current().error(TextFile::readErrorText(s.path));
            return false;
        }
        s.present = true;
    }

    // The chart of accounts is not part of a store.
    for (int k = 0; k < 4; ++k)
        resetKind(Kind(k));
    JournalLines.clear();
    m_lock = member.isEmpty() ? StoreLock() : std::move(lock);
    m_readOnly = readOnly && !member.isEmpty();
    FileName = member;
    Synchro();
    if (src[0].present)
        MemberLines().setBytes(src[0].bytes);
    if (src[4].present)
        JournalLines.setBytes(src[4].bytes);
    m_modified = false;

    state(Kind::Member).count = countTags(Kind::Member);
    for (int k = 0; k < 4; ++k) {
        const Kind kind = Kind(k);
        KindState &s = state(kind);
        if (k > 0) {
            if (src[size_t(k)].present)
                s.lines.setBytes(src[size_t(k)].bytes);
            s.count = countTags(kind);
            s.current = 0;
        }
        Verif(kind);
        Doublons(kind);
        // Numbers left with a gap (a block removed by hand) would leave the
        // records after it out of reach, and a new record would take the
        // number of a stored one.
        if (isSound(s.lines) && closeGaps(s.lines))
            noteRepair(kind);
        s.edited = false;
    }
    state(Kind::Member).current = 0;
    return true;
}

bool RecordStore::Sauve(const QString &name, QString *error, QStringList *keptOriginals)
{
    if (!m_modified)
        return true;
    if (name.isEmpty()) {
        if (error)
            *error = QStringLiteral("Aucun nom de fichier pour enregistrer.");
        return false;
    }
    // Another program's store is never written over: neither the one opened
    // read-only nor another one it holds.
    const bool own = !FileName.isEmpty() && StoreLock::lockPath(name) == StoreLock::lockPath(FileName);
    if (own && m_readOnly) {
        if (error)
            *error = StoreLock::readOnlySaveText(name);
        return false;
    }
    StoreLock lock;
    StoreLock::Holder holder;
    if (!own && lock.acquire(name, &holder) == StoreLock::Result::HeldByOther) {
        if (error)
            *error = StoreLock::heldSaveText(name, holder);
        return false;
    }
    for (int k = 0; k < 4; ++k)
        Squize(Kind(k));

    const QString partner = withExtension(name, kindExtension(Kind::Partner));
    const QString activity = withExtension(name, kindExtension(Kind::Activity));
    const QString receipt = withExtension(name, kindExtension(Kind::Receipt));
    const QString journal = journalName(name);
    struct Target
    {
        QString path;
        const RecordList *list;
        Kind kind;
    };
    const std::array<Target, 5> targets = {{{name, &MemberLines(), Kind::Member},
                                             {partner, &PartnerLines(), Kind::Partner},
                                             {activity, &ActivityLines(), Kind::Activity},
                                             {journal, &JournalLines, Kind::Member},
                                             {receipt, &ReceiptLines(), Kind::Receipt}}};

    // A repaired file is kept as it was found before it is first replaced.
    for (int k = 0; k < 4; ++k) {
        KindState &s = state(Kind(k));
        if (s.damagedFile.isEmpty())
            continue;
        const QString target = k == 0 ? name : withExtension(name, kindExtension(Kind(k)));
        if (target != s.damagedFile || !TextFile::exists(target))
            continue;
        QByteArray original;
        const QString kept = target + QStringLiteral(".bak");
        if (!TextFile::readBytes(target, &original, error) || !TextFile::writeBytes(kept, original, error))
            return false;
        s.damagedFile.clear();
        if (keptOriginals)
            keptOriginals->append(kept);
    }

    // The five files replace the old ones in one step: a save stopped anywhere
    // leaves the whole old store or the whole new one.
    StoreCommit commit(name);
    for (const Target &t : targets)
        if (!commit.write(t.path, t.list->toBytes(), error))
            return false;
    if (!commit.commit(error))
        return false;

    if (!own) {
        m_lock = std::move(lock);
        m_readOnly = false;
    }
    FileName = name;
    Synchro();
    m_modified = false;
    state(Kind::Member).edited = false;
    state(Kind::Partner).edited = false;
    state(Kind::Activity).edited = false;
    return true;
}

// ---- Maintenance --------------------------------------------------------------

bool RecordStore::normaliseTags(RecordList &l)
{
    bool changed = false;
    for (int i = 0; i < l.size(); ++i) {
        if (!l.isOpenTagAnyCase(i) && !l.isCloseTagAnyCase(i))
            continue;
        if (l.isOpenTag(i) || l.isCloseTag(i))
            continue;
        bool closing = false;
        const int n = BlockIndex::wholeTagNumber(l.view(i), &closing);
        if (n >= 0) {
            l.replace(i, closing ? closeTag(n) : openTag(n));
            changed = true;
        }
    }
    return changed;
}

bool RecordStore::isSound(const RecordList &l)
{
    int open = -1;
    for (int i = 0; i < l.size(); ++i) {
        const bool opening = l.isOpenTag(i);
        if (!opening && !l.isCloseTag(i))
            continue;
        bool closing = false;
        const int n = BlockIndex::wholeTagNumber(l.view(i), &closing);
        if (n < 0)
            return false;
        if (opening) {
            if (open >= 0)
                return false;
            open = n;
        } else {
            if (open != n)
                return false;
            open = -1;
        }
    }
    return open < 0;
}

void RecordStore::noteRepair(Kind k)
{
    m_modified = true;
    state(k).damagedFile = filePath(k);
}

void RecordStore::Verif(Kind k)
{
    KindState &s = state(k);
    if (normaliseTags(s.lines)) {
        noteRepair(k);
        s.count = countTags(k);
    }
    if (isSound(s.lines))
        return;
    if (k == Kind::Member) {
        if (!Dialogs::current().yesNo(QStringLiteral("Le fichier a été altéré. Restaurer ?")))
            return;
    } else {
        // Receipts are told too: a restore may drop lines.
        Dialogs::current().message(QStringLiteral("Des fichiers ont été altérés\r\n"
                                                  "Vérifiez s'il n'y a pas eu perte de données"));
    }
    // Every block is kept, the first copy of each number, in number order and
    // numbered again from 0000, each closed by its own tag; what stands
    // outside the blocks goes. A block that lost its closing tag ends where
    // the next one opens.
    struct Found
    {
        int number;
        BlockRef block;
    };
    std::vector<Found> found;
    std::vector<bool> seen;
    blocks(k).forEach([&](const BlockRef &b) {
        const int n = b.number();
        if (n >= 0) {
            if (size_t(n) >= seen.size())
                seen.resize(size_t(n) + 1, false);
            if (seen[size_t(n)])
                return;
            seen[size_t(n)] = true;
        }
        found.push_back({n < 0 ? kMaxRecords + 1 : n, b});
    });
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.number < b.number; });
    RecordList restored;
    for (size_t j = 0; j < found.size() && j < size_t(kMaxRecords); ++j) {
        restored.append(openTag(int(j)));
        for (int p = 1; p <= found[j].block.span(); ++p)
            restored.appendRaw(found[j].block.view(p));
        restored.append(closeTag(int(j)));
    }
    s.lines = restored;
    s.count = countTags(k);
    noteRepair(k);
}

void RecordStore::Doublons(Kind k)
{
    KindState &s = state(k);
    if (s.count < 1)
        return;
    std::vector<int> seen(size_t(s.count), 0);
    for (const int n : s.lines.openTagNumbers()) {
        if (n < 0)
            return;
        if (n < s.count)
            ++seen[size_t(n)];
    }
    for (int n = 0; n < s.count; ++n) {
        if (seen[size_t(n)] >= 2) {
            SupBloc(k, n);
            noteRepair(k);
        }
    }
}

bool RecordStore::closeGaps(RecordList &l)
{
    struct Tagged
    {
        int number;
        int open;
        int close; // -1 when the block has no closing tag
    };
    std::vector<Tagged> tagged;
    const BlockIndex index(l);
    bool gap = false;
    index.forEach([&](const BlockRef &b) {
        tagged.push_back({b.number(), b.open(), b.closed() ? b.end() - 1 : -1});
    });
    std::vector<size_t> order(tagged.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return tagged[a].number < tagged[b].number; });
    for (size_t j = 0; j < order.size(); ++j) {
        if (tagged[order[j]].number < 0)
            return false; // a tag that is not a number: nothing is renumbered
        gap = gap || tagged[order[j]].number != int(j);
    }
    if (!gap)
        return false;
    for (size_t j = 0; j < order.size(); ++j) {
        const Tagged &t = tagged[order[j]];
        l.replace(t.open, openTag(int(j)));
        if (t.close >= 0)
            l.replace(t.close, closeTag(int(j)));
    }
    return true;
}

void RecordStore::SupBloc(Kind k, int n)
{
    const int i = findBlock(k, n);
    if (i >= 0)
        removeLinesOfBlock(k, i);
}

void RecordStore::Squize(Kind k)
{
    RecordList &l = lines(k);
    int first = 0;
    while (first < l.size() && !l.isOpenTag(first))
        ++first;
    if (first > 0)
        l.replaceRange(0, first, QStringList());
}

void RecordStore::Renum(Kind k)
{
    KindState &s = state(k);
    if (s.count < 2)
        return;
    for (int i = 0; i < s.lines.size(); ++i) {
        const bool open = s.lines.isOpenTag(i);
        if (!open && !s.lines.isCloseTag(i))
            continue;
        const int n = BlockIndex::number(s.lines.view(i));
        if (n < 0 || n - 1 < s.current)
            continue;
        s.lines.replace(i, open ? openTag(n - 1) : closeTag(n - 1));
    }
    s.count -= 1;
}

// ---- Records ------------------------------------------------------------------

bool RecordStore::Ajout(Kind k)
{
    KindState &s = state(k);
    // A new record takes the first number without a block: showing "Nouvelle
    // fiche" twice, or a new record left empty, never leaves a gap behind.
    const int n = firstFree(k);
    if (n >= s.count) {
        if (n > kMaxRecords - 1) {
            Dialogs::current().message(QStringLiteral("Le fichier est plein"));
            return false;
        }
        s.lines.append(QStringLiteral(" "));
        s.count = n + 1;
    }
    s.current = n;
    return true;
}

void RecordStore::Supprime(Kind k)
{
    KindState &s = state(k);
    const int i = findBlock(k, s.current);
    if (i >= 0)
        removeLinesOfBlock(k, i);
    m_modified = true;
    Renum(k);
    s.current = std::max(0, std::min(s.current, s.count - 1));
}

int RecordStore::nextCode(Kind k) const
{
    CodeCache &cache = m_codeCache[size_t(k)];
    const RecordList &l = lines(k);
    if (cache.generation == l.generation())
        return cache.next;

    // An empty code or one that is not a whole number is passed over.
    const auto codeAfter = [&l](int tag) {
        int code = 0;
        return tag + 1 < l.size() && Formats::parseInt(l.view(tag + 1), &code) ? code : 0;
    };
    const std::vector<int> &tags = l.openTags();
    int first = 0, count = 0;
    if (l.rewrittenSince(cache.generation, &first, &count) && cache.codes.size() == tags.size()) {
        bool lostLargest = false;
        // The blocks whose code line lies among the rewritten lines.
        for (auto t = std::lower_bound(tags.begin(), tags.end(), first - 1);
             t != tags.end() && *t + 1 < first + count; ++t) {
            int &code = cache.codes[size_t(t - tags.begin())];
            const int now = codeAfter(*t);
            lostLargest = lostLargest || (code == cache.largest && now < code);
            code = now;
            cache.largest = std::max(cache.largest, now);
        }
        if (lostLargest)
            cache.largest = *std::max_element(cache.codes.begin(), cache.codes.end());
    } else {
        cache.codes.resize(tags.size());
        cache.largest = 0;
        for (size_t t = 0; t < tags.size(); ++t) {
            cache.codes[t] = codeAfter(tags[t]);
            cache.largest = std::max(cache.largest, cache.codes[t]);
        }
    }
    cache.generation = l.generation();
    cache.next = std::max(cache.largest, 10000) + 1;
    return cache.next;
}

int RecordStore::Numerof()
{
    const QDate today = Clock::today();
    int base = today.year() * 100000 + today.month() * 1000;
    const RecordList &l = lines(Kind::Receipt);
    for (int i = 0; i < l.size(); ++i) {
        const QByteArrayView v = l.view(i);
        if (!v.startsWith("NUMR"))
            continue;
        int n = 0;
        if (Formats::parseInt(midView(v, 4), &n) && n > base)
            base = n;
    }
    NextReceiptNumber = base + 1;
    return NextReceiptNumber;
}

// ---- Navigation ---------------------------------------------------------------

bool RecordStore::walk(Kind k, Move m, const BlockTest &test)
{
    KindState &s = state(k);
    const bool forward = m == Move::First || m == Move::Next;
    // The nearest qualifying number in the direction of the move; the walk
    // never wraps around.
    int best = -1;
    blocks(k).forEach([&](const BlockRef &b) {
        const int n = b.number();
        if (n < 0)
            return;
        if ((m == Move::Next && n <= s.current) || (m == Move::Previous && n >= s.current))
            return;
        const bool better = best < 0 || (forward ? n < best : n > best);
        if (better && test(b))
            best = n;
    });
    if (best < 0)
        return false;
    s.current = best;
    return true;
}

RecordStore::BlockTest RecordStore::cpTest(Kind k) const
{
    const QByteArray filter = Cp1252::encode(k == Kind::Member ? MemberCpFilter : PartnerCpFilter);
    const int cp = k == Kind::Member ? int(MemberField::Cp) : int(PartnerField::Cp);
    return [filter, cp](const BlockRef &b) { return b.has(cp) && b.view(cp) == filter; };
}

RecordStore::BlockTest RecordStore::townTest(Kind k) const
{
    const QString filter = k == Kind::Member ? MemberTownFilter : PartnerTownFilter;
    const int town = k == Kind::Member ? int(MemberField::Ville) : int(PartnerField::Ville);
    return [filter, town](const BlockRef &b) { return b.has(town) && Formats::upperAZ(b.text(town)) == filter; };
}

RecordStore::BlockTest RecordStore::renewalTest() const
{
    const QDate today = Clock::today();
    const int days = RenewalDays;
    // A renewal date that is not a date (an erased field among them) is not due.
    return [today, days](const BlockRef &b) {
        QDate due;
        if (!Formats::parseDate(b.text(MemberField::Echeance), &due))
            return false;
        return today.daysTo(due) < days;
    };
}

bool RecordStore::move(Kind k, Move m)
{
    KindState &s = state(k);
    int selection = 1;
    if (k == Kind::Member)
        selection = MemberSelection;
    else if (k == Kind::Partner)
        selection = PartnerSelection;
    if (selection == 2)
        walk(k, m, cpTest(k));
    else if (selection == 3)
        walk(k, m, townTest(k));
    else if (selection == 4 && k == Kind::Member)
        walk(k, m, renewalTest());
    else {
        switch (m) {
        case Move::First:
            s.current = 0;
            break;
        case Move::Previous:
            s.current = std::max(0, s.current - 1);
            break;
        case Move::Next:
            if (k == Kind::Receipt && s.count <= 1)
                return false;
            s.current = std::max(0, std::min(s.current + 1, s.count - 1));
            break;
        case Move::Last:
            if (k == Kind::Receipt && s.count <= 1)
                return false;
            s.current = std::max(0, s.count - 1);
            break;
        }
    }
    return true;
}

namespace {

// Asks for a selection's value; a cancelled box brings the selection back to
// all records, and the value stays as it was.
void askFilter(int *selection, const QString &caption, const QString &prompt, QString *value)
{
    QString text = *value;
    if (Dialogs::current().input(caption, prompt, &text))
        *value = text;
    else
        *selection = 1;
}

} // namespace

void RecordStore::SetSel(int mode)
{
    MemberSelection = mode;
    if (mode == 2) {
        askFilter(&MemberSelection, QStringLiteral("Filtre Code postal"), QStringLiteral("Code postal"),
                  &MemberCpFilter);
    } else if (mode == 3) {
        askFilter(&MemberSelection, QStringLiteral("Filtre Ville"), QStringLiteral("Ville"), &MemberTownFilter);
        MemberTownFilter = Formats::upperAZ(MemberTownFilter);
    } else if (mode == 4) {
        askFilter(&MemberSelection, QStringLiteral("Renouvellement de cotisation"),
                  QStringLiteral("Nombre de jours"), &RenewalDaysText);
        RenewalDays = Formats::toIntOr(RenewalDaysText, RenewalDays);
    }
}

void RecordStore::SetPart(int mode)
{
    PartnerSelection = mode;
    if (mode == 2) {
        askFilter(&PartnerSelection, QStringLiteral("Filtre Code postal"), QStringLiteral("Code postal"),
                  &PartnerCpFilter);
    } else if (mode == 3) {
        askFilter(&PartnerSelection, QStringLiteral("Filtre Ville"), QStringLiteral("Ville"), &PartnerTownFilter);
        PartnerTownFilter = Formats::upperAZ(PartnerTownFilter);
    }
}

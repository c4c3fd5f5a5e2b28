#include "store/recordstore.h"

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "core/textfile.h"
#include "store/storecommit.h"

#include <QFile>

namespace {

bool equalsIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = char(x - 32);
        if (y >= 'a' && y <= 'z')
            y = char(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

QByteArray ascii(const QString &s)
{
    return s.toLatin1();
}

} // namespace

QString kindExtension(Kind k)
{
    switch (k) {
    case Kind::Partner: return QStringLiteral("par");
    case Kind::Activity: return QStringLiteral("atv");
    case Kind::Receipt: return QStringLiteral("rcu");
    case Kind::Member: break;
    }
    return QStringLiteral("adh");
}

RecordStore::RecordStore() = default;

// ---- Blocks -------------------------------------------------------------------

int RecordStore::fixedLineCount(Kind k)
{
    switch (k) {
    case Kind::Member: return 17;
    case Kind::Partner: return 12;
    case Kind::Activity: return 14;
    case Kind::Receipt: return 8;
    }
    return 0;
}

QString RecordStore::openTag(int n)
{
    return QStringLiteral("<BLOC") + Formats::blockNumber(n) + QLatin1Char('>');
}

QString RecordStore::closeTag(int n)
{
    return QStringLiteral("</BLOC") + Formats::blockNumber(n) + QLatin1Char('>');
}

bool RecordStore::tagNumber(QByteArrayView line, int *n)
{
    const qsizetype start = isCloseTag(line) ? 6 : 5;
    return Formats::parseInt(midView(line, start, 4), n);
}

int RecordStore::countTags(Kind k) const
{
    return int(lines(k).openTags().size());
}

int RecordStore::findBlock(Kind k, int n) const
{
    const RecordList &l = lines(k);
    const QByteArray tag = ascii(openTag(n));
    for (int i = 0; i < l.size(); ++i) {
        // The tag is whole, so only a line the index marks can equal it.
        if (l.isOpenTagAnyCase(i) && l.length(i) == tag.size() && equalsIgnoringCase(l.view(i), tag))
            return i;
    }
    return -1;
}

int RecordStore::blockEnd(Kind k, int i) const
{
    const RecordList &l = lines(k);
    int n = -1;
    tagNumber(l.view(i), &n);
    const QByteArray close = ascii(closeTag(n));
    for (int j = i + 1; j < l.size(); ++j)
        if (l.isCloseTagAnyCase(j) && equalsIgnoringCase(l.view(j), close))
            return j + 1;
    return l.size();
}

std::optional<BlockData> RecordStore::readBlock(Kind k, int n) const
{
    const int i = findBlock(k, n);
    if (i < 0)
        return std::nullopt;
    const RecordList &l = lines(k);
    const int fixedCount = fixedLineCount(k);
    BlockData data;
    // A block cut short ends at its closing tag: the lines of the next block
    // are never taken for this record's fields.
    int p = 1;
    bool closed = false;
    for (; p <= fixedCount; ++p) {
        if (i + p >= l.size())
            break;
        if (l.isCloseTag(i + p) || l.isOpenTag(i + p)) {
            closed = true;
            break;
        }
        data.fixed.append(l.at(i + p));
    }
    while (data.fixed.size() < fixedCount)
        data.fixed.append(QString());
    if (closed)
        return data;
    // Remarks and rows up to the closing tag; nothing of a record is left
    // unread, so writing it back never drops lines.
    const bool receipt = k == Kind::Receipt;
    for (int j = i + fixedCount + 1; j < l.size(); ++j) {
        if (l.isCloseTag(j) || l.isOpenTag(j))
            break;
        const QByteArrayView v = l.view(j);
        if (!receipt && v.startsWith("MEMO")) {
            data.memo.append(Cp1252::decode(midView(v, 4)));
        } else if (!receipt && v.startsWith("DATA")) {
            if (data.rows.size() >= kGridRows)
                continue;
            const QString text = Cp1252::decode(midView(v, 4));
            const int t1 = text.indexOf(QLatin1Char('\t'));
            QStringList row;
            if (t1 < 0) {
                row << text << QString() << QString();
            } else {
                const int t2 = text.indexOf(QLatin1Char('\t'), t1 + 1);
                if (t2 < 0)
                    row << text.left(t1) << text.mid(t1 + 1) << QString();
                else
                    row << text.left(t1) << text.mid(t1 + 1, t2 - t1 - 1) << text.mid(t2 + 1);
            }
            data.rows.append(row);
        } else if (receipt && v.startsWith("FACT")) {
            if (data.rows.size() >= kGridRows)
                continue;
            const QString text = Cp1252::decode(midView(v, 4));
            const int t1 = text.indexOf(QLatin1Char('\t'));
            QStringList row;
            if (t1 < 0) {
                row << text << QString();
            } else {
                const int t2 = text.indexOf(QLatin1Char('\t'), t1 + 1);
                row << text.left(t1) << (t2 < 0 ? text.mid(t1 + 1) : text.mid(t1 + 1, t2 - t1 - 1));
            }
            data.rows.append(row);
        }
    }
    return data;
}

QStringList RecordStore::blockLines(Kind k, int n, const BlockData &data)
{
    QStringList out;
    out.append(openTag(n));
    const int fixedCount = fixedLineCount(k);
    for (int p = 0; p < fixedCount; ++p)
        out.append(p < data.fixed.size() ? data.fixed[p] : QString());
    if (k == Kind::Receipt) {
        // Every row that holds something is kept, however short ("Don", 5):
        // blank rows are skipped and the rows after them still written.
        for (const QStringList &row : data.rows) {
            if (row.value(0).trimmed().isEmpty() && row.value(1).trimmed().isEmpty())
                continue;
            out.append(QStringLiteral("FACT") + row.value(0) + QLatin1Char('\t') + row.value(1));
        }
    } else {
        for (const QString &m : data.memo)
            out.append(QStringLiteral("MEMO") + m);
        for (const QStringList &row : data.rows) {
            const QString joined = row.value(0) + QLatin1Char('\t') + row.value(1) + QLatin1Char('\t') + row.value(2);
            if (joined.size() < 10)
                break;
            out.append(QStringLiteral("DATA") + joined);
        }
    }
    out.append(closeTag(n));
    return out;
}

void RecordStore::writeBlock(Kind k, int n, const BlockData &data)
{
    KindState &s = state(k);
    const QStringList fresh = blockLines(k, n, data);
    const int i = findBlock(k, n);
    if (i >= 0 && k != Kind::Receipt) {
        const int end = blockEnd(k, i);
        s.lines.replaceRange(i, end - i, fresh);
    } else {
        if (i >= 0)
            s.lines.replaceRange(i, blockEnd(k, i) - i, QStringList());
        s.lines.replaceRange(s.lines.size(), 0, fresh);
    }
    if (s.count == 0)
        s.count = 1;
    StoreModified = true;
}

void RecordStore::removeLinesOfBlock(Kind k, int index)
{
    lines(k).replaceRange(index, blockEnd(k, index) - index, QStringList());
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
    StoreModified = false;
}

bool RecordStore::Charge(const QString &name)
{
    // A save that was stopped is completed or undone before anything is read.
    QString interrupted;
    if (!StoreCommit::recover(name, &interrupted)) {
        Dialogs::current().error(interrupted);
        return false;
    }
    // Every file is read before anything changes, so an unreadable file leaves
    // the open store as it was instead of half-replacing it.
    const bool exists = TextFile::exists(name);
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
        if (!TextFile::exists(s.path))
            continue;
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
    FileName = member;
    Synchro();
    if (src[0].present)
        MemberLines().setBytes(src[0].bytes);
    if (src[4].present)
        JournalLines.setBytes(src[4].bytes);
    StoreModified = false;

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
        s.edited = false;
    }
    state(Kind::Member).current = 0;
    return true;
}

bool RecordStore::Sauve(const QString &name, QString *error)
{
    if (!StoreModified)
        return true;
    if (name.isEmpty()) {
        if (error)
            *error = QStringLiteral("Aucun nom de fichier pour enregistrer.");
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
        if (!TextFile::readBytes(target, &original, error)
            || !TextFile::writeBytes(target + QStringLiteral(".bak"), original, error))
            return false;
        s.damagedFile.clear();
    }

    // The five files replace the old ones in one step: a save stopped anywhere
    // leaves the whole old store or the whole new one.
    StoreCommit commit(name);
    for (const Target &t : targets)
        if (!commit.write(t.path, t.list->toBytes(), error))
            return false;
    if (!commit.commit(error))
        return false;

    FileName = name;
    Synchro();
    StoreModified = false;
    state(Kind::Member).edited = false;
    state(Kind::Partner).edited = false;
    state(Kind::Activity).edited = false;
    return true;
}

// ---- Maintenance --------------------------------------------------------------

void RecordStore::Verif(Kind k)
{
    KindState &s = state(k);
    int balance = 0;
    for (int i = 0; i < s.lines.size(); ++i) {
        if (s.lines.isOpenTag(i))
            ++balance;
        else if (s.lines.isCloseTag(i))
            --balance;
    }
    if (balance == 0)
        return;
    if (k == Kind::Member) {
        if (!Dialogs::current().yesNo(QStringLiteral("Le fichier a été altéré. Restaurer ?")))
            return;
    } else {
        // Receipts are told too: a restore may drop records.
        Dialogs::current().message(QStringLiteral("Des fichiers ont été altérés\r\n"
                                                  "Vérifiez s'il n'y a pas eu perte de données"));
    }
    RecordList restored;
    for (int n = 0; n < s.count; ++n) {
        const int i = findBlock(k, n);
        if (i < 0)
            break;
        const int end = blockEnd(k, i);
        for (int j = i; j < end; ++j)
            restored.appendRaw(s.lines.view(j));
    }
    s.lines = restored;
    StoreModified = true;
    s.count = countTags(k);
    s.damagedFile = filePath(k);
}

void RecordStore::Doublons(Kind k)
{
    KindState &s = state(k);
    if (s.count < 1)
        return;
    std::vector<int> seen(size_t(s.count), 0);
    for (int i = 0; i < s.lines.size(); ++i) {
        if (!s.lines.isOpenTag(i))
            continue;
        int n = 0;
        if (!tagNumber(s.lines.view(i), &n))
            return;
        if (n >= 0 && n < s.count)
            ++seen[size_t(n)];
    }
    for (int n = 0; n < s.count; ++n) {
        if (seen[size_t(n)] >= 2) {
            SupBloc(k, n);
            s.damagedFile = filePath(k);
        }
    }
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
        int n = 0;
        if (!tagNumber(s.lines.view(i), &n) || n - 1 < s.current)
            continue;
        s.lines.replace(i, open ? openTag(n - 1) : closeTag(n - 1));
    }
    s.count -= 1;
}

// ---- Records ------------------------------------------------------------------

bool RecordStore::Ajout(Kind k)
{
    KindState &s = state(k);
    if (s.count > kMaxRecords - 1) {
        Dialogs::current().message(QStringLiteral("Le fichier est plein"));
        return false;
    }
    s.lines.append(QStringLiteral(" "));
    s.count += 1;
    s.current = s.count - 1;
    return true;
}

void RecordStore::Supprime(Kind k)
{
    KindState &s = state(k);
    const int i = findBlock(k, s.current);
    if (i >= 0)
        removeLinesOfBlock(k, i);
    StoreModified = true;
    Renum(k);
    s.current = std::max(0, std::min(s.current, s.count - 1));
}

int RecordStore::nextCode(Kind k) const
{
    CodeCache &cache = m_codeCache[size_t(k)];
    if (cache.generation == lines(k).generation())
        return cache.next;

    const RecordList &l = lines(k);
    int largest = 10000;
    for (const int i : l.openTags()) {
        if (i + 1 >= l.size())
            continue;
        // An empty code or one that is not a whole number is passed over.
        int code = 0;
        if (Formats::parseInt(l.view(i + 1), &code) && code > largest)
            largest = code;
    }
    cache.generation = lines(k).generation();
    cache.next = largest + 1;
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
    const RecordList &l = s.lines;
    const QByteArray current = ascii(Formats::blockNumber(s.current));
    const bool forward = m == Move::First || m == Move::Next;
    QByteArray best = forward ? QByteArray("9999") : QByteArray(" 000");
    const QByteArray start = best;
    for (const int i : l.openTags()) {
        const QByteArray n = midView(l.view(i), 5, 4).toByteArray();
        bool candidate = true;
        if (m == Move::Next)
            candidate = n > current;
        else if (m == Move::Previous)
            candidate = n < current;
        const bool better = forward ? n < best : n > best;
        if (candidate && better && test(l, i))
            best = n;
    }
    if (best == start)
        return false;
    int n = 0;
    if (!Formats::parseInt(QString::fromLatin1(best), &n))
        return false;
    s.current = n;
    return true;
}

RecordStore::BlockTest RecordStore::cpTest(Kind k) const
{
    const QByteArray filter = Cp1252::encode(k == Kind::Member ? MemberCpFilter : PartnerCpFilter);
    return [filter](const RecordList &l, int i) { return i + 7 < l.size() && l.view(i + 7) == filter; };
}

RecordStore::BlockTest RecordStore::townTest(Kind k) const
{
    const QString filter = k == Kind::Member ? MemberTownFilter : PartnerTownFilter;
    return [filter](const RecordList &l, int i) {
        return i + 8 < l.size() && Formats::upperAZ(l.at(i + 8)) == filter;
    };
}

RecordStore::BlockTest RecordStore::renewalTest() const
{
    const QDate today = Clock::today();
    const int days = RenewalDays;
    // A renewal date that is not a date (an erased field among them) is not due.
    return [today, days](const RecordList &l, int i) {
        QDate due;
        if (i + 16 >= l.size() || !Formats::parseDate(l.at(i + 16), &due))
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

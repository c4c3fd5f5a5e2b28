#include "stats/statistics.h"

#include "core/cp1252.h"
#include "core/money.h"
#include "stats/departements.h"
#include "store/blockindex.h"

#include <algorithm>

namespace {

// The message names this many amounts, then says how many more there are.
constexpr int kNamedSkipped = 20;

bool isBlank(char16_t c)
{
    return c == ' ' || c == '\t';
}

// The code of a postal code or a category line: its leading blanks trimmed,
// its first two characters, trimmed.
QString codeOf(QByteArrayView field)
{
    qsizetype b = 0;
    while (b < field.size() && isBlank(char16_t(field[b])))
        ++b;
    return Cp1252::decode(midView(field, b, 2)).trimmed();
}

// Decoded into one string, without the copies of joining.
void appendDecoded(QString &out, QByteArrayView bytes)
{
    for (const char c : bytes)
        out.append(Cp1252::toUnicode(uchar(c)));
}

// Fixed lines of the kind's name: Nom + " " + Prénom for members.
QString recordName(const BlockRef &block, Kind kind)
{
    switch (kind) {
    case Kind::Member: {
        const QByteArrayView nom = block.view(MemberField::Nom);
        const QByteArrayView prenom = block.view(MemberField::Prenom);
        QString name;
        name.reserve(nom.size() + 1 + prenom.size());
        appendDecoded(name, nom);
        name.append(QLatin1Char(' '));
        appendDecoded(name, prenom);
        return name;
    }
    case Kind::Partner:
        return Cp1252::decode(block.view(PartnerField::Societe));
    case Kind::Activity:
        return Cp1252::decode(block.view(ActivityField::Intitule));
    case Kind::Receipt:
        break;
    }
    return QString();
}

StatKind turnoverKind(Kind kind)
{
    switch (kind) {
    case Kind::Partner:
        return StatKind::TurnoverPartners;
    case Kind::Activity:
        return StatKind::TurnoverActivities;
    default:
        return StatKind::TurnoverMembers;
    }
}

// The amount of a row: the text after the second TAB, or none.
QByteArrayView rowAmount(QByteArrayView row)
{
    const qsizetype first = row.indexOf('\t');
    if (first < 0)
        return QByteArrayView();
    const qsizetype second = midView(row, first + 1).indexOf('\t');
    if (second < 0)
        return QByteArrayView();
    return midView(row, first + 1 + second + 1);
}

bool blankOnly(QByteArrayView v)
{
    for (char c : v)
        if (!isBlank(char16_t(c)))
            return false;
    return true;
}

} // namespace

void StatList::cumul(const QString &code, QString (*nameOf)(const QString &))
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return;
    const auto it = m_byCode.constFind(c);
    if (it != m_byCode.constEnd()) {
        ++m_lines[*it].value;
        return;
    }
    m_byCode.insert(c, int(m_lines.size()));
    m_lines.append(StatLine{c, nameOf(c), 1});
}

void StatList::CumulDpt(const QString &code)
{
    cumul(code, Departements::name);
}

void StatList::CumulCat(const QString &code)
{
    cumul(code, Layouts::categoryName);
}

QString StatList::valueText(const StatLine &line) const
{
    return isTurnover() ? Money::format(line.value) : QString::number(line.value);
}

namespace Statistics {

StatList departements(const RecordList &memberLines)
{
    StatList list(StatKind::Departements);
    BlockIndex(memberLines).forEach([&](const BlockRef &block) {
        list.CumulDpt(codeOf(block.view(MemberField::Cp)));
    });
    return list;
}

StatList categories(const RecordList &memberLines)
{
    StatList list(StatKind::Categories);
    BlockIndex(memberLines).forEach([&](const BlockRef &block) {
        list.CumulCat(codeOf(block.view(MemberField::Categorie)));
    });
    return list;
}

StatList turnover(const RecordList &lines, Kind kind)
{
    StatList list(turnoverKind(kind));
    const RecordLayout &layout = Layouts::of(kind);
    const BlockIndex blocks(lines);
    list.reserve(blocks.count());
    blocks.forEach([&](const BlockRef &block) {
        StatLine line{Cp1252::decode(block.view(1)).trimmed(), recordName(block, kind), 0};
        // Rows stand after the fixed lines; a fixed field that happens to
        // start with the marker is not a row.
        for (int k = layout.fixedCount + 1; k <= block.span(); ++k) {
            const QByteArrayView v = block.view(k);
            if (!v.startsWith(layout.rowMarker))
                continue;
            const QByteArrayView amount = rowAmount(midView(v, layout.rowMarker.size()));
            if (blankOnly(amount))
                continue;
            Money::Cents cents = 0;
            qint64 sum = 0;
            if (Money::parse(amount, &cents, Money::LeadingZeros::Ignored)
                && !__builtin_add_overflow(line.value, cents, &sum))
                line.value = sum;
            else
                list.skipped.append(SkippedAmount{line.key, line.name, Cp1252::decode(amount).trimmed()});
        }
        list.append(line);
    });
    return list;
}

qint64 roundHalfEven(qint64 cents)
{
    qint64 q = cents / 100;
    const qint64 r = cents % 100;
    if (r > 50 || (r == 50 && (q & 1)))
        ++q;
    else if (r < -50 || (r == -50 && (q & 1)))
        --q;
    return q;
}

QString skippedMessage(const StatList &list)
{
    if (list.skipped.isEmpty())
        return QString();
    QString text = QStringLiteral("Ces montants ne sont pas des nombres ; ils n'ont pas été comptés :");
    const int named = int(std::min<qsizetype>(list.skipped.size(), kNamedSkipped));
    for (int i = 0; i < named; ++i) {
        const SkippedAmount &s = list.skipped[i];
        text += QStringLiteral("\n%1 %2 : « %3 »").arg(s.key, s.name.trimmed(), s.text);
    }
    const qsizetype more = list.skipped.size() - named;
    if (more == 1)
        text += QStringLiteral("\net 1 autre.");
    else if (more > 1)
        text += QStringLiteral("\net %1 autres.").arg(more);
    return text;
}

} // namespace Statistics

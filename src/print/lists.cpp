#include "print/lists.h"

#include <algorithm>
#include <functional>
#include <vector>

// ---- Record range --------------------------------------------------------------------

RecordRange RecordRange::of(int from, int to, int count)
{
    if (from == 0 && to == 0)
        return {0, count - 1};
    return {std::max(from - 1, 0), std::min(to - 1, count - 1)};
}

QList<BlockRef> RecordRange::blocks(const RecordList &lines) const
{
    return BlockIndex(lines).range(first, last);
}

// ---- Lists -----------------------------------------------------------------------------

namespace {

constexpr int kTop = 10;
constexpr int kStep = 5;
constexpr int kBottomMargin = 20;

struct ListLayout
{
    QList<int> columns;
    QStringList titles;
    std::function<QStringList(const BlockRef &)> row;
};

const ListLayout &memberList()
{
    using namespace MemberField;
    static const ListLayout layout{
        {5, 55, 105, 155, 175, 225, 255},
        {QStringLiteral("Nom"), QStringLiteral("Adresse"), QStringLiteral("Adresse"), QStringLiteral("C.P."),
         QStringLiteral("Ville"), QStringLiteral("Téléphone"), QStringLiteral("Fax")},
        [](const BlockRef &b) {
            return QStringList{b.text(Nom).trimmed() + QLatin1Char(' ') + b.text(Prenom), b.text(Adresse1),
                               b.text(Adresse2), b.text(Cp), b.text(Ville), b.text(Telephone), b.text(Fax)};
        }};
    return layout;
}

const ListLayout &partnerList()
{
    using namespace PartnerField;
    static const ListLayout layout{
        {5, 55, 105, 155, 205, 255, 270},
        {QStringLiteral("Société"), QStringLiteral("Nom"), QStringLiteral("Prénom"), QStringLiteral("Adresse"),
         QStringLiteral("Adresse"), QStringLiteral("C.P."), QStringLiteral("Ville")},
        [](const BlockRef &b) {
            return QStringList{b.text(Societe), b.text(Nom),  b.text(Prenom), b.text(Adresse1),
                               b.text(Adresse2), b.text(Cp), b.text(Ville)};
        }};
    return layout;
}

void header(MmCanvas &m, const ListLayout &layout)
{
    for (int i = 0; i < layout.columns.size(); ++i)
        m.text(layout.columns[i], 0, layout.titles[i]);
    m.line(5, 5, 300, 5);
}

bool drawList(Canvas &canvas, const ListLayout &layout, const QList<BlockRef> &blocks)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    MmCanvas m(canvas, *place);
    m.font(10);
    // Each value ends 1 mm before the next column, the last one at the paper's edge.
    QList<int> rights;
    for (int i = 0; i < layout.columns.size(); ++i)
        rights.append(i + 1 < layout.columns.size()
                          ? std::min(m.Mh(layout.columns[i + 1] - 1), canvas.widthPx())
                          : canvas.widthPx());
    const int bottom = canvas.heightPx() - m.Mv(kBottomMargin);

    int y = kTop;
    header(m, layout);
    for (int r = 0; r < blocks.size(); ++r) {
        const QStringList row = layout.row(blocks[r]);
        for (int i = 0; i < layout.columns.size(); ++i)
            m.textBefore(layout.columns[i], y, row[i], rights[i]);
        y += kStep;
        // A page is started only for a record that follows: no page holds a header alone.
        if (m.Mv(y) > bottom && r + 1 < blocks.size()) {
            if (!m.newPage())
                return false;
            y = kTop;
            header(m, layout);
        }
    }
    return true;
}

} // namespace

void ListPrint::Entete1(MmCanvas &m)
{
    header(m, memberList());
}

void ListPrint::Entete2(MmCanvas &m)
{
    header(m, partnerList());
}

bool ListPrint::Imprime(Canvas &canvas, const QList<BlockRef> &members)
{
    return drawList(canvas, memberList(), members);
}

bool ListPrint::Imprime2(Canvas &canvas, const QList<BlockRef> &partners)
{
    return drawList(canvas, partnerList(), partners);
}

// ---- Envelopes -----------------------------------------------------------------------

QStringList Envelopes::memberRecipient(const BlockData &member)
{
    using namespace MemberField;
    const QChar blank(QLatin1Char(' '));
    return {member.field(Titre) + blank + member.field(Nom) + blank + member.field(Prenom), member.field(Adresse1),
            member.field(Adresse2), member.field(Cp) + blank + member.field(Ville)};
}

QStringList Envelopes::partnerRecipient(const BlockData &partner)
{
    using namespace PartnerField;
    return {partner.field(Societe), partner.field(Adresse1), partner.field(Adresse2),
            partner.field(Cp) + QLatin1Char(' ') + partner.field(Ville)};
}

void Envelopes::envelope(MmCanvas &m, const QStringList &header, const QStringList &recipient, int guide)
{
    for (int i = 0; i < 4; ++i)
        m.text(5, guide + 5 + 5 * i, header.value(i));
    for (int i = 0; i < 4; ++i)
        m.text(110, guide + 50 + 5 * i, recipient.value(i));
}

bool Envelopes::ImpEnv(Canvas &canvas, const QStringList &header, const QStringList &recipient, int guide)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    MmCanvas m(canvas, *place);
    m.font(10);
    envelope(m, header, recipient, guide);
    return true;
}

bool Envelopes::Enveloppes(Canvas &canvas, const QStringList &header, const QList<BlockRef> &members, int guide)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    MmCanvas m(canvas, *place);
    m.font(10);
    for (int i = 0; i < members.size(); ++i) {
        if (i > 0 && !m.newPage())
            return false;
        envelope(m, header, memberRecipient(RecordStore::readBlock(members[i], Kind::Member)), guide);
    }
    return true;
}

#include "store/records.h"

#include "core/formats.h"

namespace {

// Fixed lines of the kind, all empty, and the code in line 1.
BlockData blank(Kind kind, int nextCode)
{
    BlockData data;
    data.fixed = QStringList(Layouts::of(kind).fixedCount);
    data.setField(1, QString::number(nextCode));
    return data;
}

// The stored record over a blank one; an empty code keeps the next free one.
BlockData overlay(const BlockData &blankRecord, const BlockData &stored)
{
    BlockData data = stored;
    data.fixed = blankRecord.fixed;
    for (int p = 1; p <= blankRecord.fixed.size(); ++p)
        data.setField(p, stored.field(p));
    if (data.field(1).isEmpty())
        data.setField(1, blankRecord.field(1));
    return data;
}

} // namespace

namespace Members {

BlockData shown(const std::optional<BlockData> &stored, int nextNumber)
{
    BlockData data = blank(Kind::Member, nextNumber);
    data.setField(MemberField::Naissance, QLatin1String(kNewDate));
    data.setField(MemberField::Echeance, QLatin1String(kNewDate));
    data.setField(MemberField::Categorie, QStringLiteral("0"));
    if (!stored)
        return data;
    const BlockData fresh = data;
    data = overlay(fresh, *stored);
    if (stored->field(MemberField::Naissance).isEmpty())
        data.setField(MemberField::Naissance, fresh.field(MemberField::Naissance));
    if (stored->field(MemberField::Echeance).size() <= 7)
        data.setField(MemberField::Echeance, fresh.field(MemberField::Echeance));
    if (Layouts::categoryName(stored->field(MemberField::Categorie)).isEmpty())
        data.setField(MemberField::Categorie, fresh.field(MemberField::Categorie));
    return data;
}

int category(const BlockData &shown)
{
    const QString code = shown.field(MemberField::Categorie);
    return Layouts::categoryName(code).isEmpty() ? 0 : code[0].unicode() - '0';
}

} // namespace Members

namespace Partners {

BlockData shown(const std::optional<BlockData> &stored, int nextCode)
{
    const BlockData fresh = blank(Kind::Partner, nextCode);
    return stored ? overlay(fresh, *stored) : fresh;
}

} // namespace Partners

namespace Activities {

BlockData shown(const std::optional<BlockData> &stored, int nextCode, const QDateTime &now)
{
    using namespace ActivityField;
    BlockData data = blank(Kind::Activity, nextCode);
    for (int p : {Debut, Fin})
        data.setField(p, Formats::date(now.date()));
    for (int p : {DebutHeure, FinHeure})
        data.setField(p, Formats::time(now.time()));
    if (!stored)
        return data;
    const BlockData fresh = data;
    data = overlay(fresh, *stored);
    QDate date;
    QTime time;
    for (int p : {Debut, Fin}) {
        const QString line = stored->field(p);
        if (line.size() != 10 || !Formats::parseDate(line, &date))
            data.setField(p, fresh.field(p));
    }
    for (int p : {DebutHeure, FinHeure}) {
        const QString line = stored->field(p);
        if (line.size() != 8 || !Formats::parseTime(line, &time))
            data.setField(p, fresh.field(p));
    }
    return data;
}

} // namespace Activities

#include "find/search.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "store/blockindex.h"
#include "store/layouts.h"

namespace {

char upperByte(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

bool beginsWith(QByteArrayView line, const QByteArray &wanted)
{
    if (line.size() < wanted.size())
        return false;
    for (qsizetype j = 0; j < wanted.size(); ++j)
        if (upperByte(line[j]) != wanted[j])
            return false;
    return true;
}

} // namespace

int Search::scan(const RecordList &lines, int k, bool upperCase, const QString &text)
{
    bool encodable = true;
    const QByteArray wanted = Cp1252::encode(upperCase ? Formats::upperAZ(text) : text, &encodable);
    // Every stored line is Windows-1252: a text it cannot hold matches nothing.
    if (!encodable)
        return -1;
    return BlockIndex(lines)
        .findIf([&](const BlockRef &b) { return b.number() >= 0 && b.has(k) && beginsWith(b.view(k), wanted); })
        .number();
}

int Search::ask(const RecordList &lines, const QString &caption, const QString &prompt, int k,
                bool upperCase)
{
    QString text;
    if (!Dialogs::current().input(caption, prompt, &text) || text.isEmpty())
        return -1;
    const int n = scan(lines, k, upperCase, text);
    if (n < 0) {
        const QString shown = upperCase ? Formats::upperAZ(text) : text;
        Dialogs::current().message(QStringLiteral("Fiche ") + shown + QStringLiteral(" non trouvée"));
    }
    return n;
}

int Search::RechNom(const RecordStore &store)
{
    return ask(store.lines(Kind::Member), QStringLiteral("Rechercher nom"), QStringLiteral("Nom"), MemberField::Nom, true);
}

int Search::RechTel(const RecordStore &store)
{
    return ask(store.lines(Kind::Member), QStringLiteral("Rechercher téléphone"), QStringLiteral("Téléphone"),
               MemberField::Telephone, false);
}

int Search::RechNum(const RecordStore &store)
{
    return ask(store.lines(Kind::Member), QStringLiteral("Rechercher numéro"), QStringLiteral("Numéro"),
               MemberField::Numero, true);
}

int Search::RechSoc(const RecordStore &store)
{
    return ask(store.lines(Kind::Partner), QStringLiteral("Rechercher société"), QStringLiteral("Société"),
               PartnerField::Societe, true);
}

int Search::RechNom2(const RecordStore &store)
{
    return ask(store.lines(Kind::Partner), QStringLiteral("Rechercher nom"), QStringLiteral("Nom"), PartnerField::Nom, true);
}

int Search::RechNum2(const RecordStore &store)
{
    return ask(store.lines(Kind::Partner), QStringLiteral("Rechercher code"), QStringLiteral("Code"), PartnerField::Code, true);
}

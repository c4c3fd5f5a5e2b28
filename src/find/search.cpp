#include "find/search.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "find/blockscan.h"

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
    for (const int i : lines.openTags()) {
        const int n = BlockScan::blockNumber(lines.view(i));
        if (n < 0)
            continue;
        const int span = BlockScan::span(lines, i, k);
        if (span < k)
            continue;
        if (beginsWith(lines.view(i + k), wanted))
            return n;
    }
    return -1;
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
    return ask(store.lines(Kind::Member), QStringLiteral("Rechercher nom"), QStringLiteral("Nom"), 3, true);
}

int Search::RechTel(const RecordStore &store)
{
    return ask(store.lines(Kind::Member), QStringLiteral("Rechercher téléphone"), QStringLiteral("Téléphone"),
               9, false);
}

int Search::RechNum(const RecordStore &store)
{
    return ask(store.lines(Kind::Member), QStringLiteral("Rechercher numéro"), QStringLiteral("Numéro"), 1,
               true);
}

int Search::RechSoc(const RecordStore &store)
{
    return ask(store.lines(Kind::Partner), QStringLiteral("Rechercher société"), QStringLiteral("Société"), 2,
               true);
}

int Search::RechNom2(const RecordStore &store)
{
    return ask(store.lines(Kind::Partner), QStringLiteral("Rechercher nom"), QStringLiteral("Nom"), 3, true);
}

int Search::RechNum2(const RecordStore &store)
{
    return ask(store.lines(Kind::Partner), QStringLiteral("Rechercher code"), QStringLiteral("Code"), 1, true);
}

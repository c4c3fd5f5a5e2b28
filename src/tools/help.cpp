#include "tools/help.h"

#include "core/collation.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace Help {

QList<HelpPage> builtInPages(); // helppages.cpp

const QList<HelpPage> &pages()
{
    static const QList<HelpPage> all = builtInPages();
    return all;
}

const HelpPage *page(const QString &id)
{
    for (const HelpPage &p : pages())
        if (p.id == id)
            return &p;
    return nullptr;
}

QString contentsId()
{
    return QStringLiteral("sommaire");
}

QString howToUseId()
{
    return QStringLiteral("aide");
}

QString pageOfLink(const QString &link)
{
    return link.startsWith(QLatin1String("page:")) ? link.mid(5) : QString();
}

QString html(const QString &id)
{
    const HelpPage *p = page(id);
    if (!p)
        return QString();
    QString text = QStringLiteral("<h2>%1</h2>\n").arg(p->title.toHtmlEscaped()) + p->body;
    if (id == contentsId()) {
        text += QStringLiteral("<ul>\n");
        for (const HelpPage &other : pages())
            if (other.id != id)
                text += QStringLiteral("<li><a href=\"page:%1\">%2</a></li>\n").arg(other.id, other.title.toHtmlEscaped());
        text += QStringLiteral("</ul>\n");
    }
    return text;
}

QString folded(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toLower();
    // Ligatures as the user types them.
    out.replace(QChar(0x153), QStringLiteral("oe"));
    out.replace(QChar(0xE6), QStringLiteral("ae"));
    return out;
}

const QList<IndexEntry> &index()
{
    static const QList<IndexEntry> entries = [] {
        QList<IndexEntry> list;
        QHash<QString, int> byKey;
        for (const HelpPage &p : pages()) {
            for (const QString &k : p.keywords) {
                const QString key = folded(k);
                auto it = byKey.find(key);
                if (it == byKey.end()) {
                    byKey.insert(key, int(list.size()));
                    list.append({k, {p.id}, key});
                } else if (!list[*it].pageIds.contains(p.id)) {
                    list[*it].pageIds.append(p.id);
                }
            }
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const IndexEntry &a, const IndexEntry &b) { return Collation::less(a.keyword, b.keyword); });
        return list;
    }();
    return entries;
}

QList<IndexEntry> matching(const QString &typed)
{
    const QString key = folded(typed.trimmed());
    if (key.isEmpty())
        return index();
    QList<IndexEntry> found;
    for (const IndexEntry &e : index())
        if (e.key.startsWith(key))
            found.append(e);
    return found;
}

QStringList search(const QString &words)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList wanted = folded(words).split(blanks, Qt::SkipEmptyParts);
    QStringList found;
    if (wanted.isEmpty())
        return found;
    for (const HelpPage &p : pages()) {
        QString text = p.title + QLatin1Char(' ') + p.keywords.join(QLatin1Char(' ')) + QLatin1Char(' ') + p.body;
        text.remove(tags);
        const QString haystack = folded(text);
        if (std::all_of(wanted.begin(), wanted.end(), [&](const QString &w) { return haystack.contains(w); }))
            found.append(p.id);
    }
    return found;
}

} // namespace Help

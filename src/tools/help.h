#pragma once
// The program's own help: French pages written for it, built into the
// program, with a table of contents, an index of keywords and a search of the
// pages' text. Pages link to one another with "page:" + the page's name.

#include <QList>
#include <QString>
#include <QStringList>

struct HelpPage
{
    QString id;
    QString title;
    QStringList keywords;
    QString body; // rich text
};

namespace Help {

// Every page, in the order of the contents.
const QList<HelpPage> &pages();
const HelpPage *page(const QString &id);

// The contents page and the page on using the help.
QString contentsId();
QString howToUseId();

// The rich text the viewer shows for a page: its title, then its body; the
// contents page lists every other page.
QString html(const QString &id);
// "page:xyz" gives "xyz"; empty for a link to anything else.
QString pageOfLink(const QString &link);

struct IndexEntry
{
    QString keyword;
    QStringList pageIds;
    QString key; // the keyword folded, for matching what is typed
};
// Every keyword with the pages that name it, in French order.
const QList<IndexEntry> &index();
// The entries whose keyword starts with what was typed, letter case and
// accents ignored; every entry for an empty text.
QList<IndexEntry> matching(const QString &typed);
// The pages whose title or text holds every word typed, letter case and
// accents ignored; none for an empty text.
QStringList search(const QString &words);

// Text without accents and in small letters, for comparing.
QString folded(const QString &text);

} // namespace Help

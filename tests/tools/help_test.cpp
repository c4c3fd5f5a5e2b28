// The built-in help: every link leads to a page, the index finds keywords
// from their first letters whatever the accents, the search finds pages.

#include "tools/help.h"

#include "toolstest.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

TEST(Help, EveryLinkLeadsToAPageAndEveryPageIsInTheContents)
{
    QSet<QString> ids;
    for (const HelpPage &p : Help::pages()) {
        EXPECT_FALSE(ids.contains(p.id)) << qPrintable(p.id);
        ids.insert(p.id);
        EXPECT_FALSE(p.keywords.isEmpty()) << qPrintable(p.id);
    }
    ASSERT_TRUE(ids.contains(Help::contentsId()));
    ASSERT_TRUE(ids.contains(Help::howToUseId()));
    static const QRegularExpression link("href=\"([^\"]*)\"");
    const QString contents = Help::html(Help::contentsId());
    for (const HelpPage &p : Help::pages()) {
        auto it = link.globalMatch(Help::html(p.id));
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            EXPECT_NE(Help::page(Help::pageOfLink(target)), nullptr) << qPrintable(p.id + " -> " + target);
        }
        if (p.id != Help::contentsId()) {
            EXPECT_TRUE(contents.contains("page:" + p.id)) << qPrintable(p.id);
        }
    }
}

TEST(Help, TheIndexFindsKeywordsFromTheirFirstLetters)
{
    EXPECT_EQ(Help::matching("").size(), Help::index().size());
    const QList<Help::IndexEntry> found = Help::matching("  TRESO");
    ASSERT_FALSE(found.isEmpty());
    for (const Help::IndexEntry &e : found)
        EXPECT_TRUE(Help::folded(e.keyword).startsWith("treso")) << qPrintable(e.keyword);
    EXPECT_TRUE(Help::matching("zzz").isEmpty());
}

TEST(Help, TheSearchFindsPagesHoldingEveryWord)
{
    const QStringList backups = Help::search("sauvegardes cinq");
    EXPECT_TRUE(backups.contains("fichiers")) << "each save keeps the last five versions";
    EXPECT_TRUE(Help::search("").isEmpty());
    EXPECT_TRUE(Help::search("Velmora.nte").contains("blocnotes"));
    EXPECT_TRUE(Help::search("TRÉSORERIE pdt").contains("menu-tresorerie"));
    EXPECT_TRUE(Help::search("href").isEmpty()) << "markup is not text";
    EXPECT_EQ(Help::folded(QString::fromUtf8("Œuvre Été")), "oeuvre ete");
}

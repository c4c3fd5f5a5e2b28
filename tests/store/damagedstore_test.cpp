// Damaged and hostile store files, made of the pieces a store is made of in
// random order: opening repairs them, and what the program then saves it
// opens again as it was, without another repair.

#include "support/blocks.h"

#include <QRandomGenerator>

#include <map>

namespace {

QByteArray randomStore(QRandomGenerator &g)
{
    static const char *pieces[] = {"<BLOC", "</BLOC", "<bloc", "</Bloc", "MEMO", "DATA", "FACT", "NUMR", "\t", "\r\n",
                                   "\n", "\r\n<BLOC0000>\r\n", "\r\n</BLOC0000>\r\n", "\r\n<BLOC0001>\r\n",
                                   "\r\n</BLOC0001>\r\n", "\r\n<bloc0002>\r\n", "\r\n</BLOC0002>\r\n", "0000>",
                                   "0001>", "0003>", "9999>", "abc", "12/03/2026", "-5", "10001", "\x80\x81\xff", ">",
                                   " "};
    QByteArray out;
    const int n = g.bounded(300);
    for (int i = 0; i < n; ++i)
        out += pieces[g.bounded(int(sizeof pieces / sizeof *pieces))];
    return out;
}

// Every block of every kind, by number.
std::map<std::pair<int, int>, BlockData> records(const RecordStore &store)
{
    std::map<std::pair<int, int>, BlockData> out;
    for (int k = 0; k < 4; ++k)
        store.blocks(Kind(k)).forEach([&](const BlockRef &b) {
            out.emplace(std::make_pair(k, b.number()), RecordStore::readBlock(b, Kind(k)));
        });
    return out;
}

} // namespace

using DamagedStoreTest = VelmoraTest;

TEST_F(DamagedStoreTest, WhatARepairedStoreSavesOpensAgainUnchangedAndUnrepaired)
{
    QRandomGenerator g(1234);
    QTemporaryDir dir;
    for (int round = 0; round < 400; ++round) {
        for (const char *ext : {"adh", "par", "atv", "rcu", "jnl"})
            writeFile(dir.filePath(QStringLiteral("s.") + ext), randomStore(g));
        dialogs().reset();
        dialogs().yesNoAnswers = {true};
        RecordStore first;
        ASSERT_TRUE(first.Charge(dir.filePath("s.adh"))) << round;
        dialogs().yesNoAnswers.clear();
        for (int k = 0; k < 4; ++k)
            ASSERT_TRUE(RecordStore::isSound(first.lines(Kind(k)))) << "round " << round << " kind " << k;
        const auto before = records(first);
        first.markModified();
        QString error;
        ASSERT_TRUE(first.Sauve(dir.filePath("t.adh"), &error)) << round;

        dialogs().reset();
        RecordStore again;
        ASSERT_TRUE(again.Charge(dir.filePath("t.adh")));
        EXPECT_TRUE(dialogs().calls.isEmpty()) << "round " << round << " asked: "
                                               << dialogs().calls.value(0).text.toStdString();
        EXPECT_FALSE(again.TestModif()) << round;
        EXPECT_TRUE(records(again) == before) << round;
        EXPECT_EQ(again.JournalLines, first.JournalLines) << round;
    }
}

TEST_F(DamagedStoreTest, AReceiptFileOpeningWithAStrayClosingTagKeepsItsReceipt)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("s.rcu"), "</BLOC0000>\r\n<BLOC0000>\r\nNUMR202603001\r\n15/03/2026\r\n</BLOC0000>\r\n");
    writeFile(dir.filePath("s.adh"), "");
    RecordStore store;
    ASSERT_TRUE(store.Charge(dir.filePath("s.adh")));
    QString error;
    ASSERT_TRUE(store.Sauve(dir.filePath("s.adh"), &error));
    dialogs().reset();
    RecordStore again;
    ASSERT_TRUE(again.Charge(dir.filePath("s.adh")));
    EXPECT_TRUE(dialogs().calls.isEmpty());
    ASSERT_TRUE(again.readBlock(Kind::Receipt, 0));
    EXPECT_EQ(again.readBlock(Kind::Receipt, 0)->field(ReceiptField::Numero), "NUMR202603001");
}

// The message book: lines read and written field by field, hand-written
// lines kept, moves, additions and deletions down to an empty book.

#include "tools/messagebook.h"

#include "core/textfile.h"

#include "toolstest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

Message message(const QString &pour, const QString &de = {}, std::array<bool, 5> flags = {})
{
    Message m;
    m.fields[0] = pour;
    m.fields[1] = de;
    m.flags = flags;
    return m;
}

class MessageBookTest : public ToolFilesTest
{
protected:
    QString file() const { return path("asso.oms"); }
    void write(const QStringList &lines) { ASSERT_TRUE(TextFile::writeLines(file(), lines)); }
};

} // namespace

TEST(MessageLine, FieldsTabsAndTicks)
{
    const Message m = message("A", "B", {false, false, true, false, true});
    EXPECT_EQ(m.line(), "A\tB\t\t\t\t\t\tFFTFT");
    EXPECT_EQ(Message::parse("A\tB\t\t\t\t\t\tFFTFT"), m);
    EXPECT_EQ(Message().line(), "\t\t\t\t\t\t\tFFFFF");

    // An empty "Société" keeps its place: the telephone stays the telephone.
    const Message phone = Message::parse("Paul\tJean\t\t01 23\t15/03/2026\t10:15:30\tDevis\tTFFFF");
    EXPECT_EQ(phone.fields[2], "");
    EXPECT_EQ(phone.fields[3], "01 23");
    EXPECT_EQ(phone.fields[6], "Devis");
    EXPECT_TRUE(phone.flags[0]);

    Message typed;
    typed.fields[6] = "Rappeler\tvite\r\nsvp";
    typed.fields[0] = QString::fromUtf8("Zoë ✓");
    EXPECT_EQ(Message::parse(typed.line().toLatin1()).fields[6], "Rappeler vite  svp");
    EXPECT_EQ(typed.line().count('\t'), 7);
    EXPECT_EQ(Message::parse(typed.line().toLatin1()).fields[0], QString::fromUtf8("Zoë "));
    EXPECT_EQ(Message::parse(typed.line().toLatin1()).fields[1], "");
}

TEST(MessageLine, SpacesAreTrimmedBetweenFieldsAndHandWrittenLinesShowNothing)
{
    const Message m = Message::parse("  A  \t   B\t\t\t\t\t\t  TTFFT  ");
    EXPECT_EQ(m.fields[0], "  A  ") << "the first field is taken as it stands";
    EXPECT_EQ(m.fields[1], "B");
    EXPECT_EQ(m.flags, (std::array<bool, 5>{true, true, false, false, true}));
    EXPECT_EQ(Message::parse("Téléphoner à Paul"), Message()) << "no field and no tick";
    EXPECT_EQ(Message::parse("A\tB\tTTTTT"), message("A", "B")) << "fields cut short give no tick";
    EXPECT_EQ(Message::parse(" "), Message());
    EXPECT_EQ(Message::parse(""), Message());
}


TEST_F(MessageBookTest, OpensOnTheLastMessageAndWritesBackOnlyWhatWasEdited)
{
    const QStringList lines{message("A").line(), "écrit à la main, sans TAB", message("C").line()};
    write(lines);
    MessageBook book;
    ASSERT_TRUE(book.Charge(file()));
    EXPECT_EQ(book.number(), 3);
    EXPECT_EQ(book.current().fields[0], "C");

    book.previous(book.current());
    EXPECT_EQ(book.current(), Message());
    book.previous(book.current());
    book.previous(book.current());
    EXPECT_EQ(book.index(), 0) << "no move before the first";
    Message edited = book.current();
    edited.fields[1] = "Jean";
    book.markEdited();
    book.next(edited);
    book.next(book.current());
    book.next(book.current());
    EXPECT_EQ(book.index(), 2) << "no move past the last";
    ASSERT_TRUE(book.Sauve(file(), book.current()));
    EXPECT_EQ(fileLines(file()), QStringList({message("A", "Jean").line(), lines[1], lines[2]}));
}

TEST_F(MessageBookTest, AddingAndDeletingDownToAnEmptyBook)
{
    write({message("A").line(), message("B").line()});
    MessageBook book;
    ASSERT_TRUE(book.Charge(file()));
    book.add(book.current());
    EXPECT_EQ(book.number(), 3);
    EXPECT_EQ(book.count(), 3);
    book.remove(book.current());
    EXPECT_EQ(book.number(), 2) << "past the last, the last is shown";
    book.previous(book.current());
    book.remove(book.current());
    EXPECT_EQ(book.current().fields[0], "B");
    book.remove(book.current());
    EXPECT_EQ(book.count(), 0);
    EXPECT_EQ(book.number(), 1);
    EXPECT_EQ(book.current(), Message()) << "a fresh empty message is shown";
    book.remove(book.current());
    book.next(book.current());
    ASSERT_TRUE(book.Sauve(file(), book.current()));
    EXPECT_EQ(fileLines(file()), QStringList()) << "the deleted messages leave no line";

    MessageBook empty;
    ASSERT_TRUE(empty.Charge(file()));
    EXPECT_EQ(empty.count(), 0);
    empty.markEdited();
    empty.add(message("Nouveau"));
    ASSERT_TRUE(empty.Sauve(file(), empty.current()));
    EXPECT_EQ(fileLines(file()), QStringList({message("Nouveau").line(), Message().line()}));
}

TEST_F(MessageBookTest, ANewBookIsOneEmptyMessageAndAStoreNeverSavedWritesNothing)
{
    MessageBook unsaved;
    unsaved.markEdited();
    ASSERT_TRUE(unsaved.Sauve(MessageBook::fileName(QString()), message("X")));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    MessageBook book;
    ASSERT_TRUE(book.Charge(file()));
    EXPECT_EQ(book.number(), 1);
    ASSERT_TRUE(book.Sauve(file(), book.current()));
    EXPECT_EQ(fileLines(file()), QStringList({"\t\t\t\t\t\t\tFFFFF"}));
}

// The euro converter and the pocket calculator: the worked examples, exact
// decimal rounding, and failures that leave the state as it was.

#include "tools/decimaltext.h"
#include "tools/euroconverter.h"
#include "tools/pocketcalculator.h"
#include "tools/schedule.h"

#include "toolstest.h"

#include <gtest/gtest.h>

namespace {

// Presses the keys one by one; the last failure message, if any.
QString keys(PocketCalculator &c, const QString &sequence)
{
    QString failure;
    for (const QChar k : sequence) {
        const QString f = c.press(PocketCalculator::buttonOfKey(k));
        if (!f.isEmpty())
            failure = f;
    }
    return failure;
}

QString shown(const QString &sequence)
{
    PocketCalculator c;
    keys(c, sequence);
    return c.display;
}

} // namespace

TEST(EuroConverter, WorkedExamplesRoundedHalvesToEven)
{
    const int rate = EuroConverter::kRate, one = 100000;
    // To francs?, typed, rate, result. The decimal value is rounded, halves to
    // even: 0,125 euro and 0,135 euro sit exactly on a half cent at a rate of 1.
    const std::tuple<bool, const char *, int, const char *> cases[] = {
        {false, "100", rate, "15,24"}, {true, "10", rate, "65,6"},      {true, "1", rate, "6,6"},
        {false, "6,55957", rate, "1"}, {false, "1,,2", rate, ""},       {false, ",", rate, ""},
        {false, ",5", one, "0,5"},     {false, "0,125", one, "0,12"},   {false, "0,135", one, "0,14"},
        {true, "0,25", one, "0,2"},    {true, "0,35", one, "0,4"},
        {false, "999999999999999", 1, "99999999999999900000"},
        {true, "999999999999999", EuroConverter::kHighestRate, "9999999989999990000"}};
    for (const auto &[francs, typed, r, result] : cases)
        EXPECT_EQ(francs ? EuroConverter::toFrancs(typed, r) : EuroConverter::toEuros(typed, r), result) << typed;
}

TEST(EuroConverter, KeysAndRate)
{
    EuroConverter c;
    for (QChar k : QString("100"))
        c.key(k);
    c.key(QChar(13));
    EXPECT_EQ(c.result, "15,24");
    c.key('x');
    EXPECT_EQ(c.typed, "") << "a letter after a result clears both lines and adds nothing";
    EXPECT_EQ(c.result, "");
    c.euroToFranc = true;
    for (QChar k : QString("1.5"))
        c.key(k);
    EXPECT_EQ(c.typed, "1,5");
    c.enter();
    EXPECT_EQ(c.result, "9,8");
    c.typed.clear();
    c.enter();
    EXPECT_EQ(c.result, "9,8") << "nothing typed leaves the result";
    c.button('7');
    EXPECT_EQ(c.typed, "7") << "the next digit starts a new amount";
    for (int i = 0; i < 30; ++i)
        c.button('9');
    EXPECT_EQ(c.typed.size(), EuroConverter::kMaxTyped);
    EXPECT_FALSE(c.key(QChar(27)));

    c.rate = 2;
    c.rateDown();
    c.rateDown();
    EXPECT_EQ(c.rate, 1);
    EXPECT_EQ(c.rateText(), "0,00001");
    EXPECT_EQ(EuroConverter().rateText(), "6,55957");
}

TEST(PocketCalculator, SequencesWithoutPrecedence)
{
    PocketCalculator c;
    keys(c, "2+3*4=");
    EXPECT_EQ(c.display, "20");
    keys(c, "=");
    EXPECT_EQ(c.display, "400") << "= repeats the operation on the number shown";
    // The last: the digit after a result starts a new number.
    for (const auto &[sequence, result] : {std::pair{"7=", "7"}, {"7=+1=", "8"}, {"2+3=4+", "9"}, {"C9s", "3"},
                                           {"C9s=", "3"}, {"2+4x", "0,25"}, {"2+4x=", "0,5"}, {"2+3=,", "5,"},
                                           {"2+3=,5", "5"}})
        EXPECT_EQ(shown(sequence), result) << sequence;
}

TEST(PocketCalculator, ResultsWithoutBinaryNoise)
{
    for (const auto &[sequence, result] :
         {std::pair{"0,1+0,2=", "0,3"}, {"2/3=", "0,666666666667"}, {"1-0,9=", "0,1"}, {"3x", "0,333333333333"},
          {"2s", "1,41421356237"}, {"0-5=", "-5"}, {"99999999*99999999=", "9,9999998E15"},
          {"1/3000000=", "3,3333333333E-7"}})
        EXPECT_EQ(shown(sequence), result) << sequence;
    for (const char *sequence : {"123456789*987654321=", "1/7=", "0-1/7=", "999999999999999*3=", "1/99999999="}) {
        const QString text = shown(sequence);
        EXPECT_LE(text.size(), 15) << sequence;
        double v = 0;
        EXPECT_TRUE(DecimalText::parseGeneral(text, &v)) << qPrintable(text);
    }
    EXPECT_EQ(shown("1234567890123456789").size(), PocketCalculator::kMaxTyped);
}

TEST(PocketCalculator, FailuresKeepTheState)
{
    PocketCalculator c;
    EXPECT_EQ(keys(c, "8/0="), PocketCalculator::divisionByZeroText());
    EXPECT_EQ(c.display, "0");
    EXPECT_EQ(c.accumulator, 8);
    keys(c, "C");
    EXPECT_EQ(keys(c, "5+0x"), PocketCalculator::divisionByZeroText());
    EXPECT_EQ(c.display, "0");
    EXPECT_EQ(keys(c, "C4-9=s"), PocketCalculator::invalidOperationText());
    EXPECT_EQ(c.display, "-5");
    EXPECT_EQ(c.accumulator, -5);
    keys(c, "C");
    keys(c, "9999999999*");
    for (int i = 0; i < 40; ++i)
        keys(c, "=");
    EXPECT_EQ(keys(c, "="), Schedule::overflowText());
    EXPECT_FALSE(c.display.contains("inf"));
    EXPECT_FALSE(c.display.contains("nan"));
    const QString before = c.display;
    keys(c, "=");
    EXPECT_EQ(c.display, before);
    keys(c, "C7+1,,2");
    EXPECT_EQ(keys(c, "="), PocketCalculator::notANumberText());
    EXPECT_EQ(c.display, "1,,2");
    EXPECT_EQ(c.accumulator, 7);
    keys(c, "C,=");
    EXPECT_EQ(c.display, "") << "an unreadable first number is cleared without a message";
    EXPECT_FALSE(c.accumulatorSet);
}

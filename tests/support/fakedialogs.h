#pragma once
// Dialogs that answer from a script and record what they were asked, so that
// tests drive every question, message and file choice without a person.

#include "core/dialogs.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

class FakeDialogs : public Dialogs
{
public:
    struct Call
    {
        QString kind;   // "message", "error", "yesNoCancel", "yesNo", "okCancel", "input", "open", "save",
                        // "font", "printRange" (the record count), "printerSetup"
        QString text;   // the text, or caption + "|" + prompt for input boxes
    };

    // Answers, taken in order by the calls of the matching kind.
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<bool> okCancelAnswers;
    // For input boxes: an answer of std::nullopt-like form, a null QString, cancels.
    std::deque<QString> inputAnswers;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    // For font dialogs: a font without a family cancels.
    std::deque<QFont> fontAnswers;
    // The print dialog's pages, or cancelled.
    struct PrintRange
    {
        int from = 0;
        int to = 0;
        bool accepted = true;
    };
    std::deque<PrintRange> printRangeAnswers;
    std::deque<bool> printerSetupAnswers;

    QList<Call> calls;

    void message(const QString &text) override;
    void error(const QString &text) override;
    Answer yesNoCancel(const QString &text) override;
    bool yesNo(const QString &text) override;
    bool okCancel(const QString &text) override;
    bool input(const QString &caption, const QString &prompt, QString *text) override;
    QString openFile(const QString &filter, const QString &defaultSuffix) override;
    QString saveFile(const QString &filter, const QString &defaultSuffix,
                     const QString &initialName) override;
    bool chooseFont(QFont *font) override;
    bool printRange(int count, int *from, int *to) override;
    bool printerSetup() override;

    // Texts of the calls of one kind, in order.
    QStringList texts(const QString &kind) const;
    void reset();
    bool allAnswersUsed() const;

    // The instance installed for every test; reset before each test.
    static FakeDialogs &instance();
};

// Installs FakeDialogs::instance() and FakePrinter::instance() for the whole run.
class FakeDialogsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;
};

// A test fixture base: fresh dialogs, the clock at a known moment, and a check
// that every scripted answer was used.
class VelmoraTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    FakeDialogs &dialogs() { return FakeDialogs::instance(); }
};

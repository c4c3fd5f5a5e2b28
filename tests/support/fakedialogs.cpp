#include "support/fakedialogs.h"

#include "support/fakeprinter.h"

#include "core/clock.h"

namespace {

// The next scripted answer; a question nobody scripted fails the test and
// gets the fallback.
template <typename T>
T next(std::deque<T> &answers, const char *what, T fallback, const QString &text = QString())
{
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": " << text.toStdString();
        return fallback;
    }
    T a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace

void FakeDialogs::message(const QString &text)
{
    calls.append({QStringLiteral("message"), text});
}

void FakeDialogs::error(const QString &text)
{
    calls.append({QStringLiteral("error"), text});
}

Dialogs::Answer FakeDialogs::yesNoCancel(const QString &text)
{
    calls.append({QStringLiteral("yesNoCancel"), text});
    return next(yesNoCancelAnswers, "question", Cancel, text);
}

bool FakeDialogs::yesNo(const QString &text)
{
    calls.append({QStringLiteral("yesNo"), text});
    return next(yesNoAnswers, "question", false, text);
}

bool FakeDialogs::okCancel(const QString &text)
{
    calls.append({QStringLiteral("okCancel"), text});
    return next(okCancelAnswers, "confirmation", false, text);
}

bool FakeDialogs::input(const QString &caption, const QString &prompt, QString *text)
{
    calls.append({QStringLiteral("input"), caption + QLatin1Char('|') + prompt + QLatin1Char('|') + *text});
    const QString a = next(inputAnswers, "input box", QString(), caption);
    if (a.isNull())
        return false;
    *text = a;
    return true;
}

QString FakeDialogs::openFile(const QString &filter, const QString &)
{
    calls.append({QStringLiteral("open"), filter});
    return next(openAnswers, "open dialog", QString(), filter);
}

QString FakeDialogs::saveFile(const QString &filter, const QString &, const QString &)
{
    calls.append({QStringLiteral("save"), filter});
    return next(saveAnswers, "save dialog", QString(), filter);
}

bool FakeDialogs::chooseFont(QFont *font)
{
    calls.append({QStringLiteral("font"), font->family()});
    const QFont a = next(fontAnswers, "font dialog", QFont(QString()));
    if (a.family().isEmpty())
        return false;
    *font = a;
    return true;
}

bool FakeDialogs::printRange(int count, int *from, int *to)
{
    calls.append({QStringLiteral("printRange"), QString::number(count)});
    const PrintRange a = next(printRangeAnswers, "print dialog", PrintRange{0, 0, false});
    *from = a.from;
    *to = a.to;
    return a.accepted;
}

bool FakeDialogs::printerSetup()
{
    calls.append({QStringLiteral("printerSetup"), QString()});
    return next(printerSetupAnswers, "printer set-up dialog", false);
}

QStringList FakeDialogs::texts(const QString &kind) const
{
    QStringList out;
    for (const Call &c : calls)
        if (c.kind == kind)
            out.append(c.text);
    return out;
}

void FakeDialogs::reset()
{
    yesNoCancelAnswers.clear();
    yesNoAnswers.clear();
    okCancelAnswers.clear();
    inputAnswers.clear();
    openAnswers.clear();
    saveAnswers.clear();
    fontAnswers.clear();
    printRangeAnswers.clear();
    printerSetupAnswers.clear();
    calls.clear();
}

bool FakeDialogs::allAnswersUsed() const
{
    return yesNoCancelAnswers.empty() && yesNoAnswers.empty() && okCancelAnswers.empty()
           && inputAnswers.empty() && openAnswers.empty() && saveAnswers.empty() && fontAnswers.empty()
           && printRangeAnswers.empty() && printerSetupAnswers.empty();
}

FakeDialogs &FakeDialogs::instance()
{
    static FakeDialogs dialogs;
    return dialogs;
}

void FakeDialogsEnvironment::SetUp()
{
    Dialogs::install(&FakeDialogs::instance());
    PrintService::install(&FakePrinter::instance());
}

void FakeDialogsEnvironment::TearDown()
{
    Dialogs::install(nullptr);
    PrintService::install(nullptr);
}

void VelmoraTest::SetUp()
{
    FakeDialogs::instance().reset();
    FakePrinter::instance().reset();
    // A Sunday in March 2026, at a quarter past ten.
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 15, 30)));
}

void VelmoraTest::TearDown()
{
    EXPECT_TRUE(FakeDialogs::instance().allAnswersUsed()) << "a scripted answer was never asked for";
    FakeDialogs::instance().reset();
    Clock::reset();
}

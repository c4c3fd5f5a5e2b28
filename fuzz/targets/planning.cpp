// A planning file: the year shown is read; saved and loaded again, the
// planning shows the same days and the same category names.

#include "support/fuzzsupport.h"

#include "tools/planning.h"

namespace {

bool same(const Planning &a, const Planning &b)
{
    for (int c = 1; c <= Planning::kCategories; ++c)
        if (a.name(c) != b.name(c))
            return false;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day)
            if (a.cell(month, day) != b.cell(month, day))
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString in = Fuzz::scratch() + "/p.opl", out = Fuzz::scratch() + "/q.opl";
    Fuzz::put(in, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Fuzz::put(out, QByteArray(), false);
    const int year = 1995 + (size > 0 ? data[0] % 40 : 0);
    Planning planning(year);
    if (!planning.Charge(in))
        return 0;
    // A day marked and freed again: changed, and the same.
    if (planning.click(1, 1))
        planning.click(1, 1);
    Fuzz::require(planning.Sauve(out), "the planning was not saved");
    Planning again(year);
    Fuzz::require(again.Charge(out), "the saved planning does not load");
    Fuzz::require(same(planning, again), "the saved planning shows other days or names");
    return 0;
}

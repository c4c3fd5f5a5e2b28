// The five settings files (the input cut at its NUL bytes: ini, letterhead,
// bureau, activity types, chart) are read; written and read again they give
// the same settings.

#include "support/fuzzsupport.h"

#include "store/settingsfiles.h"

#include <QDir>

namespace {

bool same(const SettingsFiles &a, const SettingsFiles &b)
{
    return a.LastFile == b.LastFile && a.AutoOpen == b.AutoOpen && a.EnvOrientation == b.EnvOrientation
           && a.EnvGuide == b.EnvGuide && a.PaperType == b.PaperType && a.Header == b.Header && a.Bureau == b.Bureau
           && a.Types == b.Types && a.Chart == b.Chart;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString in = Fuzz::scratch() + "/in", out = Fuzz::scratch() + "/out";
    QDir().mkpath(in);
    QDir().mkpath(out);
    const Fuzz::Parts parts = Fuzz::split(data, size, 5);
    const QString names[] = {SettingsFiles::iniName(), SettingsFiles::socName(), SettingsFiles::burName(),
                             SettingsFiles::cbxName(), SettingsFiles::plcName()};
    for (int i = 0; i < 5; ++i)
        Fuzz::put(in + "/" + names[i], parts.bytes[i], parts.present[i]);

    SettingsFiles first;
    first.loadAll(in);
    Fuzz::require(first.saveAll(out, first.LastFile).isEmpty(), "the settings were not written");
    Fuzz::resetDialogs();
    SettingsFiles again;
    again.loadAll(out);
    Fuzz::require(Fuzz::dialogCalls() == 0, "the settings written are reported when read");
    Fuzz::require(same(first, again), "the settings written read back otherwise");
    return 0;
}

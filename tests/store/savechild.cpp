// Saves the store of one member file over another, for the test that kills it:
// prints "saving" as the save starts, "renaming" at its first rename and
// "saved" at its end.
// Usage: savechild <source.adh> <target.adh>

#include "store/recordstore.h"
#include "store/storecommit.h"

#include <cstdio>
#include <utility>

// Without the syncs, which only a power cut needs, a hundred saves take seconds.
class SpeakingFiles : public CommitFiles
{
public:
    bool renamed = false;
    bool rename(const QString &from, const QString &to) override
    {
        if (!std::exchange(renamed, true))
            std::printf("renaming\n"), std::fflush(stdout);
        return CommitFiles::rename(from, to);
    }
    bool syncFile(int) override { return true; }
    void syncFolder(const QString &) override {}
};

int main(int argc, char **argv)
{
    RecordStore store;
    if (argc != 3 || !store.Charge(QString::fromLocal8Bit(argv[1])))
        return 2;
    store.markModified();
    SpeakingFiles files;
    CommitFiles::install(&files);
    std::printf("saving\n"), std::fflush(stdout);
    QString error;
    const bool saved = store.Sauve(QString::fromLocal8Bit(argv[2]), &error);
    std::printf("saved\n"), std::fflush(stdout);
    return saved ? 0 : 1;
}

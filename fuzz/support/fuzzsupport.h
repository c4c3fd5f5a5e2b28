#pragma once
// What every fuzz target shares: a scratch folder, dialogs that answer and
// count, the input cut into files, and a check that stops the run with the
// input saved when a property does not hold.

#include "store/recordstore.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <map>

namespace Fuzz {

// Once per process: the application object (fonts, offscreen), the dialogs,
// the fixed clock.
void setUp();

// A folder of the run's own, emptied of nothing: targets overwrite their files.
QString scratch();

// The input cut at its NUL bytes into at most n parts; missing parts are
// empty and absent (present[i] false).
struct Parts
{
    QList<QByteArray> bytes;
    QList<bool> present;
};
Parts split(const uint8_t *data, size_t size, int n);

// Writes the file whole, or removes it when absent.
void put(const QString &path, const QByteArray &bytes, bool present = true);

// Questions and messages since the last reset: a file the program wrote must
// open without any.
int dialogCalls();
void resetDialogs();

// Every block of every kind of a store, by kind and number.
std::map<std::pair<int, int>, BlockData> records(const RecordStore &store);

// Stops the run (libFuzzer keeps the input as a crash) when ok is false.
void require(bool ok, const char *what);

} // namespace Fuzz

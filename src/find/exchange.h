#pragma once
// Tab-separated text exchange of members and partners with other programs:
// one record per line, the seven fields name to telephone.

#include "core/recordlist.h"
#include "store/recordstore.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Exchange
{
public:
    // Asks for a file and writes the records of the kind shown (members or
    // partners; any other kind gives an empty file). False when cancelled or
    // when the file cannot be written (the error is shown).
    static bool Exporter(RecordStore &store, Kind shownKind);

    // Asks for a file and appends one record per line to the kind shown, the
    // last one becoming current. False when cancelled, when the file is
    // missing or cannot be read (nothing imported, a message shown). Nothing
    // is read for activities and receipts, yet the store is marked modified.
    static bool Importer(RecordStore &store, Kind shownKind);

    static constexpr int kImportBound = 9998;
    static constexpr int kFieldLimit = 1024;

    // The export file's bytes: lines 3 to 9 of every block, TAB-joined, CR LF.
    static QByteArray exportBytes(const RecordList &lines);

    // The text of a file: UTF-16 (little or big endian, with or without its
    // byte-order mark), UTF-8 when it is valid UTF-8 holding other than ASCII,
    // Windows-1252 otherwise; split at CR, LF or CR LF.
    static QStringList decodeLines(const QByteArray &bytes);

    // A line cut into fields at its TABs; each field after a TAB is taken from
    // the 1024 characters that follow it.
    static QStringList splitFields(const QString &line);

    struct ImportReport
    {
        int imported = 0;
        bool truncated = false;                 // the record bound stopped the import
        QList<int> unencodableLines;            // 1-based line numbers in the file (a zero character too)
        QList<int> tagLines;                    // lines holding a field that reads as a block tag
    };

    // Appends the lines as records of the kind (members or partners), numbered
    // from the kind's count and coded from its next free code; sets the count,
    // the current index (the last record imported) and StoreModified.
    static ImportReport importLines(RecordStore &store, Kind kind, const QStringList &lines);
};

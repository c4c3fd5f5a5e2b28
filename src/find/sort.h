#pragma once
// The two sorts of the record window: the records of a list ordered by a key
// line, then by their lines 1, 2, 3 ... in turn, and numbered again from 0000.

#include "core/recordlist.h"
#include "store/recordstore.h"

class Sort
{
public:
    // Members by item 0 "Numéro", 1 "Nom", 2 "Code postal", 3 "Ville".
    static void Trier(RecordStore &store, int key);
    // Partners by item 0 "Code", 1 "Société", 2 "Code postal", 3 "Ville".
    static void Trier2(RecordStore &store, int key);

    // The line of a record that the dialog item stands for, or -1.
    static int keyLine(Kind kind, int key);

    // Reorders the blocks of the list by line keyLine, then by lines 1, 2, 3 ...
    // (a record that is the other's beginning comes first), each pair of lines
    // compared with the shared collation. The blocks are numbered from 0000 in
    // the new order; their lines are kept byte for byte; lines standing outside
    // any block are dropped. Returns the number of records.
    static int sortBlocks(RecordList &lines, int keyLine);

private:
    static void sortKind(RecordStore &store, Kind kind, int key);
};

#pragma once
// Openers of the modal windows of finding and listing, for the record window.

#include "core/recordlist.h"
#include "store/recordstore.h"

class QWidget;

// The grid window of the kind (members, partners, activities) filled from the
// list: the picked record number, or -1. Receipts have no grid: -1.
int openListe(QWidget *parent, Kind kind, const RecordList &lines);

// The receipt list over the store's receipts: the number of the receipt
// picked (after the receipts were numbered in the order shown), or -1.
int openFactListe(QWidget *parent, RecordStore &store);

// The sort dialog of members or partners: the item chosen, or -1.
int openTri(QWidget *parent, Kind kind);

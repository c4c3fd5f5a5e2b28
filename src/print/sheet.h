#pragma once
// The record sheet (ImpFiche): one page with every field of the member or
// partner shown, labels at the left, the remarks in their own column at the
// right, broken into lines that fit the column and continued on further pages
// rather than run off the paper.

#include "print/canvas.h"
#include "store/recordstore.h"

namespace RecordSheet {

// The fields as the page shows them, in block form; the remarks are the memo.
bool member(Canvas &canvas, const BlockData &member);
bool partner(Canvas &canvas, const BlockData &partner);

} // namespace RecordSheet

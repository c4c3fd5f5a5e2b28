#pragma once
// The six searches of the record window: a text is asked for, and the first
// block (in list order) whose chosen line begins with it, letter case of a to
// z ignored, is the hit.

#include "core/recordlist.h"
#include "store/recordstore.h"

#include <QString>

class Search
{
public:
    // Members: by name, telephone, number.
    static int RechNom(const RecordStore &store);
    static int RechTel(const RecordStore &store);
    static int RechNum(const RecordStore &store);
    // Partners: by company, name, code.
    static int RechSoc(const RecordStore &store);
    static int RechNom2(const RecordStore &store);
    static int RechNum2(const RecordStore &store);

    // The block number of the first block whose line k begins with text, or
    // -1. The stored line is compared with its letters a to z upper-cased;
    // the text itself is upper-cased only when upperCase is set. A block that
    // ends before line k does not match.
    static int scan(const RecordList &lines, int k, bool upperCase, const QString &text);

private:
    static int ask(const RecordList &lines, const QString &caption, const QString &prompt, int k,
                   bool upperCase);
};

#include "find/blockscan.h"

#include "store/recordstore.h"

namespace BlockScan {

int span(const RecordList &lines, int i, int limit)
{
    int k = 0;
    while (k < limit && i + k + 1 < lines.size()) {
        if (lines.isOpenTag(i + k + 1) || lines.isCloseTag(i + k + 1))
            break;
        ++k;
    }
    return k;
}

int blockNumber(QByteArrayView openTagLine)
{
    const QByteArrayView digits = midView(openTagLine, 5, 4);
    if (digits.size() != 4)
        return -1;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace BlockScan

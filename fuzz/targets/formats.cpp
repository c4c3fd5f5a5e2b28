// Amounts, dates, times and whole numbers as typed or stored: whatever reads
// as one gives a text that reads back as the same.

#include "support/fuzzsupport.h"

#include "core/cp1252.h"
#include "core/formats.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {Cp1252::decode(bytes), QString::fromUtf8(bytes)}) {
        double value = 0;
        if (Formats::parseAmount(text, &value) && std::isfinite(value) && std::abs(value) < 1e12) {
            const QString shown = Formats::amount(value);
            double again = 0;
            Fuzz::require(Formats::parseAmount(shown, &again) && Formats::amount(again) == shown,
                          "an amount does not read back from its own text");
        }
        QDate d;
        if (Formats::parseDate(text, &d)) {
            QDate again;
            Fuzz::require(d.isValid() && Formats::parseDate(Formats::date(d), &again) && again == d,
                          "a date does not read back from its own text");
        }
        QTime t;
        if (Formats::parseTime(text, &t)) {
            QTime again;
            Fuzz::require(t.isValid() && Formats::parseTime(Formats::time(t), &again) && again == t,
                          "a time does not read back from its own text");
        }
        int fromText = 0, fromBytes = 0;
        const bool readText = Formats::parseInt(text, &fromText);
        // The stored bytes are read as Windows-1252 by the program.
        if (text == Cp1252::decode(bytes)) {
            const bool readBytes = Formats::parseInt(bytes, &fromBytes);
            Fuzz::require(readText == readBytes && (!readText || fromText == fromBytes),
                          "a whole number reads otherwise from text and from bytes");
        }
        const QString typed = Formats::twoDecimals(text);
        Fuzz::require(Formats::upperAZ(text).size() == text.size(), "upper-casing changes the length");
        Q_UNUSED(typed);
    }
    return 0;
}

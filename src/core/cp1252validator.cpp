#include "core/cp1252validator.h"

#include "core/cp1252.h"

QValidator::State Cp1252Validator::validate(QString &input, int &) const
{
    return Cp1252::canEncode(input) ? Acceptable : Invalid;
}

void Cp1252Validator::fixup(QString &input) const
{
    QString kept;
    for (QChar c : input)
        if (Cp1252::canEncode(c))
            kept += c;
    input = kept;
}

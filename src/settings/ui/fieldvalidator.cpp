#include "settings/ui/fieldvalidator.h"

#include "settings/fieldtext.h"

#include <QLineEdit>

QValidator::State FieldValidator::validate(QString &input, int &pos) const
{
    QString kept;
    kept.reserve(input.size());
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        if (FieldText::storable(input.at(i)))
            kept += input.at(i);
        else if (i < pos)
            --newPos;
    }
    if (kept.size() != input.size()) {
        input = kept;
        pos = newPos;
    }
    return Acceptable;
}

void FieldValidator::fixup(QString &input) const
{
    input = FieldText::storable(input);
}

void FieldValidator::attach(QLineEdit *edit)
{
    edit->setValidator(new FieldValidator(edit));
}

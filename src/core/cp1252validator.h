#pragma once
// Keeps out of a text field every character that Windows-1252 cannot hold, so
// that what the user typed is exactly what the files keep.

#include <QValidator>

class Cp1252Validator : public QValidator
{
public:
    explicit Cp1252Validator(QObject *parent = nullptr) : QValidator(parent) {}
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

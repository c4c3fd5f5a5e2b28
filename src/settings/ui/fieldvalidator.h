#pragma once
// Keeps out of a settings field whatever its file line cannot hold; a pasted
// text keeps its storable characters instead of being refused whole.

#include <QValidator>

class QLineEdit;

class FieldValidator : public QValidator
{
public:
    explicit FieldValidator(QObject *parent = nullptr) : QValidator(parent) {}
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

    // Installs a validator owned by the edit.
    static void attach(QLineEdit *edit);
};

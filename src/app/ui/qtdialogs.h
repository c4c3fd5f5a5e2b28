#pragma once
// The dialogs the program shows to its user: Qt message boxes, input boxes
// and file dialogs, all titled "Velmora" unless they carry a caption of their
// own.

#include "core/dialogs.h"

class QWidget;

class QtDialogs : public Dialogs
{
public:
    void message(const QString &text) override;
    void error(const QString &text) override;
    Answer yesNoCancel(const QString &text) override;
    bool yesNo(const QString &text) override;
    bool okCancel(const QString &text) override;
    bool input(const QString &caption, const QString &prompt, QString *text) override;
    QString openFile(const QString &filter, const QString &defaultSuffix) override;
    QString saveFile(const QString &filter, const QString &defaultSuffix,
                     const QString &initialName) override;
    bool chooseFont(QFont *font) override;
    bool printRange(int count, int *from, int *to) override;
    bool printerSetup() override;

    static QString title();

private:
    static QWidget *parent();
};

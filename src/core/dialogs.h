#pragma once
// Every question, message and file choice goes through this interface: the
// program installs one that shows Qt dialogs, tests install one that answers
// from a script.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QFont;

class Dialogs
{
public:
    enum Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A plain box with OK.
    virtual void message(const QString &text) = 0;
    // An error box with OK.
    virtual void error(const QString &text) = 0;
    // A warning box with Yes, No and Cancel.
    virtual Answer yesNoCancel(const QString &text) = 0;
    // A warning box with Yes and No; true for Yes.
    virtual bool yesNo(const QString &text) = 0;
    // A warning box with OK and Cancel; true for OK.
    virtual bool okCancel(const QString &text) = 0;
    // An input box; false when cancelled.
    virtual bool input(const QString &caption, const QString &prompt, QString *text) = 0;
    // File dialogs; an empty result means cancelled. filter is Qt's form,
    // for example "Fichiers adhérents (*.adh)".
    virtual QString openFile(const QString &filter, const QString &defaultSuffix) = 0;
    virtual QString saveFile(const QString &filter, const QString &defaultSuffix,
                             const QString &initialName) = 0;
    // A font dialog opened on *font, which takes the choice; false when
    // cancelled (always, where there is no font dialog).
    virtual bool chooseFont(QFont *font);
    // The print dialog on the current printer, whose pages 1 to count stand
    // for records; false when cancelled. *from and *to are the pages chosen,
    // both 0 when the user chose "All".
    virtual bool printRange(int count, int *from, int *to);
    // The printer set-up dialog on the current printer; false when cancelled.
    virtual bool printerSetup();

    // The save dialog, then "Ce fichier existe déjà" (OK/Cancel) when the chosen
    // file exists and is not ownFile, the file the document was read from or
    // last saved to; empty when either was cancelled.
    QString fileToWrite(const QString &filter, const QString &defaultSuffix, const QString &initialName,
                        const QString &ownFile = QString());
    // fileToWrite, then the bytes written there atomically; a write that fails
    // is told. The file written; empty when cancelled or not written.
    QString writeChosenFile(const QString &filter, const QString &defaultSuffix, const QString &initialName,
                            const QByteArray &bytes, const QString &ownFile = QString());
    // "Enregistrer changements dans <file's name> ?" with Yes, No and Cancel;
    // Yes runs save. True when the caller may go on: saved, or not to be.
    bool askToSave(const QString &file, const std::function<bool()> &save);

    // The installed dialogs; the program and each test install their own.
    static Dialogs &current();
    static void install(Dialogs *dialogs);
};

#pragma once
// The openers of the association settings dialogs, called by the record
// window. None of them touches a file: the values are written when the
// program closes.

#include <QStringList>

class QWidget;

// Edits the seven letterhead lines; they are replaced only when the dialog
// was confirmed with a first line. True when replaced.
bool openSociete(QWidget *parent, QStringList &header7);
// Edits the nine bureau lines; they are replaced after "OK". True when replaced.
bool openBureau(QWidget *parent, QStringList &bureau9);
// Edits the activity types; whatever the list holds at closing is kept.
void openTypes(QWidget *parent, QStringList &types);

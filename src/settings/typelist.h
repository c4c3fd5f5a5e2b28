#pragma once
// The list editor's state and its two operations, kept apart from the window:
// the items in order, the selected item (-1 for none) and the edit's text.

#include <QString>
#include <QStringList>

struct TypeList
{
    QStringList items;
    int selected = -1;
    QString edit;

    bool hasSelection() const { return selected >= 0 && selected < items.size(); }

    // The edit's text replaces the selected item, or is appended when none is
    // selected (even when empty; duplicates are kept). Then nothing is
    // selected and the edit is empty.
    void Envoi();
    // The selected item, if any, is removed. Then nothing is selected and the
    // edit is empty.
    void Supprime();
    // Selecting an item puts its text in the edit.
    void select(int index);
};

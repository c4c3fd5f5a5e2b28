#include "settings/typelist.h"

void TypeList::Envoi()
{
    if (hasSelection())
        items[selected] = edit;
    else
        items.append(edit);
    selected = -1;
    edit.clear();
}

void TypeList::Supprime()
{
    if (hasSelection())
        items.removeAt(selected);
    selected = -1;
    edit.clear();
}

void TypeList::select(int index)
{
    if (index < 0 || index >= items.size()) {
        selected = -1;
        return;
    }
    selected = index;
    edit = items.at(index);
}

#pragma once
// What the frame offers: its menus with their items, and its tool buttons.
// Each command is known by the name of the action that carries it; the frame
// builds its widgets from these tables and connects each action to the
// handler of the same name.

#include <QList>
#include <QString>
#include <QStringList>

struct MenuItemDef
{
    // Empty for a separator.
    QString name;
    QString caption;
    // Shown in the status bar while the mouse is on the item.
    QString hint;
    // The command run; the name itself when empty. The receipt menu reuses the
    // navigation commands of the record menu under names of its own.
    QString handler;
    bool checkable = false;
    bool checked = false;
    // A submenu's own items.
    QList<MenuItemDef> items;

    bool isSeparator() const { return name.isEmpty(); }
    QString command() const { return handler.isEmpty() ? name : handler; }
};

struct MenuDef
{
    QString name;
    QString caption;
    QList<MenuItemDef> items;
};

struct ToolDef
{
    // Empty for a separator.
    QString name;
    QString hint;
    QString handler;
    // Which picture the button carries.
    QString glyph;

    bool isSeparator() const { return name.isEmpty(); }
};

namespace Menus {

// The menu bar, left to right.
const QList<MenuDef> &mainMenus();
// The tool bar, left to right.
const QList<ToolDef> &toolButtons();

// Commands that menu items and tool buttons name but that no part of the
// program carries yet; their items stay inert. Every other command a menu
// item or tool button names must have a handler.
const QStringList &commandsToCome();

} // namespace Menus

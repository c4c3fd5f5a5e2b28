// Every menu item and tool button of the frame carries a command, unless the
// command is on the one list of those still to come; no handler is left
// without an item, so a misspelt name fails here instead of disabling an item.

#include "app/apptest.h"

#include <QSet>

namespace {

void collect(const QList<MenuItemDef> &items, QSet<QString> *commands)
{
    for (const MenuItemDef &item : items) {
        if (item.isSeparator())
            continue;
        if (!item.items.isEmpty())
            collect(item.items, commands);
        else
            commands->insert(item.command());
    }
}

} // namespace

TEST_F(AppTest, EveryItemIsBoundOrStillToCome)
{
    TMainForm form;
    QSet<QString> named;
    for (const MenuDef &menu : Menus::mainMenus())
        collect(menu.items, &named);
    for (const ToolDef &tool : Menus::toolButtons())
        if (!tool.isSeparator())
            named.insert(tool.handler);

    const QStringList &toCome = Menus::commandsToCome();
    for (const QString &command : named) {
        const bool bound = form.hasHandler(command);
        EXPECT_NE(bound, toCome.contains(command))
            << command.toStdString() << (bound ? " is bound yet listed as to come" : " has no handler");
    }
    for (const QString &command : toCome)
        EXPECT_TRUE(named.contains(command)) << command.toStdString() << " is to come but no item names it";
    for (const QString &handler : form.handlerNames())
        EXPECT_TRUE(named.contains(handler)) << "no menu item or tool button runs " << handler.toStdString();
}

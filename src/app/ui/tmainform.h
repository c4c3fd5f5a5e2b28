#pragma once
// The main frame: menus, tool bar and status bar around the one record
// window. It knows which member file is open, asks before a modified store is
// replaced or the program ends, enables its commands for the page shown and
// hands every store command to the record window.

#include "app/enabling.h"
#include "app/framerules.h"
#include "app/menus.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class TFiche;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    TFiche *fiche() const { return m_fiche; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    QMdiSubWindow *ficheWindow() const { return m_ficheWindow; }
    // A menu item or tool button by its name ("SaveItem", "SaveItemTool"...).
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QLabel *hintPanel() const { return m_hintPanel; }
    // Whether a command (a handler name of the menu tables) is carried out.
    bool hasHandler(const QString &command) const { return m_handlers.contains(command); }
    // The names of every command that has a handler.
    QStringList handlerNames() const { return m_handlers.keys(); }
    QLabel *clockPanel() const { return m_clockPanel; }

    // The folder the program started in: settings, help and notepad live there.
    QString StartDir;
    QString HelpFile;
    // The member file open in the record window; empty for a store that was
    // never opened or saved.
    QString CurrentFile;

    // The enabling columns.
    void Valide();
    void Valide1();
    void Valide2();
    void Valide3();
    void Valide4();

    // Runs once, the first time the frame is shown: size, start folder, the
    // settings files and the automatic opening of the last store.
    void FormShow();

    // Runs a command; an exception it lets through becomes an error box and
    // the program goes on.
    void runGuarded(const std::function<void()> &command);

    // The file commands. Those returning bool say whether the command went
    // through (false: cancelled by the user or failed).
    void Nouveau1Click();
    void OpenItemClick();
    bool SaveItemClick();
    bool SaveAs();
    // Asks whether to save a modified store; false when the user cancels or
    // the save does not happen.
    bool saveQuestion();

    // Opens a store for the frame, at start-up and from "&Ouvrir...": a store
    // that another running Velmora holds is opened read-only if the user
    // agrees.
    void openStore(const QString &name);

    // Closing: the save question, then the settings files.
    bool FormCloseQuery();
    void FormClose();
    // The member file "Velmora.ini" names at closing.
    QString fileToRecord() const { return m_lastFile.toRecord(CurrentFile); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void registerHandlers();
    QAction *makeAction(const QString &name, const QString &text);
    void connectCommand(QAction *action, const QString &command);
    void populate(QMenu *menu, const QList<MenuItemDef> &items);
    void applyColumn(Enabling::Column column);
    // After a store was opened, created or added to: the store commands, then
    // those of the page shown, so that the commands match that page.
    void storeReady();
    // The frame's title says when the store shown is read-only.
    void showReadOnly();
    void Timer1Timer();
    void showHint(const QString &hint);

    void Decoche();
    void Decoche2();
    void selectMembers(const QString &item, int mode);
    void selectPartners(const QString &item, int mode);
    void Supprimerfiche1Click();
    void Supprimerreu1Click();
    void Ouvrirautomatiquemrnt1Click();

    TFiche *m_fiche = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    QMdiSubWindow *m_ficheWindow = nullptr;
    QLabel *m_hintPanel = nullptr;
    QLabel *m_clockPanel = nullptr;
    QTimer *m_timer = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    LastFileMemory m_lastFile;
    bool m_shownOnce = false;
    bool m_readOnlyTitle = false;
};

#pragma once
// The help window: the program's own pages, with their contents, an index of
// keywords searched from the first letters typed, and a search of the text.

#include <QDialog>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

class TAide : public QDialog
{
    Q_OBJECT
public:
    enum Start { Contents, Search, HowToUse };

    explicit TAide(Start start, QWidget *parent = nullptr);

    // The page shown, by its name.
    QString shownPage() const;
    void showPage(const QString &id);

    QTabWidget *tabs() const { return m_tabs; }
    QListWidget *contentsList() const { return m_contents; }
    QLineEdit *indexEdit() const { return m_indexEdit; }
    QListWidget *indexList() const { return m_indexList; }
    QLineEdit *searchEdit() const { return m_searchEdit; }
    QListWidget *searchList() const { return m_searchList; }
    QTextBrowser *browser() const { return m_browser; }

    void filterIndex(const QString &typed);
    void runSearch();
    // The pages of the chosen index entry: the first one is shown.
    void openIndexEntry(QListWidgetItem *item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTabWidget *m_tabs = nullptr;
    QListWidget *m_contents = nullptr;
    QLineEdit *m_indexEdit = nullptr;
    QListWidget *m_indexList = nullptr;
    QLineEdit *m_searchEdit = nullptr;
    QListWidget *m_searchList = nullptr;
    QTextBrowser *m_browser = nullptr;
};

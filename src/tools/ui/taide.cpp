#include "tools/ui/taide.h"

#include "print/ui/windowparts.h"
#include "tools/help.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int kPageRole = Qt::UserRole;

// The pages come from the program, not from files.
class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl &name) override
    {
        const QString id = Help::pageOfLink(name.toString());
        if (type == QTextDocument::HtmlResource && !id.isEmpty())
            return Help::html(id);
        return QTextBrowser::loadResource(type, name);
    }
};

QListWidgetItem *pageItem(const HelpPage &page)
{
    auto *item = new QListWidgetItem(page.title);
    item->setData(kPageRole, QStringList{page.id});
    return item;
}

} // namespace

TAide::TAide(Start start, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Aide"));
    setWindowTitle(QStringLiteral("Aide de Velmora"));
    auto *layout = new QVBoxLayout(this);

    auto *buttons = new QHBoxLayout;
    QPushButton *back = WindowParts::button(this, QStringLiteral("Précédent"), QStringLiteral("BackButton"));
    QPushButton *forward = WindowParts::button(this, QStringLiteral("Suivant"), QStringLiteral("ForwardButton"));
    QPushButton *home = WindowParts::button(this, QStringLiteral("Sommaire"), QStringLiteral("ContentsButton"));
    QPushButton *close = WindowParts::button(this, QStringLiteral("Fermer"), QStringLiteral("CloseButton"));
    for (QPushButton *b : {back, forward, home, close})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto *splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));

    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("ContentsList"));
    for (const HelpPage &p : Help::pages())
        m_contents->addItem(pageItem(p));
    m_tabs->addTab(m_contents, QStringLiteral("Sommaire"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel(QStringLiteral("Tapez les premières lettres du mot cherché :"), indexPage));
    m_indexEdit = new QLineEdit(indexPage);
    m_indexEdit->setObjectName(QStringLiteral("IndexEdit"));
    m_indexList = new QListWidget(indexPage);
    m_indexList->setObjectName(QStringLiteral("IndexList"));
    indexLayout->addWidget(m_indexEdit);
    indexLayout->addWidget(m_indexList, 1);
    m_tabs->addTab(indexPage, QStringLiteral("Index"));

    auto *searchPage = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(new QLabel(QStringLiteral("Mots à rechercher (puis Entrée) :"), searchPage));
    m_searchEdit = new QLineEdit(searchPage);
    m_searchEdit->setObjectName(QStringLiteral("SearchEdit"));
    m_searchList = new QListWidget(searchPage);
    m_searchList->setObjectName(QStringLiteral("SearchList"));
    searchLayout->addWidget(m_searchEdit);
    searchLayout->addWidget(m_searchList, 1);
    m_tabs->addTab(searchPage, QStringLiteral("Rechercher"));

    m_browser = new HelpBrowser(splitter);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setOpenLinks(false);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    resize(820, 560);

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(home, &QPushButton::clicked, this, [this] { showPage(Help::contentsId()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        const QString id = Help::pageOfLink(url.toString());
        if (!id.isEmpty())
            showPage(id);
    });
    auto openPage = [this](QListWidgetItem *item) {
        if (item)
            showPage(item->data(kPageRole).toStringList().value(0));
    };
    connect(m_contents, &QListWidget::itemClicked, this, openPage);
    connect(m_contents, &QListWidget::itemActivated, this, openPage);
    connect(m_searchList, &QListWidget::itemClicked, this, openPage);
    connect(m_searchList, &QListWidget::itemActivated, this, openPage);
    connect(m_indexList, &QListWidget::itemActivated, this, &TAide::openIndexEntry);
    connect(m_indexList, &QListWidget::itemDoubleClicked, this, &TAide::openIndexEntry);
    connect(m_indexEdit, &QLineEdit::textChanged, this, &TAide::filterIndex);
    connect(m_searchEdit, &QLineEdit::returnPressed, this, &TAide::runSearch);
    m_indexEdit->installEventFilter(this);

    filterIndex(QString());

    switch (start) {
    case Contents:
        m_tabs->setCurrentIndex(0);
        showPage(Help::contentsId());
        break;
    case Search:
        m_tabs->setCurrentIndex(1);
        showPage(Help::contentsId());
        m_indexEdit->setFocus(Qt::OtherFocusReason);
        break;
    case HowToUse:
        m_tabs->setCurrentIndex(0);
        showPage(Help::howToUseId());
        break;
    }
}

void TAide::showPage(const QString &id)
{
    if (!Help::page(id))
        return;
    m_browser->setSource(QUrl(QStringLiteral("page:") + id), QTextDocument::HtmlResource);
}

QString TAide::shownPage() const
{
    // Back and forward change the page without passing through showPage.
    return Help::pageOfLink(m_browser->source().toString());
}

void TAide::filterIndex(const QString &typed)
{
    m_indexList->clear();
    for (const Help::IndexEntry &e : Help::matching(typed)) {
        auto *item = new QListWidgetItem(e.keyword, m_indexList);
        item->setData(kPageRole, e.pageIds);
    }
    if (m_indexList->count() > 0)
        m_indexList->setCurrentRow(0);
}

void TAide::runSearch()
{
    m_searchList->clear();
    for (const QString &id : Help::search(m_searchEdit->text()))
        if (const HelpPage *p = Help::page(id))
            m_searchList->addItem(pageItem(*p));
    if (m_searchList->count() == 0)
        m_searchList->addItem(QStringLiteral("Aucune page ne contient ces mots."));
}

void TAide::openIndexEntry(QListWidgetItem *item)
{
    if (!item)
        return;
    const QStringList ids = item->data(kPageRole).toStringList();
    if (!ids.isEmpty())
        showPage(ids.first());
}

bool TAide::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the index's field opens the entry picked in the list.
    if (watched == m_indexEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openIndexEntry(m_indexList->currentItem());
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int row = m_indexList->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            if (row >= 0 && row < m_indexList->count())
                m_indexList->setCurrentRow(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

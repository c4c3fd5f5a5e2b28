#include "print/ui/tapercu.h"

#include "core/dialogs.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kPdfFilter = QStringLiteral("Fichier pdf (*.pdf)");

} // namespace

TApercu::TApercu(const PrintJob &job, const std::function<bool(Canvas &)> &draw, QWidget *parent)
    : QDialog(parent), m_job(job), m_draw(draw), m_orientation(QtPrintService::printer(), job)
{
    setObjectName(QStringLiteral("Apercu"));
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    resize(800, 600);

    QPrinter &printer = QtPrintService::printer();
    QtPrintService::ensureHighResolution(printer);
    m_preview = new QPrintPreviewWidget(&printer, this);
    m_preview->setObjectName(QStringLiteral("PrintPreview1"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *on) {
        PrinterCanvas canvas(*on);
        if (canvas.begin()) {
            if (Placement::of(canvas))
                m_draw(canvas);
            canvas.end();
        }
    });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, [this] { showPage(); });

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    // Short captions, so that the whole bar fits an 800-pixel window; the hints say it all.
    auto add = [this, bar](const char *name, const QString &text, const QString &hint, const QKeySequence &key,
                           auto slot) {
        QAction *a = bar->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(hint);
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("Imprimer", QStringLiteral("Imprimer"), QStringLiteral("Imprimer (Ctrl+P)"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Imprimer(); });
    add("Pdf", QStringLiteral("PDF..."), QStringLiteral("Enregistrer en PDF..."), QKeySequence(), [this] { EnregistrerPdf(); });
    bar->addSeparator();
    add("ZoomAvant", QStringLiteral("Zoom +"), QStringLiteral("Zoom avant"), QKeySequence(QKeySequence::ZoomIn), [this] { m_preview->zoomIn(); });
    add("ZoomArriere", QStringLiteral("Zoom -"), QStringLiteral("Zoom arrière"), QKeySequence(QKeySequence::ZoomOut),
        [this] { m_preview->zoomOut(); });
    add("PagePleine", QStringLiteral("Page entière"), QStringLiteral("Page entière"), QKeySequence(), [this] { m_preview->fitInView(); });
    add("Largeur", QStringLiteral("Largeur"), QStringLiteral("Pleine largeur"), QKeySequence(), [this] { m_preview->fitToWidth(); });
    bar->addSeparator();
    add("PagePrecedente", QStringLiteral("<"), QStringLiteral("Page précédente"), QKeySequence(Qt::Key_PageUp), [this] {
        m_preview->setCurrentPage(m_preview->currentPage() - 1);
        showPage();
    });
    add("PageSuivante", QStringLiteral(">"), QStringLiteral("Page suivante"), QKeySequence(Qt::Key_PageDown), [this] {
        m_preview->setCurrentPage(m_preview->currentPage() + 1);
        showPage();
    });
    m_page = new QLabel(bar);
    m_page->setObjectName(QStringLiteral("Label1"));
    m_page->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_page);
    bar->addSeparator();
    add("Fermer", QStringLiteral("Fermer"), QStringLiteral("Fermer l'aperçu"), QKeySequence(), [this] { reject(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_preview, 1);
    m_preview->fitInView();
}

QAction *TApercu::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

void TApercu::showPage()
{
    m_page->setText(QStringLiteral("Page %1 / %2").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

void TApercu::Imprimer()
{
    if (QtPrintService::printOn(QtPrintService::printer(), m_job, m_draw))
        accept();
}

void TApercu::EnregistrerPdf()
{
    const QString file = Dialogs::current().fileToWrite(kPdfFilter, QStringLiteral("pdf"), QString());
    if (file.isEmpty())
        return;
    QtPrintService::printToPdf(file, m_job, m_draw);
}

#include "tools/ui/ttexte.h"

#include "core/dialogs.h"
#include "core/textfile.h"
#include "print/printing.h"
#include "print/ui/windowparts.h"
#include "tools/letterprint.h"
#include "tools/rtfreader.h"
#include "tools/rtfwriter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFilter = QStringLiteral("Fichiers rtf (*.rtf)");
const QString kSuffix = QStringLiteral("rtf");
constexpr int kRulerHeight = 32;
constexpr int kMarkerHeight = 10;

// The editor, with its gutter on either side of the text. The gutter is the
// editor's own margin: it stays whatever the size and the document shown.
class LetterEdit : public QTextEdit
{
public:
    explicit LetterEdit(QWidget *parent) : QTextEdit(parent)
    {
        setViewportMargins(LetterRuler::kGutter, 0, LetterRuler::kGutter, 0);
    }
};

// A ruler marker: a small triangle pointing down (first line) or up.
class RulerMarker : public QWidget
{
public:
    RulerMarker(QWidget *parent, bool down) : QWidget(parent), m_down(down)
    {
        setFixedSize(LetterRuler::kMarkerWidth, kMarkerHeight);
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int w = width() - 1, h = height() - 1;
        const QPolygon shape = m_down ? QPolygon({QPoint(0, 0), QPoint(w, 0), QPoint(w / 2, h)})
                                      : QPolygon({QPoint(w / 2, 0), QPoint(w, h), QPoint(0, h)});
        p.setBrush(palette().color(QPalette::Dark));
        p.drawPolygon(shape);
    }

private:
    bool m_down;
};

// The ruler: a tick at each of the editor's default tab stops.
class RulerFrame : public QFrame
{
public:
    RulerFrame(QWidget *parent, const QTextEdit *edit) : QFrame(parent), m_edit(edit) {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter p(this);
        const double step = std::max(8.0, m_edit->document()->defaultTextOption().tabStopDistance());
        for (double x = LetterRuler::kGutter + step; x < width(); x += step)
            p.drawLine(QPointF(x, 11), QPointF(x, 19));
    }

private:
    const QTextEdit *m_edit;
};

} // namespace

TTexte::TTexte(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTexte"));
    setWindowTitle(QStringLiteral("Texte"));
    setModal(true);
    resize(800, 600);

    RichEdit1 = new LetterEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    QFont font(Letter::defaultFamily());
    font.setPointSizeF(Letter::kDefaultPointSize);
    RichEdit1->setFont(font);
    buildToolBar();
    buildRuler();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Ruler);
    layout->addWidget(RichEdit1, 1);

    auto *doc = new QTextDocument(RichEdit1);
    Letter::prepare(doc);
    adopt(doc);

    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, &TTexte::SelectionChange);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &TTexte::SelectionChange);
    connect(RichEdit1, &QTextEdit::textChanged, this, &TTexte::SelectionChange);
    GetFontName();
    SelectionChange();
}

QToolButton *TTexte::toolButton(const char *name, const QString &hint, const QString &text, bool checkable)
{
    auto *b = new QToolButton(Panel1);
    b->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setText(text);
    b->setCheckable(checkable);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    Panel1->layout()->addWidget(b);
    return b;
}

void TTexte::buildToolBar()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(4, 2, 15, 2);
    bar->setSpacing(2);
    auto gap = [bar] { bar->addSpacing(8); };

    SpeedButton1 = toolButton("SpeedButton1", QString(), QString());
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    SpeedButton13 = toolButton("SpeedButton13", QString(), QString());
    SpeedButton13->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SpeedButton2 = toolButton("SpeedButton2", QStringLiteral("Enregistrer"), QString());
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton3 = toolButton("SpeedButton3", QStringLiteral("Imprimer"), QStringLiteral("Impr."));
    gap();
    SpeedButton4 = toolButton("SpeedButton4", QStringLiteral("Copier"), QStringLiteral("Copier"));
    SpeedButton5 = toolButton("SpeedButton5", QStringLiteral("Coller"), QStringLiteral("Coller"));
    gap();

    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Police"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumContentsLength(16);
    ComboBox1->setEditText(Letter::defaultFamily());
    bar->addWidget(ComboBox1);
    SpinEdit1 = new QSpinBox(Panel1);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setToolTip(QStringLiteral("Taille"));
    SpinEdit1->setRange(4, 72);
    SpinEdit1->setValue(10);
    SpinEdit1->setKeyboardTracking(false);
    bar->addWidget(SpinEdit1);
    SpeedButton18 = toolButton("SpeedButton18", QStringLiteral("Police"), QStringLiteral("A…"));
    gap();

    SpeedButton6 = toolButton("SpeedButton6", QStringLiteral("Gras"), QStringLiteral("G"), true);
    SpeedButton7 = toolButton("SpeedButton7", QStringLiteral("Italique"), QStringLiteral("I"), true);
    SpeedButton8 = toolButton("SpeedButton8", QStringLiteral("Souligné"), QStringLiteral("S"), true);
    QFont f = SpeedButton6->font();
    f.setBold(true);
    SpeedButton6->setFont(f);
    f = SpeedButton7->font();
    f.setItalic(true);
    SpeedButton7->setFont(f);
    f = SpeedButton8->font();
    f.setUnderline(true);
    SpeedButton8->setFont(f);
    gap();
    SpeedButton9 = toolButton("SpeedButton9", QStringLiteral("Gauche"), QStringLiteral("⇤"), true);
    SpeedButton10 = toolButton("SpeedButton10", QStringLiteral("Centré"), QStringLiteral("↔"), true);
    SpeedButton11 = toolButton("SpeedButton11", QStringLiteral("Droite"), QStringLiteral("⇥"), true);
    m_alignment = new QButtonGroup(this);
    m_alignment->addButton(SpeedButton9, int(Qt::AlignLeft));
    m_alignment->addButton(SpeedButton10, int(Qt::AlignHCenter));
    m_alignment->addButton(SpeedButton11, int(Qt::AlignRight));
    SpeedButton9->setChecked(true);
    SpeedButton12 = toolButton("SpeedButton12", QStringLiteral("Puces"), QStringLiteral("•"), true);
    bar->addStretch(1);
    Button1 = WindowParts::button(Panel1, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    Button1->setFixedWidth(75);
    bar->addWidget(Button1);

    connect(SpeedButton1, &QToolButton::clicked, this, &TTexte::SpeedButton1Click);
    connect(SpeedButton13, &QToolButton::clicked, this, &TTexte::SpeedButton13Click);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, &TTexte::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, RichEdit1, &QTextEdit::copy);
    connect(SpeedButton5, &QToolButton::clicked, RichEdit1, &QTextEdit::paste);
    connect(SpeedButton18, &QToolButton::clicked, this, &TTexte::SpeedButton18Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);

    // Each does nothing while the tool bar is being brought up to date.
    auto charHandler = [this](QToolButton *button, void (*set)(QTextCharFormat &, bool)) {
        connect(button, &QToolButton::toggled, this, [this, set](bool down) {
            if (m_updating)
                return;
            QTextCharFormat m;
            set(m, down);
            setCurrText(m);
        });
    };
    charHandler(SpeedButton6, [](QTextCharFormat &m, bool on) { m.setFontWeight(on ? QFont::Bold : QFont::Normal); });
    charHandler(SpeedButton7, [](QTextCharFormat &m, bool on) { m.setFontItalic(on); });
    charHandler(SpeedButton8, [](QTextCharFormat &m, bool on) { m.setFontUnderline(on); });
    connect(ComboBox1, &QComboBox::textActivated, this, [this](const QString &family) {
        if (m_updating || family.isEmpty())
            return;
        QTextCharFormat m;
        m.setFontFamilies({family});
        setCurrText(m);
    });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int size) {
        if (m_updating)
            return;
        QTextCharFormat m;
        m.setFontPointSize(size);
        setCurrText(m);
    });
    connect(m_alignment, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_updating)
            return;
        RichEdit1->setAlignment(Qt::Alignment(id));
        RichEdit1->setFocus();
    });
    connect(SpeedButton12, &QToolButton::toggled, this, [this](bool down) {
        if (m_updating)
            return;
        Letter::setBullets(RichEdit1->textCursor(), down);
        SelectionChange();
    });
}

void TTexte::buildRuler()
{
    Ruler = new RulerFrame(this, RichEdit1);
    Ruler->setObjectName(QStringLiteral("Ruler"));
    Ruler->setFixedHeight(kRulerHeight);
    Ruler->setFont(QFont(QStringLiteral("Arial")));
    RulerLine = new QFrame(Ruler);
    RulerLine->setObjectName(QStringLiteral("RulerLine"));
    RulerLine->setFrameShape(QFrame::HLine);
    RulerLine->setGeometry(LetterRuler::kGutter, 14, 100, 3);
    FirstInd = new RulerMarker(Ruler, true);
    FirstInd->setObjectName(QStringLiteral("FirstInd"));
    LeftInd = new RulerMarker(Ruler, false);
    LeftInd->setObjectName(QStringLiteral("LeftInd"));
    RightInd = new RulerMarker(Ruler, false);
    RightInd->setObjectName(QStringLiteral("RightInd"));
    FirstInd->move(0, 1);
    LeftInd->move(0, kRulerHeight - kMarkerHeight - 1);
    RightInd->move(0, kRulerHeight - kMarkerHeight - 1);
    for (QWidget *w : {static_cast<QWidget *>(Ruler), FirstInd, LeftInd, RightInd})
        w->installEventFilter(this);
}

void TTexte::GetFontName()
{
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    ComboBox1->addItems(families);
    ComboBox1->setEditText(Letter::defaultFamily());
}

void TTexte::Setsoc(const QString &line1, const QString &line2, const QString &line3, const QString &line4)
{
    m_header = {line1, line2, line3, line4};
}

void TTexte::adopt(QTextDocument *doc)
{
    // The gutter is the editor's margin, not the document's.
    doc->setDocumentMargin(0);
    doc->setUndoRedoEnabled(false);
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    RichEdit1->setDocument(doc);
    SelectionChange();
}

void TTexte::RulerResize()
{
    RulerLine->resize(Ruler->width() - 2 * RulerLine->x(), RulerLine->height());
}

QTextCharFormat TTexte::CurrText() const
{
    return RichEdit1->currentCharFormat();
}

void TTexte::setCurrText(const QTextCharFormat &modifier)
{
    // With nothing selected this goes to what is typed next, never to the
    // whole document.
    RichEdit1->mergeCurrentCharFormat(modifier);
    RichEdit1->setFocus();
}

LetterRuler::Marks TTexte::markerPlaces() const
{
    return {FirstInd->x(), LeftInd->x(), RightInd->x()};
}

void TTexte::SelectionChange()
{
    if (!RichEdit1 || !SpeedButton12)
        return;
    const QScopedValueRollback<bool> updating(m_updating, true);
    const QTextCursor cursor = RichEdit1->textCursor();
    const QTextBlock block = cursor.block();
    const LetterRuler::Marks m = LetterRuler::marks(Letter::indentsOf(block), Ruler->width());
    FirstInd->move(m.first, FirstInd->y());
    LeftInd->move(m.left, LeftInd->y());
    RightInd->move(m.right, RightInd->y());

    const QTextCharFormat f = CurrText();
    const QTextDocument &doc = *RichEdit1->document();
    SpeedButton6->setChecked(f.fontWeight() >= QFont::DemiBold);
    SpeedButton7->setChecked(f.fontItalic());
    SpeedButton8->setChecked(f.fontUnderline());
    SpeedButton12->setChecked(Letter::hasBullet(block));
    SpinEdit1->setValue(qRound(Letter::pointSizeOf(f, doc)));
    ComboBox1->setEditText(Letter::familyOf(f, doc));

    const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    QAbstractButton *down = nullptr;
    if (align & Qt::AlignHCenter)
        down = SpeedButton10;
    else if (align & Qt::AlignRight)
        down = SpeedButton11;
    else if (!(align & Qt::AlignJustify))
        down = SpeedButton9;
    // A justified paragraph puts none of the three down.
    m_alignment->setExclusive(false);
    for (QAbstractButton *b : m_alignment->buttons())
        b->setChecked(b == down);
    m_alignment->setExclusive(true);
}

// ---- Ruler ---------------------------------------------------------------------

bool TTexte::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Ruler) {
        if (event->type() == QEvent::Resize) {
            RulerResize();
            SelectionChange();
        }
        return false;
    }
    auto *marker = qobject_cast<QWidget *>(watched);
    const int x = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove
                          || event->type() == QEvent::MouseButtonRelease
                      ? int(static_cast<QMouseEvent *>(event)->position().x())
                      : 0;
    switch (event->type()) {
    case QEvent::MouseButtonPress: RulerItemMouseDown(marker, x); return true;
    case QEvent::MouseMove: RulerItemMouseMove(marker, x); return true;
    case QEvent::MouseButtonRelease: rulerMouseUp(marker); return true;
    default: return false;
    }
}

void TTexte::RulerItemMouseDown(QWidget *marker, int x)
{
    m_dragOffset = marker->width() / 2;
    marker->move(marker->x() + x - m_dragOffset, marker->y());
    m_dragging = true;
    m_moved = false;
}

void TTexte::RulerItemMouseMove(QWidget *marker, int x)
{
    if (!m_dragging)
        return;
    const int left = std::clamp(marker->x() + x - m_dragOffset, 0, std::max(0, Ruler->width() - marker->width()));
    if (left != marker->x()) {
        marker->move(left, marker->y());
        m_moved = true;
    }
}

// FirstIndMouseUp, LeftIndMouseUp and RightIndMouseUp: a marker pressed and
// released without moving changes nothing.
void TTexte::rulerMouseUp(QWidget *marker)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_moved) {
        const LetterRuler::Marker which = marker == FirstInd  ? LetterRuler::Marker::First
                                          : marker == LeftInd ? LetterRuler::Marker::Left
                                                              : LetterRuler::Marker::Right;
        const QTextCursor cursor = RichEdit1->textCursor();
        Letter::setIndents(cursor, LetterRuler::drop(which, Letter::indentsOf(cursor.block()), markerPlaces(),
                                                     Ruler->width(), m_dragOffset));
    }
    SelectionChange();
}

// ---- Documents --------------------------------------------------------------------

bool TTexte::FormCloseQuery()
{
    return !RichEdit1->document()->isModified()
           || Dialogs::current().askToSave(m_fileName, [this] { return SpeedButton2Click(); });
}

void TTexte::reject()
{
    if (FormCloseQuery())
        QDialog::reject();
}

void TTexte::SpeedButton1Click()
{
    if (!FormCloseQuery())
        return;
    auto *doc = new QTextDocument(RichEdit1);
    Letter::prepare(doc);
    const QTextCharFormat format = Letter::defaultCharFormat();
    QTextCursor c(doc);
    c.setBlockCharFormat(format);
    for (const QString &line : m_header) {
        c.insertText(line, format);
        c.insertBlock(QTextBlockFormat(), format);
    }
    m_page = Letter::Page();
    adopt(doc);
    RichEdit1->moveCursor(QTextCursor::End);
}

void TTexte::SpeedButton13Click()
{
    if (!FormCloseQuery())
        return;
    const QString name = Dialogs::current().openFile(kFilter, kSuffix);
    if (name.isEmpty())
        return;
    QByteArray bytes;
    QString error;
    if (!TextFile::readBytes(name, &bytes, &error)) {
        Dialogs::current().error(error);
        return;
    }
    auto *doc = new QTextDocument(RichEdit1);
    const RtfReadReport report = RtfReader::read(bytes, doc);
    m_fileName = name;
    m_page = report.page;
    adopt(doc);
    if (!report.notice().isEmpty())
        Dialogs::current().message(report.notice());
}

bool TTexte::SpeedButton2Click()
{
    QTextDocument *doc = RichEdit1->document();
    if (!doc->isModified())
        return true;
    const QString name =
        Dialogs::current().writeChosenFile(kFilter, kSuffix, m_fileName, RtfWriter::write(*doc, m_page), m_fileName);
    if (name.isEmpty())
        return false;
    m_fileName = name;
    doc->setModified(false);
    return true;
}

void TTexte::SpeedButton3Click()
{
    const QTextDocument *doc = RichEdit1->document();
    const Letter::Page page = m_page;
    PrintService::current().print(PrintJob{}, [doc, page](Canvas &canvas) {
        return LetterPrint(*doc, page, canvas.widthPx(), canvas.heightPx(), canvas.widthMm(), canvas.heightMm())
            .draw(canvas);
    });
}

void TTexte::SpeedButton18Click()
{
    const QTextCharFormat current = CurrText();
    const QTextDocument &doc = *RichEdit1->document();
    QFont font(Letter::familyOf(current, doc));
    font.setPointSizeF(Letter::pointSizeOf(current, doc));
    font.setBold(current.fontWeight() >= QFont::DemiBold);
    font.setItalic(current.fontItalic());
    font.setUnderline(current.fontUnderline());
    font.setStrikeOut(current.fontStrikeOut());
    if (!Dialogs::current().chooseFont(&font))
        return;
    QTextCharFormat m;
    m.setFontFamilies({font.family()});
    if (font.pointSizeF() > 0)
        m.setFontPointSize(font.pointSizeF());
    m.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    m.setFontItalic(font.italic());
    m.setFontUnderline(font.underline());
    m.setFontStrikeOut(font.strikeOut());
    setCurrText(m);
    SelectionChange();
}

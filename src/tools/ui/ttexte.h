#pragma once
// "Texte": a small word processor for letters on the association's
// letterhead. A tool bar, a ruler whose three markers set the indents of the
// paragraph at the caret, and the editor; documents are rich-text files.

#include "tools/letterformat.h"
#include "tools/letterruler.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QFrame;
class QPushButton;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;
class QWidget;

class TTexte : public QDialog
{
    Q_OBJECT
public:
    explicit TTexte(QWidget *parent = nullptr);

    // Header lines 1 to 4, which a new document starts with.
    void Setsoc(const QString &line1, const QString &line2, const QString &line3, const QString &line4);

    QString fileName() const { return m_fileName; }
    const Letter::Page &page() const { return m_page; }
    QTextEdit *editor() const { return RichEdit1; }

    // The tool bar's attributes from the caret or the selection.
    void SelectionChange();
    // The character attributes the font controls act on: the selection's, or
    // with nothing selected those of what is typed next.
    QTextCharFormat CurrText() const;
    void setCurrText(const QTextCharFormat &modifier);

    void SpeedButton1Click();  // new document
    void SpeedButton13Click(); // open
    // Save; true when saved or when there was nothing to save.
    bool SpeedButton2Click();
    void SpeedButton3Click(); // print
    void SpeedButton18Click(); // font dialog
    // The save question; true when the window may close or the document be
    // replaced.
    bool FormCloseQuery();

    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar();
    void buildRuler();
    void GetFontName();
    void RulerResize();
    void adopt(class QTextDocument *doc);
    QToolButton *toolButton(const char *name, const QString &hint, const QString &text, bool checkable = false);
    void RulerItemMouseDown(QWidget *marker, int x);
    void RulerItemMouseMove(QWidget *marker, int x);
    void rulerMouseUp(QWidget *marker);
    LetterRuler::Marks markerPlaces() const;

    QFrame *Panel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton13 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QSpinBox *SpinEdit1 = nullptr;
    QToolButton *SpeedButton18 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QToolButton *SpeedButton8 = nullptr;
    QToolButton *SpeedButton9 = nullptr;
    QToolButton *SpeedButton10 = nullptr;
    QToolButton *SpeedButton11 = nullptr;
    QToolButton *SpeedButton12 = nullptr;
    QButtonGroup *m_alignment = nullptr;
    QPushButton *Button1 = nullptr;
    QFrame *Ruler = nullptr;
    QFrame *RulerLine = nullptr;
    QWidget *FirstInd = nullptr;
    QWidget *LeftInd = nullptr;
    QWidget *RightInd = nullptr;
    QTextEdit *RichEdit1 = nullptr;

    QString m_fileName;
    Letter::Page m_page;
    QStringList m_header{QString(), QString(), QString(), QString()};
    bool m_updating = false;
    int m_dragOffset = 0;
    bool m_dragging = false;
    bool m_moved = false;
};

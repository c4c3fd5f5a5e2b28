#pragma once
// The print preview window: the printout's pages as they will come out of the
// current printer, with zoom and page turning; from here the user prints it
// (also with Ctrl+P, since a tool bar cannot be reached from the keyboard) or
// saves it as a PDF file.

#include "print/printing.h"
#include "print/ui/qtprinting.h"

#include <QDialog>

#include <functional>

class QAction;
class QLabel;
class QPrintPreviewWidget;

class TApercu : public QDialog
{
    Q_OBJECT
public:
    TApercu(const PrintJob &job, const std::function<bool(Canvas &)> &draw, QWidget *parent = nullptr);

    QPrintPreviewWidget *preview() const { return m_preview; }
    QAction *action(const QString &name) const;

    // "Imprimer": on the current printer; the window closes once printed.
    void Imprimer();
    // "Enregistrer en PDF...": a file chosen by the user.
    void EnregistrerPdf();

private:
    void showPage();

    PrintJob m_job;
    std::function<bool(Canvas &)> m_draw;
    // The pages shown in the job's orientation; the printer gets its own back
    // when the window goes.
    JobOrientation m_orientation;
    QPrintPreviewWidget *m_preview = nullptr;
    QLabel *m_page = nullptr;
};

#include "app/ui/qtdialogs.h"

#include "print/ui/qtprinting.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, QtDialogs::title(), text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

QString QtDialogs::title()
{
    return QStringLiteral("Velmora");
}

QWidget *QtDialogs::parent()
{
    return QApplication::activeWindow();
}

void QtDialogs::message(const QString &text)
{
    ask(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::error(const QString &text)
{
    ask(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

Dialogs::Answer QtDialogs::yesNoCancel(const QString &text)
{
    switch (ask(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes)) {
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return Cancel;
    }
}

bool QtDialogs::yesNo(const QString &text)
{
    return ask(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

bool QtDialogs::okCancel(const QString &text)
{
    return ask(QMessageBox::Warning, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
           == QMessageBox::Ok;
}

bool QtDialogs::input(const QString &caption, const QString &prompt, QString *text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent(), caption, prompt, QLineEdit::Normal, *text, &ok);
    if (ok)
        *text = answer;
    return ok;
}

QString QtDialogs::openFile(const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFile(const QString &filter, const QString &defaultSuffix, const QString &initialName)
{
    QFileDialog dialog(parent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks its own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    // A pattern such as "*.adh" would act as a filter, not as a name.
    if (!initialName.contains(QLatin1Char('*')))
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtDialogs::chooseFont(QFont *font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, *font, parent());
    if (ok)
        *font = chosen;
    return ok;
}

bool QtDialogs::printRange(int count, int *from, int *to)
{
    QPrinter &printer = QtPrintService::printer();
    QPrintDialog dialog(&printer, parent());
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, count);
    printer.setFromTo(1, count);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const bool range = dialog.printRange() == QAbstractPrintDialog::PageRange;
    *from = range ? printer.fromPage() : 0;
    *to = range ? printer.toPage() : 0;
    // The pages stood for records: the printer keeps no range of its own.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    return accepted;
}

bool QtDialogs::printerSetup()
{
    QPrintDialog dialog(&QtPrintService::printer(), parent());
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

#pragma once
// "A propos de Velmora": the program's icon, name and version.

#include <QDialog>

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
    // The program's icon, drawn here.
    static QPixmap icon(int size);
};

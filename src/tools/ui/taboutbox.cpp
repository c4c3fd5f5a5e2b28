#include "tools/ui/taboutbox.h"

#include "tools/ui/toolui.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

QPixmap TAboutBox::icon(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    p.fillPath(rounded, ToolUi::teal());
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(size * 2 / 3);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::yellow);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("V"));
    return picture;
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos de Velmora"));
    auto *layout = new QVBoxLayout(this);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *row = new QHBoxLayout(panel);
    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(icon(48));
    row->addWidget(picture, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    auto *name = new QLabel(QStringLiteral("Velmora"), panel);
    name->setObjectName(QStringLiteral("ProductName"));
    ToolUi::enlarge(name, 6);
    auto *version = new QLabel(QStringLiteral("Version 5.0"), panel);
    version->setObjectName(QStringLiteral("Version"));
    texts->addWidget(name);
    texts->addWidget(version);
    row->addLayout(texts, 1);
    layout->addWidget(panel);
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setWindowIcon(icon(32));
}

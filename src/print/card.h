#pragma once
// The member card, printed (Carte) or written as a PDF file (CartePdf): the
// association's letterhead, the title "Carte d'adhérent", then the member's
// number, name, address, category and due date as the members page shows them.

#include "print/canvas.h"
#include "store/recordstore.h"

#include <QStringList>

class TPrintPDF;

namespace Card {

// The member in block form; an empty category prints no category name.
bool Carte(Canvas &canvas, const QStringList &header, const BlockData &member);
// Draws the card on a writer whose document is begun.
void CartePdf(TPrintPDF &pdf, const QStringList &header, const BlockData &member);

} // namespace Card

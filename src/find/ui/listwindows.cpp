#include "find/ui/listwindows.h"

#include "find/ui/tfactliste.h"
#include "find/ui/tfliste.h"
#include "find/ui/ttri.h"

#include <memory>

int openListe(QWidget *parent, Kind kind, const RecordList &lines)
{
    std::unique_ptr<TFListeBase> window;
    switch (kind) {
    case Kind::Member: window = std::make_unique<TFListe>(parent); break;
    case Kind::Partner: window = std::make_unique<TFListe2>(parent); break;
    case Kind::Activity: window = std::make_unique<TFListe3>(parent); break;
    case Kind::Receipt: return -1;
    }
    window->Init(lines);
    window->exec();
    return window->Result();
}

int openFactListe(QWidget *parent, RecordStore &store)
{
    TFactListe window(parent);
    window.Init(store.lines(Kind::Receipt));
    window.exec();
    return window.Result(store);
}

int openTri(QWidget *parent, Kind kind)
{
    std::unique_ptr<TTri> dialog;
    if (kind == Kind::Member)
        dialog = std::make_unique<TTri>(parent);
    else if (kind == Kind::Partner)
        dialog = std::make_unique<TTri2>(parent);
    else
        return -1;
    dialog->exec();
    return dialog->Result();
}

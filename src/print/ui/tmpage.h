#pragma once
// "Mise en page": the kind of paper receipts are printed on, the orientation
// of envelopes and whether the envelope guide is on the right. Only "OK"
// hands the choices back; "Annuler", Escape and the close box change nothing.

#include "settings/ui/okcanceldialog.h"

class QButtonGroup;
class QCheckBox;

class TMPage : public OkCancelDialog
{
    Q_OBJECT
public:
    explicit TMPage(QWidget *parent = nullptr);

    // The stored values; a paper type or orientation that is not one of the
    // dialog's items leaves its defaults (the first items, the box clear).
    void Init(int paperType, int orientation, bool guide);
    // The choices; false, with nothing changed, unless "OK" closed the dialog.
    bool Result(int *paperType, int *orientation, bool *guide) const;

private:
    QButtonGroup *m_paper = nullptr;
    QButtonGroup *m_orientation = nullptr;
    QCheckBox *m_guide = nullptr;
};

// ParM's dialog: shows the set-up values and stores the choices on "OK"
// (the guide as 0 or 100). False when nothing changed.
bool openMiseEnPage(QWidget *parent, int *paperType, int *orientation, int *guide);

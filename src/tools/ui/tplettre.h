#pragma once
// "Pèse-Lettres": counts of what goes into a mailing, the tariff, and the
// weight and postage worked out at every change.

#include "tools/postalscale.h"

#include <QDialog>

#include <array>

class QLabel;
class QRadioButton;
class QSpinBox;

class TPLettre : public QDialog
{
    Q_OBJECT
public:
    explicit TPLettre(QWidget *parent = nullptr);

    void Calcule();
    PostalScale::Tariff tariff() const;

    QSpinBox *count(int item) const { return m_counts[size_t(item)]; }
    QRadioButton *tariffButton(PostalScale::Tariff t) const;
    QLabel *weightLabel() const { return m_weight; }
    QLabel *francsLabel() const { return m_francs; }
    QLabel *eurosLabel() const { return m_euros; }

private:
    std::array<QSpinBox *, PostalScale::kItemCount> m_counts{};
    std::array<QRadioButton *, 3> m_tariffs{};
    QLabel *m_weight = nullptr;
    QLabel *m_francs = nullptr;
    QLabel *m_euros = nullptr;
};

#pragma once
// "Planning": the year planner of the open member file. The window shows one
// year of the planning it holds; the opener loads and saves it.

#include "tools/planning.h"

#include <QDialog>

#include <array>

class LegendPanel;
class QLabel;
class QPushButton;
class QTableWidget;

class TPlanning : public QDialog
{
    Q_OBJECT
public:
    explicit TPlanning(QWidget *parent = nullptr);

    // Both take the store's member file name; false with a message in *error.
    bool Charge(const QString &memberFile, QString *error);
    bool Sauve(const QString &memberFile, QString *error);

    Planning &planning() { return m_planning; }
    QTableWidget *grid() const { return m_grid; }
    QLabel *caption() const { return m_caption; }
    LegendPanel *panel(int category) const { return m_panels[size_t(category - 1)]; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *nextButton() const { return m_next; }

    void SpeedButton1Click(); // next year
    void SpeedButton2Click(); // previous year
    void StringGrid1Click(int row, int column);
    void choose(int category);
    void rename(int category);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LitAn();
    void EcritCell(int month, int day);

    Planning m_planning;
    QLabel *m_caption = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QTableWidget *m_grid = nullptr;
    std::array<LegendPanel *, Planning::kCategories> m_panels{};
};

#pragma once

#include <vector>

#include <QStringList>
#include <QWidget>

#include "model/quickfacts/QuickFactsRow.h"

class QChart;
class QChartView;
class QLabel;
class QScrollArea;

// A chart of a breakdown's rows: bars in the order given, from the top (losses to
// the left of zero), or a
// pie of the shares. Over 25 groups, the largest 24 are shown and one "Other"
// gathers the rest; losses are left out of the pie, and a note says so.
class CBreakdownChart : public QWidget {
    Q_OBJECT

public:
    static constexpr std::size_t kMostGroups = 25;

    explicit CBreakdownChart(QWidget* parent = nullptr);

    void SetRows(const std::vector<CQuickFactsRow>& rows);
    void SetPie(bool pie);
    bool IsPie() const { return m_pie; }

    // What the chart shows: the bar labels in order, or the pie's slice labels.
    const QStringList& Labels() const { return m_labels; }
    QLabel* Note() const { return m_note; }
    QChartView* View() const { return m_view; }

private:
    void Redraw();

    std::vector<CQuickFactsRow> m_rows;
    bool m_pie = false;
    QStringList m_labels;
    QScrollArea* m_scroller;
    QChartView* m_view;
    QLabel* m_note;
};

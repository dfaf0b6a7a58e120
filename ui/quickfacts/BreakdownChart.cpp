#include "ui/quickfacts/BreakdownChart.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPieSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "ui/common/Text.h"

namespace {

struct Group {
    QString label;
    double value = 0;
};

// The groups to draw: every row, or over kMostGroups the largest 24 in their
// order and "Other" with the sum of the rest.
std::vector<Group> Groups(const std::vector<CQuickFactsRow>& rows) {
    std::vector<Group> groups;
    const auto label = [](const CQuickFactsRow& row) {
        const QString key = text::FromBytes(row.key).trimmed();
        return key.isEmpty() ? QStringLiteral("(none)") : key;
    };
    if (rows.size() <= CBreakdownChart::kMostGroups) {
        for (const CQuickFactsRow& row : rows)
            groups.push_back({label(row), static_cast<double>(row.number)});
        return groups;
    }
    std::vector<std::size_t> order(rows.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    constexpr std::size_t kShown = CBreakdownChart::kMostGroups - 1;
    std::stable_sort(order.begin(), order.end(), [&rows](std::size_t a, std::size_t b) {
        return rows[a].number > rows[b].number;
    });
    std::vector<bool> shown(rows.size(), false);
    for (std::size_t k = 0; k < kShown; ++k)
        shown[order[k]] = true;
    double other = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (shown[k])
            groups.push_back({label(rows[k]), static_cast<double>(rows[k].number)});
        else
            other += static_cast<double>(rows[k].number);
    }
    groups.push_back({QStringLiteral("Other"), other});
    return groups;
}

} // namespace

CBreakdownChart::CBreakdownChart(QWidget* parent)
    : QWidget(parent), m_view(new QChartView(this)), m_note(new QLabel(this)) {
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(360, 260);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setText(QStringLiteral("Losses are left out of the pie."));
    m_note->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    layout->addWidget(m_note);
}

void CBreakdownChart::SetRows(const std::vector<CQuickFactsRow>& rows) {
    m_rows = rows;
    Redraw();
}

void CBreakdownChart::SetPie(bool pie) {
    m_pie = pie;
    Redraw();
}

void CBreakdownChart::Redraw() {
    auto* chart = new QChart;
    chart->legend()->setVisible(m_pie);
    chart->legend()->setAlignment(Qt::AlignRight);
    m_labels.clear();
    const std::vector<Group> groups = Groups(m_rows);
    bool losses = false;
    if (m_pie) {
        auto* series = new QPieSeries(chart);
        for (const Group& group : groups) {
            if (group.value < 0)
                losses = true;
            if (group.value <= 0)
                continue;
            series->append(group.label, group.value);
            m_labels << group.label;
        }
        chart->addSeries(series);
    } else {
        auto* set = new QBarSet(QString());
        double lowest = 0;
        double highest = 0;
        for (const Group& group : groups) {
            *set << group.value;
            m_labels << group.label;
            lowest = std::min(lowest, group.value);
            highest = std::max(highest, group.value);
        }
        auto* series = new QBarSeries(chart);
        series->append(set);
        chart->addSeries(series);
        auto* categories = new QBarCategoryAxis(chart);
        categories->append(m_labels);
        categories->setLabelsAngle(m_labels.size() > 6 ? -60 : 0);
        chart->addAxis(categories, Qt::AlignBottom);
        series->attachAxis(categories);
        auto* values = new QValueAxis(chart);
        values->setRange(lowest, highest > lowest ? highest : lowest + 1);
        values->applyNiceNumbers();
        chart->addAxis(values, Qt::AlignLeft);
        series->attachAxis(values);
    }
    m_note->setVisible(m_pie && losses);
    QChart* old = m_view->chart();
    m_view->setChart(chart);
    delete old;
}

#include "ui/quickfacts/BreakdownChart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollArea>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include "ui/common/Text.h"

namespace {

const QSize kSmallest(360, 260);
// The height of one bar and its text, and of the chart's frame and value axis.
constexpr int kBarRow = 24;
constexpr int kChartFrame = 90;
// The height of one entry of the pie's legend, which lists every slice.
constexpr int kLegendRow = 22;
// Slices take these colours in turn: a qualitative palette (Tableau 10), whose
// neighbours differ in hue rather than in shade, none of them near the white
// of the page.
constexpr std::array<QRgb, 10> kSliceColours = {0x4e79a7, 0xf28e2b, 0xe15759, 0x76b7b2, 0x59a14f,
                                                0xedc948, 0xb07aa1, 0xff9da7, 0x9c755f, 0x79706e};

// The colour of slice k of count: the palette in turn, except that the last slice
// never takes the colour of the first, which it touches (its other neighbour has
// the palette's last colour).
QColor SliceColour(std::size_t k, std::size_t count) {
    const std::size_t index = k % kSliceColours.size();
    return QColor(kSliceColours[(k > 0 && k + 1 == count && index == 0) ? 1 : index]);
}

// Sets the value axis to whole-number ticks: every value of a breakdown is a
// whole number of dollars or of items, and a tick between two ("2.5") means
// nothing for either.
void UseWholeNumbers(QValueAxis& axis) {
    const double low = std::floor(axis.min());
    const double high = std::ceil(axis.max());
    // About five steps of 1, 2 or 5 times a power of ten, but never under 1.
    const double rough = std::max(1.0, (high - low) / 5);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    axis.setRange(std::floor(low / step) * step, std::ceil(high / step) * step);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
    axis.setLabelFormat(QStringLiteral("%.0f"));
}

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
        return key.isEmpty() ? QCoreApplication::translate("CBreakdownChart", "(none)") : key;
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
    groups.push_back({QCoreApplication::translate("CBreakdownChart", "Other"), other});
    return groups;
}

} // namespace

CBreakdownChart::CBreakdownChart(QWidget* parent)
    : QWidget(parent), m_scroller(new QScrollArea(this)), m_view(new QChartView),
      m_note(new QLabel(this)) {
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(kSmallest);
    m_scroller->setWidget(m_view);
    m_scroller->setWidgetResizable(true);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setText(tr("Losses are left out of the pie."));
    m_note->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroller);
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
    m_labels.clear();
    const std::vector<Group> groups = Groups(m_rows);
    // The pie's legend names every slice beside it; the chart grows to hold it and
    // scrolls. A slice also names itself while the pointer is on it (a slice's own
    // label would be cut short near the chart's edge).
    chart->legend()->setVisible(m_pie);
    chart->legend()->setAlignment(Qt::AlignRight);
    bool losses = false;
    const auto slices = static_cast<std::size_t>(std::count_if(
        groups.begin(), groups.end(), [](const Group& group) { return group.value > 0; }));
    if (m_pie) {
        auto* series = new QPieSeries(chart);
        for (const Group& group : groups) {
            if (group.value < 0)
                losses = true;
            if (group.value <= 0)
                continue;
            QPieSlice* slice = series->append(group.label, group.value);
            slice->setBrush(SliceColour(static_cast<std::size_t>(series->count() - 1), slices));
            // A white edge parts each slice from the next.
            slice->setBorderColor(Qt::white);
            slice->setBorderWidth(1.5);
            QObject::connect(slice, &QPieSlice::hovered, slice, [slice](bool on) {
                slice->setExploded(on);
                if (on)
                    QToolTip::showText(QCursor::pos(),
                                       tr("%1: %2 %")
                                           .arg(slice->label())
                                           .arg(100 * slice->percentage(), 0, 'f', 1));
                else
                    QToolTip::hideText();
            });
            m_labels << group.label;
        }
        chart->addSeries(series);
    } else {
        // Bars lie across, so that every group's text reads in full beside its bar,
        // the first row at the top as in the list; a bar axis counts upwards, so
        // the rows go in from the last.
        auto* set = new QBarSet(QString());
        QStringList upwards;
        double lowest = 0;
        double highest = 0;
        for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
            *set << group->value;
            upwards << group->label;
            lowest = std::min(lowest, group->value);
            highest = std::max(highest, group->value);
        }
        for (const Group& group : groups)
            m_labels << group.label;
        auto* series = new QHorizontalBarSeries(chart);
        series->append(set);
        chart->addSeries(series);
        auto* categories = new QBarCategoryAxis(chart);
        categories->append(upwards);
        chart->addAxis(categories, Qt::AlignLeft);
        series->attachAxis(categories);
        auto* values = new QValueAxis(chart);
        values->setRange(lowest, highest > lowest ? highest : lowest + 1);
        UseWholeNumbers(*values);
        chart->addAxis(values, Qt::AlignBottom);
        series->attachAxis(values);
    }
    // Each bar and each legend entry gets room for its text; the chart scrolls
    // when they need more.
    m_view->setMinimumHeight(std::max(
        kSmallest.height(), m_pie ? kChartFrame + kLegendRow * static_cast<int>(slices)
                                  : kChartFrame + kBarRow * static_cast<int>(groups.size())));
    m_note->setVisible(m_pie && losses);
    QChart* old = m_view->chart();
    m_view->setChart(chart);
    delete old;
}

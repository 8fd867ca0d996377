#include "app/tabs/varga_table.h"

#include <QHeaderView>
#include <cmath>
#include <vector>

#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr double MINUTES_PER_DAY = 24 * 60;
constexpr int ROW_PADDING = 6;

QString SideText(double minutes) {
    if (!(minutes < MINUTES_PER_DAY)) {
        return QStringLiteral("more than a day");
    }
    return QStringLiteral("%1 min").arg(static_cast<int>(std::floor(minutes)));
}

// "kept from 12 min before to 37 min after the given birth time", in whole
// minutes; a side longer than a day is said so.
QString SpanText(const VargaSpan& span) {
    return QStringLiteral("kept from %1 before to %2 after the given birth time")
        .arg(SideText(span.minutesBefore), SideText(span.minutesAfter));
}

}  // namespace

VargaTable::VargaTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("tblVargas"));
    setAccessibleName(QStringLiteral("Varga table"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColumnCount(VARGA_COUNT);
    for (int varga = 0; varga < VARGA_COUNT; ++varga) {
        const VargaName& name = VargaNames[varga];
        auto* header = new QTableWidgetItem(ToQString(name.key));
        header->setToolTip(ToQString(name.name));
        setHorizontalHeaderItem(varga, header);
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Rows a line of text high, so the Lagna and the nine bodies fit beside
    // the chart.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + ROW_PADDING);
}

void VargaTable::ShowVargas(const Calculation& calculation) {
    std::vector<std::optional<int>> points;
    if (calculation.sky.lagna) {
        points.push_back(std::nullopt);
    }
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        points.push_back(slot);
    }
    setRowCount(static_cast<int>(points.size()));
    for (int row = 0; row < rowCount(); ++row) {
        ShowPoint(row, points[row], calculation);
    }
}

// The row of a body, or of the Lagna when `body` is none.
void VargaTable::ShowPoint(int row, std::optional<int> body, const Calculation& calculation) {
    const QString name = body ? ToQString(SlotNames[*body].englishName) : QStringLiteral("Lagna");
    setVerticalHeaderItem(row, new QTableWidgetItem(name));
    const VargaSpanRow* pointSpans = nullptr;
    if (const std::optional<VargaSpans>& spans = calculation.spans) {
        pointSpans = body ? &spans->bodies[*body] : spans->lagna ? &*spans->lagna : nullptr;
    }
    for (const auto& [varga, chart] : calculation.vargas) {
        const QString sign =
            ToQString(SignNameAt(body ? chart.bodies.entries[*body].longitude : *chart.lagna));
        const VargaName& vargaName = VargaNames[varga];
        QString tip = QStringLiteral("%1 in %2 (%3): %4")
                          .arg(name, ToQString(vargaName.name), ToQString(vargaName.key), sign);
        if (pointSpans) {
            tip += QStringLiteral(", ") + SpanText((*pointSpans)[varga]);
        }
        auto* cell = new QTableWidgetItem(sign);
        cell->setToolTip(tip);
        setItem(row, varga, cell);
    }
}

}  // namespace sarovin

#include "app/tabs/strength_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <span>

#include "app/tabs/strength_bars_view.h"
#include "app/widgets/scrolled_content.h"
#include "output/strengths_text.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

using WorkingOf = const BalaWorking& (*)(const PlanetShadbala&);
using ValueOf = double (*)(const PlanetShadbala&);

// A row shown from a working: its caption and where the planet keeps it.
struct WorkingRow {
    const char* caption;
    WorkingOf working;
};

const WorkingRow STHANA_ROWS[] = {
    {"Uchcha", [](const PlanetShadbala& b) -> const BalaWorking& { return b.sthana.uchcha; }},
    {"Saptavargaja",
     [](const PlanetShadbala& b) -> const BalaWorking& { return b.sthana.saptavargaja; }},
    {"Ojayugma", [](const PlanetShadbala& b) -> const BalaWorking& { return b.sthana.ojayugma; }},
    {"Kendradi", [](const PlanetShadbala& b) -> const BalaWorking& { return b.sthana.kendradi; }},
    {"Drekkana", [](const PlanetShadbala& b) -> const BalaWorking& { return b.sthana.drekkana; }},
};

const WorkingRow KALA_ROWS[] = {
    {"Nathonnata", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.nathonnata; }},
    {"Paksha", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.paksha; }},
    {"Tribhaga", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.tribhaga; }},
    {"Abda", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.abda; }},
    {"Masa", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.masa; }},
    {"Vara", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.vara; }},
    {"Hora", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.hora; }},
    {"Ayana", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.ayana; }},
    {"Yuddha", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kala.yuddha; }},
};

const WorkingRow DIG_ROW = {"Dig Bala",
                            [](const PlanetShadbala& b) -> const BalaWorking& { return b.dig; }};
const WorkingRow LATER_ROWS[] = {
    {"Cheshta Bala", [](const PlanetShadbala& b) -> const BalaWorking& { return b.cheshta; }},
    {"Naisargika Bala", [](const PlanetShadbala& b) -> const BalaWorking& { return b.naisargika; }},
    {"Drik Bala", [](const PlanetShadbala& b) -> const BalaWorking& { return b.drik; }},
};
const WorkingRow PHALA_ROWS[] = {
    {"Ishta Phala", [](const PlanetShadbala& b) -> const BalaWorking& { return b.ishta; }},
    {"Kashta Phala", [](const PlanetShadbala& b) -> const BalaWorking& { return b.kashta; }},
};

// A row of totals: its caption, the value and how it is found.
struct TotalRow {
    const char* caption;
    ValueOf value;
    const char* how;
};

const TotalRow TOTAL_ROWS[] = {
    {"Total (virupas)", [](const PlanetShadbala& b) { return b.virupas; },
     "Sthana + Dig + Kala + Cheshta + Naisargika + Drik Bala"},
    {"Total (rupas)", [](const PlanetShadbala& b) { return b.rupas; }, "virupas / 60"},
    {"Required rupas", [](const PlanetShadbala& b) { return b.requiredRupas; },
     "the rupas the planet needs to count as strong, by the rules in force"},
    {"Ratio", [](const PlanetShadbala& b) { return b.ratio; }, "total rupas / required rupas"},
};

constexpr int CAPTION_COLUMN = 0;

QString PlanetName(int planet) {
    return ToQString(SlotNames[static_cast<std::size_t>(planet)].englishName);
}

QTreeWidgetItem* AddRow(QTreeWidget* tree, QTreeWidgetItem* parent, const char* caption) {
    auto* item = parent == nullptr ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(parent);
    item->setText(CAPTION_COLUMN, QString::fromUtf8(caption));
    for (int column = 1; column <= ASPECTING_PLANETS; ++column) {
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

void SetCell(QTreeWidgetItem* item, int planet, double value, const QString& tip) {
    item->setText(planet + 1, ToQString(VirupasText(value)));
    item->setToolTip(planet + 1, tip);
}

void AddWorkingRow(QTreeWidget* tree, QTreeWidgetItem* parent, const WorkingRow& row,
                   const Shadbala& shadbala) {
    QTreeWidgetItem* item = AddRow(tree, parent, row.caption);
    for (const PlanetShadbala& bala : shadbala.planets) {
        const BalaWorking& working = row.working(bala);
        SetCell(item, bala.planet, working.virupas,
                PlanetName(bala.planet) + QStringLiteral(", ") + QString::fromUtf8(row.caption) +
                    QStringLiteral("\n") + ToQString(BalaWorkingText(working)));
    }
}

// A bala of several parts: its total, opened to the parts, the total's
// tooltip the sum of the parts.
void AddPartsRow(QTreeWidget* tree, const char* caption, std::span<const WorkingRow> parts,
                 ValueOf total, const Shadbala& shadbala) {
    QTreeWidgetItem* item = AddRow(tree, nullptr, caption);
    for (const WorkingRow& part : parts) {
        AddWorkingRow(tree, item, part, shadbala);
    }
    for (const PlanetShadbala& bala : shadbala.planets) {
        QStringList terms;
        for (const WorkingRow& part : parts) {
            terms << QStringLiteral("%1 %2").arg(
                QString::fromUtf8(part.caption),
                ToQString(VirupasText(part.working(bala).virupas)));
        }
        SetCell(item, bala.planet, total(bala),
                PlanetName(bala.planet) + QStringLiteral(", ") + QString::fromUtf8(caption) +
                    QStringLiteral("\n") + terms.join(QStringLiteral(" + ")) +
                    QStringLiteral(" = ") + ToQString(VirupasText(total(bala))));
    }
}

void AddTotalRow(QTreeWidget* tree, const TotalRow& row, const Shadbala& shadbala) {
    QTreeWidgetItem* item = AddRow(tree, nullptr, row.caption);
    for (const PlanetShadbala& bala : shadbala.planets) {
        SetCell(item, bala.planet, row.value(bala),
                PlanetName(bala.planet) + QStringLiteral(", ") + QString::fromUtf8(row.caption) +
                    QStringLiteral(": ") + QString::fromUtf8(row.how));
    }
}

void AddOrderRow(QTreeWidget* tree, const Shadbala& shadbala) {
    QTreeWidgetItem* item = AddRow(tree, nullptr, "Order");
    for (const PlanetShadbala& bala : shadbala.planets) {
        item->setText(bala.planet + 1, QString::number(bala.rank));
        item->setToolTip(bala.planet + 1, PlanetName(bala.planet) +
                                              QStringLiteral(": place in the order of strength "
                                                             "by ratio, 1 the strongest"));
    }
}

void MakeBold(QTreeWidgetItem* item) {
    QFont bold = item->font(CAPTION_COLUMN);
    bold.setBold(true);
    for (int column = 0; column <= ASPECTING_PLANETS; ++column) {
        item->setFont(column, bold);
    }
}

QLabel* MakeLine(QWidget* parent, const char* name) {
    auto* line = new QLabel(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setWordWrap(true);
    return line;
}

}  // namespace

StrengthTab::StrengthTab(QWidget* parent) : QGroupBox(QStringLiteral("Shadbala"), parent) {
    setObjectName(QStringLiteral("tabStrength"));
    QWidget* content = ScrolledContent(this);
    day_ = MakeLine(content, "lblStrengthDay");
    rules_ = MakeLine(content, "lblStrengthRules");
    tree_ = new QTreeWidget(content);
    tree_->setObjectName(QStringLiteral("treShadbala"));
    tree_->setAccessibleName(QStringLiteral("Shadbala"));
    QStringList headings = {QStringLiteral("Strength")};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        headings << PlanetName(planet);
    }
    tree_->setHeaderLabels(headings);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    bars_ = new StrengthBarsView(content);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(day_);
    layout->addWidget(rules_);
    layout->addWidget(tree_, 1);
    layout->addWidget(bars_);
}

void StrengthTab::ShowStrengths(const BirthStrengths& strengths) {
    const Shadbala& shadbala = strengths.shadbala;
    day_->setText(ToQString(StrengthDayLine(shadbala)));
    rules_->setText(ToQString(StrengthRulesLine(shadbala.rules)));
    tree_->clear();
    AddPartsRow(
        tree_, "Sthana Bala", STHANA_ROWS, [](const PlanetShadbala& b) { return b.sthana.virupas; },
        shadbala);
    AddWorkingRow(tree_, nullptr, DIG_ROW, shadbala);
    AddPartsRow(
        tree_, "Kala Bala", KALA_ROWS, [](const PlanetShadbala& b) { return b.kala.virupas; },
        shadbala);
    for (const WorkingRow& row : LATER_ROWS) {
        AddWorkingRow(tree_, nullptr, row, shadbala);
    }
    for (const TotalRow& row : TOTAL_ROWS) {
        AddTotalRow(tree_, row, shadbala);
    }
    MakeBold(tree_->topLevelItem(tree_->topLevelItemCount() - 1));
    AddOrderRow(tree_, shadbala);
    for (const WorkingRow& row : PHALA_ROWS) {
        AddWorkingRow(tree_, nullptr, row, shadbala);
    }
    bars_->ShowShadbala(shadbala);
}

}  // namespace sarovin

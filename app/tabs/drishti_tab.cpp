#include "app/tabs/drishti_tab.h"
#include "app/widgets/scrolled_content.h"
#include "platform/qt_text.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace sarovin {

QLabel* MakeArrayLabel(QWidget* parent, const char* arrayName, int index) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(arrayName)).arg(index));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

DrishtiTab::DrishtiTab(const QString& title, const QString& frameName, int rows,
                       const DrishtiLabelArrays& arrays, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(frameName);
    auto* grid = new QGridLayout(ScrolledContent(this));
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(0);
    QFont bodyFont = font();
    bodyFont.setBold(true);
    for (int row = 0; row < rows; ++row) {
        auto* body = MakeArrayLabel(this, arrays.body, row);
        body->setFont(bodyFont);
        auto* position = MakeArrayLabel(this, arrays.position, row);
        auto* aspect = MakeArrayLabel(this, arrays.aspect, row);
        auto* planets = MakeArrayLabel(this, arrays.planets, row);
        aspect->setWordWrap(true);
        planets->setWordWrap(true);
        const int line = 3 * row;
        grid->addWidget(body, line, 0);
        grid->addWidget(position, line + 1, 0);
        grid->addWidget(aspect, line, 1);
        grid->addWidget(planets, line + 1, 1);
        if (row + 1 < rows) {
            grid->setRowMinimumHeight(line + 2, 6);
        }
        bodyLabels_ << body;
        positionLabels_ << position;
        aspectLabels_ << aspect;
        planetsLabels_ << planets;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3 * rows, 1);
}

void DrishtiTab::ShowRows(std::span<const DrishtiRow> rows) {
    for (qsizetype index = 0; index < bodyLabels_.size() && index < qsizetype(rows.size());
         ++index) {
        const DrishtiRow& row = rows[static_cast<std::size_t>(index)];
        bodyLabels_[index]->setText(ToQString(row.bodyCaption));
        positionLabels_[index]->setText(ToQString(row.positionCaption));
        aspectLabels_[index]->setText(ToQString(row.aspectCaption));
        planetsLabels_[index]->setText(ToQString(row.planetsCaption));
    }
}

}  // namespace sarovin

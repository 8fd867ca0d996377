#include "app/shell/strength_rules_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>
#include <QVBoxLayout>

namespace sarovin {

namespace {

// One fork: its key among the settings (as the tool names it), its
// caption, its two readings (Raman's first) and where the rules keep it.
struct Fork {
    const char* key;
    const char* caption;
    std::array<const char*, 2> readings;
    int (*read)(const StrengthRules&);
    void (*write)(StrengthRules&, int);
};

const std::array<Fork, STRENGTH_FORKS> FORKS = {{
    {"dig-arc",
     "Dig Bala's arc",
     {"folded at 180 degrees (Raman)", "unfolded, as Raman's Mars"},
     [](const StrengthRules& r) { return static_cast<int>(r.digArc); },
     [](StrengthRules& r, int v) { r.digArc = static_cast<DigArc>(v); }},
    {"dig-points",
     "Dig Bala's points of no strength",
     {"the madhyas (Raman)", "the Lagna's degree and its kendras"},
     [](const StrengthRules& r) { return static_cast<int>(r.digPoints); },
     [](StrengthRules& r, int v) { r.digPoints = static_cast<DigPoints>(v); }},
    {"cheshta-means",
     "Cheshta Bala's mean longitudes",
     {"the book's epoch tables (Raman)", "modern mean elements (Meeus)"},
     [](const StrengthRules& r) { return static_cast<int>(r.cheshtaMeans); },
     [](StrengthRules& r, int v) { r.cheshtaMeans = static_cast<CheshtaMeans>(v); }},
    {"luminary-cheshta",
     "The Sun's and Moon's Cheshta",
     {"none (Raman)", "their Ayana and Paksha Bala (Parashara)"},
     [](const StrengthRules& r) { return static_cast<int>(r.luminaryCheshta); },
     [](StrengthRules& r, int v) { r.luminaryCheshta = static_cast<LuminaryCheshta>(v); }},
    {"sun-ayana",
     "The Sun's Ayana Bala",
     {"doubled (Raman)", "counted once"},
     [](const StrengthRules& r) { return r.sunAyanaDoubled ? 0 : 1; },
     [](StrengthRules& r, int v) { r.sunAyanaDoubled = v == 0; }},
    {"yuddha",
     "Planetary war (Yuddha)",
     {"applied (Raman)", "not applied"},
     [](const StrengthRules& r) { return r.yuddha ? 0 : 1; },
     [](StrengthRules& r, int v) { r.yuddha = v == 0; }},
    {"moolatrikona",
     "Moolatrikona",
     {"by its degrees (Raman)", "the whole sign"},
     [](const StrengthRules& r) { return static_cast<int>(r.moolatrikona); },
     [](StrengthRules& r, int v) { r.moolatrikona = static_cast<Moolatrikona>(v); }},
    {"required-rupas",
     "Required rupas",
     {"Raman's (the Sun 6.5)", "Parashara's (the Sun 5)"},
     [](const StrengthRules& r) { return static_cast<int>(r.requiredRupas); },
     [](StrengthRules& r, int v) { r.requiredRupas = static_cast<RequiredRupas>(v); }},
}};

QString KeyOf(const Fork& fork) {
    return QStringLiteral("strength/") + QLatin1String(fork.key);
}

}  // namespace

StrengthRules KeptStrengthRules() {
    const QSettings settings;
    StrengthRules rules = RAMAN_STRENGTH_RULES;
    for (const Fork& fork : FORKS) {
        fork.write(rules, settings.value(KeyOf(fork)).toInt() == 1 ? 1 : 0);
    }
    return rules;
}

void KeepStrengthRules(const StrengthRules& rules) {
    QSettings settings;
    for (const Fork& fork : FORKS) {
        settings.setValue(KeyOf(fork), fork.read(rules));
    }
}

StrengthRulesDialog::StrengthRulesDialog(const StrengthRules& shown, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgStrengthRules"));
    setWindowTitle(QStringLiteral("Strength Rules"));
    auto* form = new QFormLayout;
    for (std::size_t at = 0; at < FORKS.size(); ++at) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("cmbStrengthRule%1").arg(at));
        for (const char* reading : FORKS[at].readings) {
            list->addItem(QString::fromLatin1(reading));
        }
        list->setCurrentIndex(FORKS[at].read(shown));
        form->addRow(QString::fromLatin1(FORKS[at].caption) + QStringLiteral(":"), list);
        lists_[at] = list;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

StrengthRules StrengthRulesDialog::Chosen() const {
    StrengthRules rules = RAMAN_STRENGTH_RULES;
    for (std::size_t at = 0; at < FORKS.size(); ++at) {
        FORKS[at].write(rules, lists_[at]->currentIndex());
    }
    return rules;
}

}  // namespace sarovin

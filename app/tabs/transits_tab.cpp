#include "app/tabs/transits_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QThread>
#include <QTimeZone>
#include <cmath>
#include <exception>

#include "app/tabs/transit_views.h"
#include "app/widgets/overwrite_date_edit.h"
#include "app/widgets/scrolled_content.h"
#include "calculation/natal_points.h"
#include "drishti/classical_sputa_drishti.h"
#include "engine/body_slot.h"
#include "ephemeris/utc_time.h"
#include "form/birth_summary.h"
#include "swiss/swiss_position_source.h"
#include "text/utc_offset_text.h"
#include "text/virupas_text.h"
#include "timeline/window_filter.h"
#include "transits/strength_curve.h"
#include "transits/transit_span.h"
#include "transits/transit_tags.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr int PROGRESS_STEPS = 1000;
constexpr int TIMELINE_SHARE = 5;
constexpr int CONTROL_COLUMNS = 11;
constexpr int SMALLEST_ROWS = 10;
// The axis's header and the scroll area's frame.
constexpr int AXIS_ROOM = 24;
// The splitter's first sizes, in proportion only.
constexpr int SIZE_UNIT = 1000;
constexpr double HIGHEST_PEAK = 90;
// A search of centuries at a low threshold finds hundreds of thousands of
// windows (711,715 from 1800 to 2399 at 30 virupas); the tab keeps and
// draws this many, some 10 MB, and says so.
constexpr std::size_t MOST_KEPT_WINDOWS = 100000;
constexpr double UNIX_EPOCH_JULIAN_DAY = 2440587.5;
constexpr double MS_PER_DAY = 86400000.0;

double JulianDayOf(const QDate& date) {
    return JulianDayOfDate(date.year(), date.month(), date.day());
}

QDate DateOf(double julianDay) {
    return QDate::fromJulianDay(static_cast<qint64>(std::floor(julianDay + 0.5)));
}

DateSpan SpanOf(const QDate& from, const QDate& to) {
    return {from.year(), from.month(), from.day(), to.year(), to.month(), to.day()};
}

QString PhaseText(SadeSatiPhase phase) {
    switch (phase) {
        case SadeSatiPhase::Rising:
            return QStringLiteral("rising");
        case SadeSatiPhase::Peak:
            return QStringLiteral("peak");
        case SadeSatiPhase::Setting:
            break;
    }
    return QStringLiteral("setting");
}

QString SignName(int sign) {
    return QString::fromUtf8(VedicSignNames[static_cast<std::size_t>(sign)].data());
}

QString AshtakaName(int point) {
    return QString::fromUtf8(AshtakaPointNames[static_cast<std::size_t>(point)].data());
}

QString LordName(BodySlot lord) {
    return QString::fromUtf8(SlotNames[lord].englishName.data());
}

// The periods running at the moment a window is read at, and the bindus
// of the sign the planet transits, as the tool's text says them.
QString TagsTip(const TransitEvent& event, const TransitTags& tags) {
    QString tip;
    if (tags.periods) {
        tip += QStringLiteral("\nperiods %1/%2 at the %3")
                   .arg(LordName(tags.periods->maha), LordName(tags.periods->antar),
                        event.kind == TransitKind::Sputa ? QStringLiteral("peak")
                                                         : QStringLiteral("start"));
    }
    if (tags.bindus) {
        tip += QStringLiteral("\nbindus in %1: %2 own, %3 sarva")
                   .arg(SignName(event.sign))
                   .arg(tags.bindus->own)
                   .arg(tags.bindus->sarva);
    }
    return tip;
}

QDateEdit* DateBox(const char* name, const QDate& date) {
    auto* box = new OverwriteDateEdit(date);
    box->setObjectName(QString::fromLatin1(name));
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    return box;
}

// The search, or why it stopped: a thread or memory the system would not
// give is told like a refusal rather than ending the program.
Result<TransitCounts> SearchOrSayWhy(const TransitRequest& request,
                                     const PositionSourceFactory& sources, const TransitSink& sink,
                                     const TransitProgress& progress) {
    try {
        return SearchTransits(request, sources, sink, progress);
    } catch (const std::exception& exception) {
        return RefuseWith(std::string("The search stopped: ") + exception.what() + ".");
    }
}

}  // namespace

TransitsTab::TransitsTab(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("tabTransits"));
    timeline_ = new TimelineView;
    auto* layout = new QVBoxLayout(ScrolledContent(this));
    layout->addWidget(BuildControls());
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrTransitTimeline"));
    scroll->setWidget(timeline_);
    scroll->setWidgetResizable(true);
    // The axis stays in view above the rows as they scroll.
    auto* timelineBox = new QWidget;
    auto* timelineLayout = new QVBoxLayout(timelineBox);
    timelineLayout->setContentsMargins(0, 0, 0, 0);
    timelineLayout->setSpacing(0);
    timelineLayout->addWidget(new TimeAxisView(*timeline_));
    timelineLayout->addWidget(scroll, 1);
    // Ten rows at the least, whatever the screen's scale: on a short
    // screen the tab scrolls rather than the timeline shrinking.
    timelineBox->setMinimumHeight(static_cast<int>((SMALLEST_ROWS + 1) * TIMELINE_ROW_HEIGHT) +
                                  AXIS_ROOM);
    plot_ = new StrengthPlotView;
    // The timeline takes the room; the plot keeps what it needs to read.
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QStringLiteral("splTransits"));
    splitter->addWidget(timelineBox);
    splitter->addWidget(plot_);
    splitter->setStretchFactor(0, TIMELINE_SHARE);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({TIMELINE_SHARE * SIZE_UNIT, SIZE_UNIT});
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);
    connect(timeline_, &TimelineView::RowChosen, this, &TransitsTab::PlotChosenRow);
}

TransitsTab::~TransitsTab() {
    if (thread_ != nullptr) {
        *cancelled_ = true;
        thread_->wait();
    }
}

QWidget* TransitsTab::BuildControls() {
    auto* controls = new QWidget;
    auto* grid = new QGridLayout(controls);
    grid->setContentsMargins(0, 0, 0, 0);
    const QDate today = QDate::currentDate();
    from_ = DateBox("dateTransitFrom", today);
    to_ = DateBox("dateTransitTo", today.addYears(1));
    threshold_ = new QDoubleSpinBox;
    threshold_->setObjectName(QStringLiteral("spnTransitThreshold"));
    threshold_->setRange(LOWEST_THRESHOLD, HIGHEST_THRESHOLD);
    threshold_->setSingleStep(0.5);
    threshold_->setDecimals(1);
    threshold_->setValue(DEFAULT_THRESHOLD);
    threshold_->setSuffix(QStringLiteral(" virupas"));
    from_->setAccessibleName(QStringLiteral("From"));
    to_->setAccessibleName(QStringLiteral("To"));
    threshold_->setAccessibleName(QStringLiteral("Threshold"));
    zone_ = new QComboBox;
    zone_->setObjectName(QStringLiteral("cmbTransitZone"));
    zone_->addItems({QStringLiteral("Birth zone"), QStringLiteral("Local zone")});
    periodLords_ = new QCheckBox(QStringLiteral("&Period lords only"));
    periodLords_->setObjectName(QStringLiteral("chkTransitPeriodLords"));
    periodLords_->setToolTip(
        QStringLiteral("Keep the windows whose transiting or natal body rules the Mahadasha or "
                       "the Antardasha running at the window's peak (at its start for Graha "
                       "windows and the Sade Sati)"));
    search_ = new QPushButton(QStringLiteral("Search"));
    search_->setObjectName(QStringLiteral("btnTransitSearch"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("btnTransitCancel"));
    cancel_->setVisible(false);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("prgTransitSearch"));
    progress_->setRange(0, PROGRESS_STEPS);
    progress_->setVisible(false);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblTransitStatus"));
    status_->setWordWrap(true);
    grid->addWidget(new QLabel(QStringLiteral("From")), 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("to")), 0, 2);
    grid->addWidget(to_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Threshold")), 0, 4);
    grid->addWidget(threshold_, 0, 5);
    // One line of span, threshold, zone and search, so that the timeline
    // keeps the room.
    grid->addWidget(new QLabel(QStringLiteral("Times in")), 0, 6);
    grid->addWidget(zone_, 0, 7);
    grid->addWidget(search_, 0, 8);
    grid->addWidget(cancel_, 0, 9);
    grid->addWidget(BuildFilters(), 1, 0, 1, CONTROL_COLUMNS);
    grid->setColumnStretch(CONTROL_COLUMNS - 1, 1);
    grid->addWidget(progress_, 2, 0, 1, CONTROL_COLUMNS);
    grid->addWidget(status_, 3, 0, 1, CONTROL_COLUMNS);
    connect(search_, &QPushButton::clicked, this, &TransitsTab::Search);
    connect(cancel_, &QPushButton::clicked, this, &TransitsTab::Cancel);
    connect(zone_, &QComboBox::currentIndexChanged, this, &TransitsTab::ShowAgain);
    return controls;
}

// Which windows the timeline shows, the rows it then has, and the button
// that shows the whole span again.
QWidget* TransitsTab::BuildFilters() {
    auto* filters = new QWidget;
    auto* row = new QHBoxLayout(filters);
    row->setContentsMargins(0, 0, 0, 0);
    body_ = new QComboBox;
    body_->setObjectName(QStringLiteral("cmbTransitBody"));
    body_->setAccessibleName(QStringLiteral("Transiting body"));
    body_->addItem(QStringLiteral("Every body"));
    for (const BodyNames& names : SlotNames) {
        body_->addItem(QString::fromUtf8(names.englishName.data()));
    }
    natalPoint_ = new QComboBox;
    natalPoint_->setObjectName(QStringLiteral("cmbTransitNatal"));
    natalPoint_->setAccessibleName(QStringLiteral("Natal point"));
    natalPoint_->addItem(QStringLiteral("Every natal point"));
    kind_ = new QComboBox;
    kind_->setObjectName(QStringLiteral("cmbTransitKind"));
    kind_->setAccessibleName(QStringLiteral("Kind of window"));
    kind_->addItems({QStringLiteral("Every kind"), QStringLiteral("Graha"), QStringLiteral("Sputa"),
                     QStringLiteral("Sade Sati"), QStringLiteral("Kakshya")});
    minimumPeak_ = new QDoubleSpinBox;
    minimumPeak_->setObjectName(QStringLiteral("spnTransitMinimumPeak"));
    minimumPeak_->setAccessibleName(QStringLiteral("Minimum peak"));
    minimumPeak_->setRange(0, HIGHEST_PEAK);
    minimumPeak_->setDecimals(1);
    minimumPeak_->setPrefix(QStringLiteral("peak \u2265 "));
    minimumPeak_->setSuffix(QStringLiteral(" virupas"));
    rows_ = new QLabel;
    rows_->setObjectName(QStringLiteral("lblTransitRows"));
    auto* fit = new QPushButton(QStringLiteral("&Fit span"));
    fit->setObjectName(QStringLiteral("btnTransitFit"));
    fit->setToolTip(
        QStringLiteral("Show the whole span searched (Ctrl with the wheel zooms, "
                       "dragging pans)"));
    for (QWidget* widget : std::initializer_list<QWidget*>{body_, natalPoint_, kind_, minimumPeak_,
                                                           periodLords_, rows_}) {
        row->addWidget(widget);
    }
    row->addStretch();
    row->addWidget(fit);
    for (QComboBox* list : {body_, natalPoint_, kind_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &TransitsTab::ShowAgain);
    }
    connect(minimumPeak_, &QDoubleSpinBox::valueChanged, this, &TransitsTab::ShowAgain);
    connect(periodLords_, &QCheckBox::toggled, this, &TransitsTab::ShowAgain);
    connect(fit, &QPushButton::clicked, timeline_, &TimelineView::FitSpan);
    return filters;
}

void TransitsTab::ShowAgain() {
    if (found_) {
        ShowFound();
    }
}

WindowFilter TransitsTab::FilterChosen() const {
    WindowFilter filter;
    if (body_->currentIndex() > 0) {
        filter.transiting = body_->currentIndex() - 1;
    }
    if (natalPoint_->currentIndex() > 0) {
        filter.natal = natalPoint_->currentIndex() - 1;
    }
    if (kind_->currentIndex() > 0) {
        filter.kind = static_cast<TransitKind>(kind_->currentIndex() - 1);
    }
    filter.minimumPeak = minimumPeak_->value();
    filter.periodLordsOnly = periodLords_->isChecked();
    return filter;
}

void TransitsTab::ShowReading(const Calculation& calculation) {
    Cancel();
    natal_.reset();
    found_.reset();
    timeline_->ShowEvents({}, {}, std::nullopt, 0, 1, 0, {});
    plot_->Clear();
    status_->clear();
    if (calculation.sky.used.ephemeris != Ephemeris::Swiss) {
        return;
    }
    const int offset = UtcOffsetSeconds(calculation.record);
    natal_ = Natal{calculation.record.name,
                   NatalPointsOf(calculation),
                   calculation.sky.used.ayanamsa,
                   calculation.sky.used.node,
                   offset,
                   calculation.dasha,
                   calculation.ashtakavarga};
    periodLords_->setEnabled(calculation.dasha.has_value());
    const QSignalBlocker quiet(natalPoint_);
    while (natalPoint_->count() > 1) {
        natalPoint_->removeItem(1);
    }
    for (const NatalPoint& point : natal_->points) {
        natalPoint_->addItem(QString::fromStdString(point.name));
    }
    // The boxes offer the days the ephemeris files cover.
    if (const Result<CoveredDays> covered =
            SwissPositionSources(natal_->ayanamsa, natal_->node)()->Covered()) {
        for (QDateEdit* box : {from_, to_}) {
            box->setDateRange(DateOf(covered->first), DateOf(covered->last));
        }
    }
    zone_->setItemText(0, QString::fromStdString("Birth zone (UTC" + UtcOffsetText(offset) + ")"));
}

void TransitsTab::Search() {
    if (!natal_ || thread_ != nullptr) {
        return;
    }
    const DateSpan span = SpanOf(from_->date(), to_->date());
    const PositionSourceFactory sources = SwissPositionSources(natal_->ayanamsa, natal_->node);
    if (const std::optional<Refusal> problem =
            TransitSpanProblem(span, threshold_->value(), *sources())) {
        status_->setText(QString::fromStdString(problem->message));
        return;
    }
    TransitRequest request{.points = natal_->points,
                           .from = JulianDayOf(from_->date()),
                           .to = JulianDayOf(to_->date()),
                           .threshold = threshold_->value(),
                           .trueNode = natal_->node == LunarNode::True,
                           .threads = QThread::idealThreadCount() > 1 ? 2 : 1,
                           .ashtakavarga = natal_->ashtakavarga};
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    SetSearching(true);
    thread_ = QThread::create([this, request, sources, cancelled = cancelled_] {
        Found found{KeptWindows(MOST_KEPT_WINDOWS), request.from, request.to, request.threshold};
        const Result<TransitCounts> counts = SearchOrSayWhy(
            request, sources, [&found](const TransitEvent& event) { found.windows.Add(event); },
            [this, cancelled](double share) {
                QMetaObject::invokeMethod(
                    progress_, [this, share] { progress_->setValue(share * PROGRESS_STEPS); },
                    Qt::QueuedConnection);
                return !*cancelled;
            });
        found.fewerThreads = counts && counts->threads < request.threads;
        const QString problem =
            counts ? QString() : QString::fromStdString(counts.refusal().message);
        QMetaObject::invokeMethod(
            this,
            [this, found = std::move(found), problem, cancelled,
             ok = counts.has_value()]() mutable {
                if (!*cancelled) {
                    Finish(ok ? std::optional(std::move(found)) : std::nullopt, problem);
                }
            },
            Qt::QueuedConnection);
    });
    // The thread is kept until it has ended, a cancelled one too, so that
    // the tab never goes before it.
    connect(thread_, &QThread::finished, this, [this] { thread_ = nullptr; });
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
    thread_->start();
    // Under a limit on the user's processes the system may start no thread:
    // the tab is then ready for another search and says why.
    if (!thread_->isRunning() && !thread_->isFinished()) {
        delete thread_;
        thread_ = nullptr;
        SetSearching(false);
        status_->setText(
            QStringLiteral("The search could not start: the system would start no "
                           "thread for it. Close other programs and search again."));
    }
}

// The tab stays as it was: the earlier results, if any, are kept.
void TransitsTab::Cancel() {
    if (thread_ == nullptr || *cancelled_) {
        return;
    }
    *cancelled_ = true;
    SetSearching(false);
    ShowSpanOnShow();
}

// The span boxes say the span of the results on show, if any.
void TransitsTab::ShowSpanOnShow() {
    if (!found_) {
        return;
    }
    const UtcMinute from = MinuteOf(found_->from);
    const UtcMinute to = MinuteOf(found_->to);
    from_->setDate(QDate(from.year, from.month, from.day));
    to_->setDate(QDate(to.year, to.month, to.day));
}

void TransitsTab::Finish(std::optional<Found> found, QString problem) {
    SetSearching(false);
    if (!found) {
        status_->setText(problem);
        return;
    }
    found_ = std::move(found);
    plot_->Clear();
    ShowFound();
    emit SearchFinished();
}

void TransitsTab::SetSearching(bool searching) {
    search_->setEnabled(!searching);
    for (QWidget* control : std::initializer_list<QWidget*>{from_, to_, threshold_}) {
        control->setEnabled(!searching);
    }
    cancel_->setVisible(searching);
    progress_->setVisible(searching);
    progress_->setValue(0);
}

void TransitsTab::ShowFound() {
    const double today = JulianDayOf(QDate::currentDate());
    timeline_->ShowEvents(ShownEvents(), natal_->points, natal_->dasha, found_->from, found_->to,
                          today,
                          {[this](const TransitEvent& event) { return TipOf(event); },
                           [this](const DashaBar& bar) { return PeriodTipOf(bar); }});
    const std::size_t rows = timeline_->layout().rows.size();
    rows_->setText(rows == 1 ? QStringLiteral("1 row shown")
                             : QStringLiteral("%1 rows shown").arg(rows));
    status_->setText(QStringLiteral("%1 windows from %2 to %3.%4%5")
                         .arg(found_->windows.found())
                         .arg(TimeText(found_->from), TimeText(found_->to))
                         .arg(found_->windows.Capped()
                                  ? QStringLiteral(" The first %1 are kept and drawn: narrow the "
                                                   "span or raise the threshold to see the rest, "
                                                   "or list them all with sarovin-report "
                                                   "--transits.")
                                        .arg(found_->windows.events().size())
                                  : QString())
                         .arg(found_->fewerThreads
                                  ? QStringLiteral(" Searched on one thread: the system would "
                                                   "not start a second.")
                                  : QString()));
}

std::vector<TransitEvent> TransitsTab::ShownEvents() const {
    const WindowFilter filter = FilterChosen();
    std::vector<TransitEvent> kept;
    for (const TransitEvent& event : found_->windows.events()) {
        if (PassesFilter(event, filter, natal_->dasha)) {
            kept.push_back(event);
        }
    }
    return kept;
}

QString TransitsTab::PeriodTipOf(const DashaBar& bar) const {
    return QStringLiteral("%1 of %2\nfrom %3\nto %4")
        .arg(bar.level == 0 ? QStringLiteral("Mahadasha") : QStringLiteral("Antardasha"),
             QString::fromStdString(bar.label), TimeText(bar.period.start),
             TimeText(bar.period.end));
}

QString TransitsTab::TimeText(double julianDay) const {
    if (zone_->currentIndex() == 1) {
        const qint64 ms = static_cast<qint64>((julianDay - UNIX_EPOCH_JULIAN_DAY) * MS_PER_DAY);
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::systemTimeZone());
        // To the nearest minute, as UTC times are.
        return local.addSecs(30).toString(QStringLiteral("yyyy-MM-dd HH:mm t"));
    }
    const UtcMinute minute = MinuteOf(julianDay, natal_->birthOffsetSeconds / 60);
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(minute.year, 4, 10, QLatin1Char('0'))
        .arg(minute.month, 2, 10, QLatin1Char('0'))
        .arg(minute.day, 2, 10, QLatin1Char('0'))
        .arg(minute.hour, 2, 10, QLatin1Char('0'))
        .arg(minute.minute, 2, 10, QLatin1Char('0'));
}

QString TransitsTab::TipOf(const TransitEvent& event) const {
    const QString transiting = QString::fromUtf8(SlotNames[event.transiting].englishName.data());
    const QString natal = QString::fromStdString(natal_->points[event.natal].name);
    QString tip;
    switch (event.kind) {
        case TransitKind::Graha:
            tip = QStringLiteral("Graha Drishti of %1 on %2's sign").arg(transiting, natal);
            break;
        case TransitKind::Sputa:
            tip = QStringLiteral("Sputa Drishti of %1 on %2").arg(transiting, natal);
            break;
        case TransitKind::SadeSati:
            tip = QStringLiteral("Sade Sati, %1 phase").arg(PhaseText(*event.phase));
            break;
        case TransitKind::Kakshya:
            tip = QStringLiteral("%1 in %2, %3's kakshya, which gave a bindu")
                      .arg(transiting, SignName(event.sign), AshtakaName(*event.kakshyaLord));
            break;
    }
    tip += QStringLiteral("\nfrom %1%2\nto %3%4")
               .arg(TimeText(event.start), event.startCut ? QStringLiteral(" (span's start)") : "")
               .arg(TimeText(event.end), event.endCut ? QStringLiteral(" (span's end)") : "");
    if (event.peak && event.peakVirupas) {
        // A planet that turns back over the exact point reaches the same
        // greatest strength twice; the search keeps the first.
        tip += QStringLiteral("\npeak %1 at %2 virupas (the first, where it comes twice)")
                   .arg(TimeText(*event.peak),
                        QString::fromStdString(VirupasText(*event.peakVirupas)));
    }
    return tip + TagsTip(event, TagsOf(event, natal_->dasha, natal_->ashtakavarga));
}

std::optional<TransitPrint> TransitsTab::PrintedTransits() const {
    if (!found_) {
        return std::nullopt;
    }
    const QString heading =
        QStringLiteral(
            "Transits of %1 from %2 to %3 (UTC): Graha Drishti windows (grey), Sputa "
            "Drishti at %4 virupas or more (tinted by their peaks), Sade Sati")
            .arg(QString::fromStdString(natal_->name),
                 QString::fromStdString(IsoMinuteText(found_->from).substr(0, 10)),
                 QString::fromStdString(IsoMinuteText(found_->to).substr(0, 10)),
                 QString::fromStdString(VirupasText(found_->threshold)));
    return TransitPrint{ShownEvents(),
                        natal_->points,
                        found_->from,
                        found_->to,
                        JulianDayOf(QDate::currentDate()),
                        heading.toStdString(),
                        plot_->Samples(),
                        found_->threshold,
                        plot_->Title(),
                        natal_->dasha};
}

void TransitsTab::PlotChosenRow() {
    const TimelineRow* row = timeline_->ChosenRow();
    if (row == nullptr || !found_) {
        return;
    }
    const QString name =
        row->sadeSati ? QStringLiteral("Saturn: Sade Sati") : QString::fromStdString(row->label);
    if (row->sadeSati || row->kakshya || row->transiting >= ASPECTING_PLANETS) {
        plot_->ShowSamples({}, found_->from, found_->to, JulianDayOf(QDate::currentDate()),
                           found_->threshold,
                           (name + QStringLiteral(": no Sputa Drishti to plot")).toStdString());
        return;
    }
    const std::unique_ptr<PositionSource> source =
        SwissPositionSources(natal_->ayanamsa, natal_->node)();
    Result<std::vector<StrengthSample>> samples =
        SampleStrength(*source, row->transiting, natal_->points[row->natal].longitude, found_->from,
                       found_->to, StrengthSampleCount(row->transiting, found_->from, found_->to));
    if (!samples) {
        status_->setText(QString::fromStdString(samples.refusal().message));
        return;
    }
    plot_->ShowSamples(
        std::move(*samples), found_->from, found_->to, JulianDayOf(QDate::currentDate()),
        found_->threshold,
        (name + QStringLiteral(", classical Sputa Drishti in virupas")).toStdString());
}

}  // namespace sarovin

#pragma once

#include <QGroupBox>
#include <atomic>
#include <memory>
#include <optional>

#include "calculation/calculation.h"
#include "document/transit_pages.h"
#include "timeline/window_filter.h"
#include "transits/kept_windows.h"
#include "transits/transit_search.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

namespace sarovin {

class StrengthPlotView;
class TimelineView;

// tabTransits: when transits aspect the reading on show. A span (from
// today, a year by default), a threshold and a zone for the times; Search
// runs off the window's thread with a progress bar and Cancel, and shows
// the timeline of the windows under the lane of the reading's periods;
// choosing a row plots its strength. Filters keep the windows of a
// transiting body, on a natal point, of a kind, peaking at a minimum, or
// (period lords only) falling in a period of their own bodies. A cancelled
// search leaves the tab as it was, its span boxes with it.
class TransitsTab : public QGroupBox {
    Q_OBJECT

  public:
    explicit TransitsTab(QWidget* parent = nullptr);
    ~TransitsTab() override;

    // The natal points and ephemeris of a reading with the Swiss Ephemeris;
    // an earlier search's results are cleared.
    void ShowReading(const Calculation& calculation);
    // The windows on show, headed with the span and threshold, to print.
    std::optional<TransitPrint> PrintedTransits() const;

  signals:
    // The last search's events are on show.
    void SearchFinished();

  private:
    struct Natal {
        std::string name;
        std::vector<NatalPoint> points;
        AyanamsaSystem ayanamsa = AyanamsaSystem::Lahiri;
        LunarNode node = LunarNode::Mean;
        int birthOffsetSeconds = 0;
        // The reading's periods, drawn over the rows and read at each
        // window, and its Ashtakavarga, whose bindus the windows carry.
        std::optional<Vimshottari> dasha;
        std::optional<Ashtakavarga> ashtakavarga;
    };
    struct Found {
        KeptWindows windows;
        double from = 0;
        double to = 0;
        double threshold = 0;
        // Searched on one thread where two were asked for: the system
        // would not start the second.
        bool fewerThreads = false;
    };

    QWidget* BuildControls();
    QWidget* BuildFilters();
    WindowFilter FilterChosen() const;
    void ShowAgain();
    void ShowSpanOnShow();
    void Search();
    void Cancel();
    void Finish(std::optional<Found> found, QString problem);
    void SetSearching(bool searching);
    void ShowFound();
    // The windows found that pass the filters chosen.
    std::vector<TransitEvent> ShownEvents() const;
    QString PeriodTipOf(const DashaBar& bar) const;
    void PlotChosenRow();
    QString TimeText(double julianDay) const;
    QString TipOf(const TransitEvent& event) const;

    QDateEdit* from_;
    QDateEdit* to_;
    QDoubleSpinBox* threshold_;
    QComboBox* zone_;
    QCheckBox* periodLords_;
    QComboBox* body_;
    QComboBox* natalPoint_;
    QComboBox* kind_;
    QDoubleSpinBox* minimumPeak_;
    QLabel* rows_;
    QPushButton* search_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;
    TimelineView* timeline_;
    StrengthPlotView* plot_;
    std::optional<Natal> natal_;
    std::optional<Found> found_;
    QThread* thread_ = nullptr;  // the search's, until it has ended
    std::shared_ptr<std::atomic<bool>> cancelled_;
};

}  // namespace sarovin

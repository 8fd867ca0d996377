#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "timeline/strength_plot.h"
#include "timeline/time_window.h"
#include "timeline/transit_timeline.h"

namespace sarovin {

// picTransitTimeline: the laid-out timeline, painted by the one painter in
// the palette's colours; pointing at a bar shows its tooltip, clicking a
// row chooses it. Ctrl with the wheel zooms about the pointer and dragging
// pans, within the span searched.
class TimelineView : public QWidget {
    Q_OBJECT

  public:
    explicit TimelineView(QWidget* parent = nullptr);

    // The tooltip texts of a window and of a period, made by the tab in
    // the zone chosen.
    struct Tips {
        std::function<QString(const TransitEvent&)> window;
        std::function<QString(const DashaBar&)> period;
    };
    // The windows found over the span from `from` to `to`, under the lane
    // of the natal periods when given, laid out anew at each width and
    // shown whole; `today` is marked.
    void ShowEvents(std::vector<TransitEvent> events, std::vector<NatalPoint> points,
                    std::optional<Vimshottari> dasha, double from, double to, double today,
                    Tips tips);
    const TimelineLayout& layout() const { return layout_; }
    const TimelineRow* ChosenRow() const;
    // The tooltip of the window or period at `point`; empty where none is.
    QString TipAt(QPointF point) const;
    // The stretch of the span on show, and the whole span again.
    const TimeWindow& Shown() const { return shown_; }
    void FitSpan();

  signals:
    void RowChosen();
    // The timeline was laid out anew: its axis's header follows.
    void LaidOut();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void LayOut();
    // The moment at `x` on the time axis.
    double TimeAt(double x) const;

    std::vector<TransitEvent> events_;
    std::vector<NatalPoint> points_;
    std::optional<Vimshottari> dasha_;
    TimeWindow span_;
    TimeWindow shown_;
    double today_ = 0;
    TimelineLayout layout_;
    Tips tips_;
    std::optional<std::size_t> chosen_;
    // Where a drag began, and whether it has moved the window.
    std::optional<double> dragX_;
    bool dragged_ = false;
};

// hdrTransitAxis: the timeline's time axis, kept in view above its rows.
class TimeAxisView : public QWidget {
    Q_OBJECT

  public:
    explicit TimeAxisView(const TimelineView& timeline, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const TimelineView& timeline_;
};

// picTransitPlot: one pair's strength against date, with today's line;
// until a row is chosen it says how to choose one.
class StrengthPlotView : public QWidget {
    Q_OBJECT

  public:
    explicit StrengthPlotView(QWidget* parent = nullptr);
    // One pair's strength over the span, laid out anew at each size;
    // nothing for none.
    void ShowSamples(std::vector<StrengthSample> samples, double from, double to, double today,
                     double threshold, std::string title);
    void Clear();
    const std::optional<StrengthPlot>& plot() const { return plot_; }
    // What is plotted, for the printed page; no samples while nothing is.
    const std::vector<StrengthSample>& Samples() const { return samples_; }
    const std::string& Title() const { return title_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void LayOut();

    std::vector<StrengthSample> samples_;
    double from_ = 0;
    double to_ = 1;
    double today_ = 0;
    double threshold_ = 0;
    std::string title_;
    std::optional<StrengthPlot> plot_;
};

// The words the plot shows until a row is chosen.
inline constexpr const char* PLOT_HINT = "Click a row to plot its strength.";

}  // namespace sarovin

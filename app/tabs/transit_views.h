#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "timeline/strength_plot.h"
#include "timeline/transit_timeline.h"

namespace sarovin {

// picTransitTimeline: the laid-out timeline, painted by the one painter;
// pointing at a bar shows its tooltip, clicking a row chooses it.
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
    // of the natal periods when given, laid out anew at each width;
    // `today` is marked.
    void ShowEvents(std::vector<TransitEvent> events, std::vector<NatalPoint> points,
                    std::optional<Vimshottari> dasha, double from, double to, double today,
                    Tips tips);
    const TimelineLayout& layout() const { return layout_; }
    const TimelineRow* ChosenRow() const;

  signals:
    void RowChosen();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void LayOut();

    std::vector<TransitEvent> events_;
    std::vector<NatalPoint> points_;
    std::optional<Vimshottari> dasha_;
    double from_ = 0;
    double to_ = 1;
    double today_ = 0;
    TimelineLayout layout_;
    Tips tips_;
    std::optional<std::size_t> chosen_;
};

// picTransitPlot: one pair's strength against date.
class StrengthPlotView : public QWidget {
    Q_OBJECT

  public:
    explicit StrengthPlotView(QWidget* parent = nullptr);
    // One pair's strength over the span, laid out anew at each size;
    // nothing for none.
    void ShowSamples(std::vector<StrengthSample> samples, double from, double to, double threshold,
                     std::string title);
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
    double threshold_ = 0;
    std::string title_;
    std::optional<StrengthPlot> plot_;
};

}  // namespace sarovin

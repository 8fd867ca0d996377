#pragma once

#include <QWidget>
#include <optional>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"

namespace sarovin {

// picChart: the chart of a reading with the aspects of one chosen body
// drawn on it. The pointer chooses the body it rests on or clicks; the
// arrow keys step through the bodies, and so does Tab until the last one.
class ChartView : public QWidget {
    Q_OBJECT

  public:
    explicit ChartView(QWidget* parent = nullptr);

    // Shows `calculation`, which the window keeps; the chosen body's aspects
    // are read from it while it is shown.
    // Two charts as one: `outer` as its reading, with the bodies of `inner`
    // on the inner side of their signs; the chosen body is outer's.
    void ShowComparison(const Calculation& outer, const Calculation& inner);
    // A chart, such as a varga's, with the rows its arrows come from, which
    // the caller keeps while they are shown.
    void ShowChart(ChartContent content, const std::array<DrishtiRow, GRAHA_ROWS>& graha,
                   const std::array<DrishtiRow, RASHI_ROWS>& rashi);
    // The reading's Bhava Chalit chart (bodies by house) and its houses,
    // which the caller keeps while they are shown; none for a reading
    // without houses.
    void ShowHouses(ChartContent chalit, const std::optional<Houses>& houses);
    // Bodies by house (the Bhava Chalit chart, drawing Drishti on houses)
    // instead of by sign; only for a reading with houses.
    void SetBhavaChalit(bool byHouse);
    void SetStyle(ChartStyle style);
    void SetAspectKind(AspectKind kind);
    void ChooseBody(std::optional<int> body);
    std::optional<int> ChosenBody() const { return chosen_; }

    // The chart as drawn now, in the square that starts at ChartCorner().
    ChartLayout CurrentLayout() const;
    QPointF ChartCorner() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void ChosenBodyChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    const ChartContent& ContentShown() const;
    std::optional<ChartFocus> FocusShown() const;
    double ChartSide() const;
    void ChooseBodyAt(const QPointF& position);
    // Moves the choice `steps` bodies on, round from the last to the first.
    void StepBodies(int steps);

    ChartContent content_;
    const std::array<DrishtiRow, GRAHA_ROWS>* graha_ = nullptr;
    const std::array<DrishtiRow, RASHI_ROWS>* rashi_ = nullptr;
    ChartContent chalitContent_;
    const Houses* houses_ = nullptr;
    bool byHouse_ = false;
    ChartStyle style_ = ChartStyle::SouthIndian;
    AspectKind kind_ = AspectKind::Graha;
    std::optional<int> chosen_;
};

}  // namespace sarovin

#include "transits/swiss_position_source.h"

#include "swiss/transit_positions.h"

namespace sarovin {

namespace {

class SwissPositionSource : public PositionSource {
  public:
    SwissPositionSource(AyanamsaSystem ayanamsa, LunarNode node)
        : ayanamsa_(ayanamsa), node_(node) {}

    Result<BodyMotion> MotionAt(int body, double julianDayUt) override {
        const Result<SwissMotion> motion = ComputeSwissMotion(body, julianDayUt, ayanamsa_, node_);
        if (!motion) {
            return motion.refusal();
        }
        return BodyMotion{motion->longitude, motion->speed};
    }

  private:
    AyanamsaSystem ayanamsa_;
    LunarNode node_;
};

}  // namespace

PositionSourceFactory SwissPositionSources(AyanamsaSystem ayanamsa, LunarNode node) {
    return [ayanamsa, node]() -> std::unique_ptr<PositionSource> {
        return std::make_unique<SwissPositionSource>(ayanamsa, node);
    };
}

}  // namespace sarovin

#include "swiss/swiss_position_source.h"

#include "swiss/ephemeris_session.h"
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

    // The planets are seen where they stood when their light left them, up
    // to two hours earlier: on the files' first day that is before them. A
    // span's end is read too, and the files' end is not theirs.
    Result<CoveredDays> Covered() override {
        const EphemerisFiles& files = PrepareThreadEphemeris();
        if (!files.found) {
            return UnusableFilesRefusal(files);
        }
        return CoveredDays{files.firstJulianDayUt + 1, files.endJulianDayUt - 1,
                           "the Swiss Ephemeris files"};
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

#include "files/Resampler.h"

#include <algorithm>
#include <cmath>
#include <samplerate.h>

namespace tlv {

namespace {
constexpr double kMostRatioAStage = 200;  // libsamplerate takes up to 256
constexpr long kBlockFrames = 4096;
// The filters reach past both ends of the stream; the ends are held for this many output points
// beyond them, so that the result's first and last points are not pulled towards zero.
constexpr double kHeldOutputPoints = 16;
}  // namespace

struct Resampler::Stage {
    SRC_STATE* state = nullptr;
    double ratio = 1;
    ~Stage() { src_delete(state); }
};

Resampler::Resampler(long long inputCount, int outputCount) : outputCount_(outputCount)
{
    const double ratio = double(outputCount) / double(std::max(1LL, inputCount));
    const int count = std::max(1, int(std::ceil(std::abs(std::log(ratio)) / std::log(kMostRatioAStage))));
    for (int i = 0; i < count && ratio != 1; ++i) {
        auto stage = std::make_unique<Stage>();
        int status = 0;
        stage->state = src_new(SRC_SINC_FASTEST, 1, &status);
        stage->ratio = std::pow(ratio, 1.0 / count);
        if (!stage->state) {
            error_ = src_strerror(status);
            return;
        }
        stages_.push_back(std::move(stage));
    }
    held_ = static_cast<long long>(std::ceil(kHeldOutputPoints / std::min(1.0, ratio)));
    skipped_ = static_cast<size_t>(std::llround(double(held_) * ratio));
    out_.reserve(size_t(outputCount) + 4 * size_t(kHeldOutputPoints));
}

Resampler::~Resampler() = default;

bool Resampler::run(size_t index, std::span<const float> in, bool end)
{
    if (index == stages_.size()) {
        for (float v : in)
            if (out_.size() < skipped_ + size_t(outputCount_))
                out_.push_back(v);
        return true;
    }
    Stage& stage = *stages_[index];
    std::vector<float> block(static_cast<size_t>(kBlockFrames));
    for (;;) {
        SRC_DATA data{};
        // The converter takes no null input, not even with no frames at the end of the stream.
        static const float kNothing = 0;
        data.data_in = in.empty() ? &kNothing : in.data();
        data.input_frames = long(in.size());
        data.data_out = block.data();
        data.output_frames = kBlockFrames;
        data.src_ratio = stage.ratio;
        data.end_of_input = end;
        if (int status = src_process(stage.state, &data)) {
            error_ = src_strerror(status);
            return false;
        }
        in = in.subspan(size_t(data.input_frames_used));
        if (data.output_frames_gen > 0 && !run(index + 1, {block.data(), size_t(data.output_frames_gen)}, false))
            return false;
        if (in.empty() && data.output_frames_gen == 0)
            return !end || run(index + 1, {}, true);
    }
}

bool Resampler::push(std::span<const double> values)
{
    if (!error_.isEmpty())
        return false;
    if (stages_.empty()) {
        for (double v : values)
            if (out_.size() < size_t(outputCount_))
                out_.push_back(v);
        return true;
    }
    if (values.empty())
        return true;
    std::vector<float> in;
    if (!started_)
        in.assign(size_t(held_), float(values.front()));
    started_ = true;
    last_ = values.back();
    in.insert(in.end(), values.begin(), values.end());
    return run(0, in, false);
}

std::vector<double> Resampler::finish()
{
    if (!stages_.empty() && started_ && error_.isEmpty()) {
        const std::vector<float> tail(static_cast<size_t>(held_), static_cast<float>(last_));
        run(0, tail, false);
        run(0, {}, true);
        out_.erase(out_.begin(), out_.begin() + long(std::min(skipped_, out_.size())));
    }
    if (!out_.empty())
        out_.resize(size_t(outputCount_), out_.back());
    return std::move(out_);
}

}  // namespace tlv

#pragma once

#include <QString>
#include <memory>
#include <span>
#include <vector>

// Band-limited change of a stream's length (libsamplerate): a capture of any length becomes
// exactly the points asked for, with whatever lies above the new Nyquist frequency filtered out
// instead of folded back. Ratios beyond what one converter takes run through a chain of them.
namespace tlv {

class Resampler {
public:
    Resampler(long long inputCount, int outputCount);
    ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // False on a converter's failure; error() says why.
    bool push(std::span<const double> values);
    // The whole result: exactly outputCount points (the last one repeated if the chain came short).
    std::vector<double> finish();
    QString error() const { return error_; }

private:
    struct Stage;
    bool run(size_t stage, std::span<const float> in, bool end);

    int outputCount_;
    std::vector<std::unique_ptr<Stage>> stages_;
    long long held_ = 0;   // input values the ends are held for
    size_t skipped_ = 0;   // output points that stand for the held start
    bool started_ = false;
    double last_ = 0;
    std::vector<double> out_;
    QString error_;
};

}  // namespace tlv

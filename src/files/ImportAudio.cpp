#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sndfile.h>

#include "files/ImportReaders.h"

namespace tlv {

namespace {

constexpr sf_count_t kHeadFrames = 1 << 20;
constexpr sf_count_t kChunkFrames = 1 << 14;
constexpr double kFullScaleVolts = 5.0;

struct SoundFile {
    SF_INFO info{};
    std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file{nullptr, sf_close};

    bool open(const QString& path, QString& error)
    {
        file.reset(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
        if (!file)
            error = "Cannot read " + QFileInfo(path).fileName() + " as audio: " + sf_strerror(nullptr) + ".";
        return file != nullptr;
    }
    QString formatName(int format) const
    {
        SF_FORMAT_INFO name{};
        name.format = format;
        return sf_command(nullptr, SFC_GET_FORMAT_INFO, &name, sizeof name) == 0 ? name.name : QString();
    }
    // Reads up to frames frames of one channel into out (volts); the count read, -1 on failure.
    sf_count_t read(int channel, sf_count_t frames, std::vector<double>& all, std::vector<double>& out)
    {
        all.resize(size_t(frames * info.channels));
        const sf_count_t got = sf_readf_double(file.get(), all.data(), frames);
        out.resize(size_t(std::max<sf_count_t>(got, 0)));
        for (sf_count_t i = 0; i < got; ++i)
            out[size_t(i)] = all[size_t(i * info.channels + channel)] * kFullScaleVolts;
        return sf_error(file.get()) == SF_ERR_NO_ERROR ? got : -1;
    }
};

}  // namespace

std::optional<SourceInfo> InspectAudio(const QString& path, QString& error)
{
    SoundFile sound;
    if (!sound.open(path, error))
        return std::nullopt;
    SourceInfo info;
    info.path = path;
    info.kind = SourceKind::Audio;
    info.count = sound.info.frames;
    info.description = "audio file";
    info.firstLines = {"Format: " + sound.formatName(sound.info.format & SF_FORMAT_TYPEMASK) + ", " +
                           sound.formatName(sound.info.format & SF_FORMAT_SUBMASK),
                       QString("Channels: %1 at %2 samples/s").arg(sound.info.channels).arg(sound.info.samplerate),
                       QString("Frames: %1").arg(sound.info.frames), "Full scale is +/-5 V."};
    for (int c = 0; c < sound.info.channels; ++c)
        info.channels << (sound.info.channels == 2 ? QStringList{"Left", "Right"}[c] : QString("Channel %1").arg(c + 1));
    std::vector<double> all, one;
    info.head.assign(size_t(sound.info.channels), {});
    const sf_count_t frames = std::min(kHeadFrames, sound.info.frames);
    all.resize(size_t(frames * sound.info.channels));
    const sf_count_t got = sf_readf_double(sound.file.get(), all.data(), frames);
    for (sf_count_t i = 0; i < got; ++i)
        for (int c = 0; c < sound.info.channels; ++c)
            info.head[size_t(c)].push_back(all[size_t(i * sound.info.channels + c)] * kFullScaleVolts);
    info.headIsWhole = got == sound.info.frames;
    return info;
}

bool ReadAudio(const SourceInfo& info, int channel, const ValueSink& sink,
               const std::function<bool(double)>& progress, QString& error)
{
    SoundFile sound;
    if (!sound.open(info.path, error))
        return false;
    std::vector<double> all, one;
    for (sf_count_t done = 0; done < sound.info.frames;) {
        const sf_count_t got = sound.read(channel, std::min(kChunkFrames, sound.info.frames - done), all, one);
        if (got <= 0) {
            error = QString("Cannot read %1 past frame %2: %3.")
                        .arg(QFileInfo(info.path).fileName())
                        .arg(done)
                        .arg(sf_strerror(sound.file.get()));
            return false;
        }
        done += got;
        if (!sink(one) || !progress(double(done) / double(sound.info.frames)))
            return false;
    }
    return true;
}

}  // namespace tlv

#include "files/ImportWaveformForm.h"

#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cmath>

#include "display/PlotPainter.h"
#include "files/Resampler.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Scale.h"
#include "model/SegmentAppend.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

const QString kFilter = QStringLiteral(
    "Captures (*.csv *.tsv *.txt *.dat *.prn *.wav *.flac *.aif *.aiff *.ogg *.mat);;All files (*)");
constexpr int kPictureWidth = 296, kPictureHeight = 110;

std::optional<double> NumberIn(const QString& text, double low, double high)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high ? std::optional(value) : std::nullopt;
}

QString ClippedText(int clipped)
{
    return clipped == 1 ? QStringLiteral("1 point was clipped to +/-5 V.")
                        : QString("%1 points were clipped to +/-5 V.").arg(clipped);
}

// Reads the whole channel on a thread of its own, fitting its length as it goes.
class ImportWork : public ProgressWork {
public:
    ImportWork(const SourceInfo& source, int channel, long long count, std::optional<int> target)
        : source_(source), channel_(channel), count_(count), target_(target)
    {
    }
    ~ImportWork() override
    {
        cancel();
        wait();
    }
    void start() override
    {
        thread_.reset(QThread::create([this] { run(); }));
        thread_->start();
    }
    bool finished() const override { return thread_ && thread_->isFinished(); }
    void wait() override
    {
        if (thread_)
            thread_->wait();
    }
    void cancel() override { cancel_ = true; }
    QString title() const override { return QStringLiteral("Import Waveform"); }
    QString progressText() const override
    {
        return QString("%1% of %2 read").arg(percent_.load()).arg(QFileInfo(source_.path).fileName());
    }

    bool cancelled() const { return cancel_; }
    QString error;
    std::vector<double> values;

private:
    void run()
    {
        const auto progress = [this](double share) {
            percent_ = static_cast<int>(share * 100);
            return !cancel_.load();
        };
        if (!target_) {
            // As read: one value more than the buffer holds is enough to know it does not fit.
            ReadSource(source_, channel_, [this](std::span<const double> in) {
                values.insert(values.end(), in.begin(), in.end());
                return values.size() <= size_t(kMaxPoints);
            }, progress, error);
            return;
        }
        long long count = count_;
        // A long table is counted first: a fifth of the way.
        const double counting = count < 0 ? 0.2 : 0;
        if (count < 0 && (count = CountValues(source_, [&](double share) { return progress(share * counting); }, error)) < 0)
            return;
        Resampler resampler(count, *target_);
        const auto reading = [&](double share) { return progress(counting + share * (1 - counting)); };
        if (ReadSource(source_, channel_, [&](std::span<const double> in) { return resampler.push(in); },
                       reading, error))
            values = resampler.finish();
        else if (error.isEmpty() && !cancel_)
            error = "Cannot resample the values: " + resampler.error() + ".";
    }

    const SourceInfo& source_;
    int channel_;
    long long count_;
    std::optional<int> target_;
    std::atomic<bool> cancel_ = false;
    std::atomic<int> percent_ = 0;
    std::unique_ptr<QThread> thread_;
};

}  // namespace

ImportWaveformForm::ImportWaveformForm(Workspace& ws, SourceInfo source)
    : DialogForm("Import Waveform", QSize(640, 560)), ws_(ws), source_(std::move(source)),
      room_(ws.activeWindow() ? kLastPoint - WritePosition(ws.edit) : kLastPoint)
{
    const QString name = QFileInfo(source_.path).fileName();
    add("lblFile", ControlKind::Label, QRect(16, 10, 608, 20), name + ": " + source_.description);
    add("lblFirst", ControlKind::Label, QRect(16, 34, 608, 20),
        source_.kind == SourceKind::Text ? "First lines of the file:" : "What the file holds:");
    Control& lines = add("lblLines", ControlKind::Label, QRect(16, 54, 608, 100), source_.firstLines.join('\n'));
    lines.background = QColor(Qt::white);
    add("lblSkipped", ControlKind::Label, QRect(16, 158, 608, 20),
        source_.skippedLines.isEmpty() ? QString("No header lines.")
                                       : QString("%1 header line(s) skipped, the last: \"%2\"")
                                             .arg(source_.skippedLines.size())
                                             .arg(source_.skippedLines.back()));
    setVisible("lblSkipped", source_.kind == SourceKind::Text);
    add("lblChannel", ControlKind::Label, QRect(16, 189, 80, 20), "Channel");
    Control& list = add("cboChannel", ControlKind::List, QRect(100, 186, 260, 24), source_.channels.value(source_.defaultChannel));
    list.items = source_.channels;

    add("fraLength", ControlKind::Frame, QRect(16, 220, 296, 96), " Length");
    add("optAsRead", ControlKind::Option, QRect(28, 244, 270, 22), "As read").buddy = "fraLength";
    add("optResample", ControlKind::Option, QRect(28, 276, 120, 22), "Resample to").buddy = "fraLength";
    add("txtPoints", ControlKind::TextBox, QRect(150, 275, 80, 24));
    add("lblPoints", ControlKind::Label, QRect(236, 278, 70, 20), "points");

    add("fraLevel", ControlKind::Frame, QRect(328, 220, 296, 124), " Level");
    add("optVolts", ControlKind::Option, QRect(340, 244, 270, 22), "As volts, clipped at +/-5 V").buddy = "fraLevel";
    add("optPeak", ControlKind::Option, QRect(340, 270, 150, 22), "Peak-to-peak (V)").buddy = "fraLevel";
    add("txtPeak", ControlKind::TextBox, QRect(500, 269, 80, 24), "10");
    add("optGain", ControlKind::Option, QRect(340, 296, 150, 22), "Gain").buddy = "fraLevel";
    add("txtGain", ControlKind::TextBox, QRect(500, 295, 80, 24), "1");
    add("lblOffset", ControlKind::Label, QRect(358, 320, 130, 20), "Offset (V)");
    add("txtOffset", ControlKind::TextBox, QRect(500, 318, 80, 24), "0");

    add("lblSource", ControlKind::Label, QRect(16, 350, 296, 20), "Source");
    add("picSource", ControlKind::Picture, QRect(16, 370, kPictureWidth, kPictureHeight));
    add("lblResult", ControlKind::Label, QRect(328, 350, 296, 20), "Result");
    add("picResult", ControlKind::Picture, QRect(328, 370, kPictureWidth, kPictureHeight));
    add("lblCounts", ControlKind::Label, QRect(16, 486, 430, 60));
    // OK comes first of the buttons, so that Enter in a box presses it.
    add("cmdOK", ControlKind::Button, QRect(456, 516, 80, 28), "OK");
    add("cmdCancel", ControlKind::Button, QRect(544, 516, 80, 28), "Cancel");

    // A source that fits is taken as read; a longer one is fitted to the room left.
    const long long count = sourceCount();
    const bool fits = count >= 0 && count <= room_;
    at(fits ? "optAsRead" : "optResample").selected = true;
    setText("txtPoints", QString::number(std::max(1, fits ? int(count) : room_)));
    // Audio is scaled to full scale already; other sources are taken as volts.
    at("optVolts").selected = true;
    refresh();
}

int ImportWaveformForm::channel() const
{
    return std::max(0, int(source_.channels.indexOf(text("cboChannel"))));
}

long long ImportWaveformForm::sourceCount() const
{
    if (source_.kind == SourceKind::Mat)
        return static_cast<long long>(source_.head[size_t(channel())].size());
    return source_.count;
}

std::optional<int> ImportWaveformForm::targetPoints() const
{
    static const QRegularExpression digits("^\\s*\\d{1,5}\\s*$");
    if (!digits.match(text("txtPoints")).hasMatch())
        return std::nullopt;
    const int points = text("txtPoints").trimmed().toInt();
    return points >= 1 && points <= kLastPoint ? std::optional(points) : std::nullopt;
}

std::optional<LevelFit> ImportWaveformForm::levelFit() const
{
    LevelFit fit;
    if (control("optVolts")->selected)
        return fit;
    const auto offset = NumberIn(text("txtOffset"), -5, 5);
    if (control("optPeak")->selected) {
        const auto peak = NumberIn(text("txtPeak"), 0, 10);
        if (!peak || !offset)
            return std::nullopt;
        return LevelFit{LevelMode::PeakToPeak, *peak, 1, *offset};
    }
    const auto gain = NumberIn(text("txtGain"), -1e12, 1e12);
    if (!gain || !offset)
        return std::nullopt;
    return LevelFit{LevelMode::Gain, 10, *gain, *offset};
}

void ImportWaveformForm::textChanged(const QString&) { refresh(); }
void ImportWaveformForm::listPicked(const QString&) { refresh(); }

void ImportWaveformForm::clicked(const QString& name)
{
    if (name == "cmdOK")
        ok();
    else if (name == "cmdCancel")
        close();
    else
        refresh();
}

void ImportWaveformForm::refresh()
{
    const bool resample = control("optResample")->selected;
    setEnabled("txtPoints", resample);
    setEnabled("txtPeak", control("optPeak")->selected);
    setEnabled("txtGain", control("optGain")->selected);
    setEnabled("txtOffset", !control("optVolts")->selected);

    sourcePreview_ = source_.head.at(size_t(channel()));
    const long long count = sourceCount();
    const std::optional<int> points = targetPoints();
    const std::optional<LevelFit> fit = levelFit();
    QStringList lines;
    lines << (source_.headIsWhole
                  ? QString("Source: %1 values.").arg(sourcePreview_.size())
                  : QString("Source: %1 %2 values; the first %3 are shown.")
                        .arg(count >= 0 ? "" : "about")
                        .arg(count >= 0 ? count : source_.estimatedCount)
                        .arg(sourcePreview_.size())
                        .simplified());
    resultPreview_ = {};
    if (resample && !points) {
        lines << QString("The points must be a whole number from 1 to %1.").arg(kLastPoint);
    } else if (!fit) {
        lines << "The level boxes must be numbers: a peak-to-peak span from 0 to 10 V, an offset "
                 "from -5 to +5 V.";
    } else {
        std::vector<double> shown = sourcePreview_;
        if (resample) {
            // The part shown, squeezed by the whole source's ratio.
            const double known = double(count >= 0 ? count : std::max(1LL, source_.estimatedCount));
            const int length = std::clamp(int(std::lround(double(shown.size()) * *points / known)), 1, kMaxPoints);
            Resampler resampler(static_cast<long long>(shown.size()), length);
            resampler.push(shown);
            shown = resampler.finish();
        }
        resultPreview_ = FitLevels(std::move(shown), *fit);
        const long long total = resample ? *points : count;
        lines << (total >= 0 ? QString("Result: %1 points").arg(total) : QString("Result: as many points as read"))
                     + (total > room_ ? QString(", more than the %1 left.").arg(room_) : QString("."))
              << QString(resultPreview_.clipped ? ClippedText(resultPreview_.clipped) : QString("No point is clipped."))
                         .chopped(1) + (source_.headIsWhole ? "." : " in the part shown.");
    }
    setText("lblCounts", lines.join('\n'));
}

std::vector<QPointF> ImportWaveformForm::pictureTrace(const QString& name) const
{
    if (name == "picResult")
        return ColumnTrace(resultPreview_.volts, kPictureWidth, kPictureHeight, -5, 5);
    if (name != "picSource" || sourcePreview_.empty())
        return {};
    // The source in its own units, from its lowest to its highest value with a margin.
    const auto [low, high] = std::minmax_element(sourcePreview_.begin(), sourcePreview_.end());
    const double margin = std::max(*high - *low, 1e-9) / 20;
    return ColumnTrace(sourcePreview_, kPictureWidth, kPictureHeight, *low - margin, *high + margin);
}

void ImportWaveformForm::paintPicture(const QString& name, QPainter& painter, QSize size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), kPlotBackground);
    painter.setPen(kGridColour);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawLine(0, size.height() / 2, size.width() - 1, size.height() / 2);
    const std::vector<QPointF> trace = pictureTrace(name);
    painter.save();
    painter.scale(size.width() / double(kPictureWidth), size.height() / double(kPictureHeight));
    QPen pen(kTraceColour);
    pen.setCosmetic(true);
    painter.setPen(pen);
    if (!trace.empty())
        painter.drawPolyline(trace.data(), int(trace.size()));
    painter.restore();
}

void ImportWaveformForm::refuse(const QString& text)
{
    ws_.prompter->message(text, "TLV", Buttons::Ok, Icon::Exclamation);
}

void ImportWaveformForm::ok()
{
    const bool resample = control("optResample")->selected;
    const std::optional<int> points = targetPoints();
    if (resample && !points)
        return refuse(QString("The points must be a whole number from 1 to %1.").arg(kLastPoint));
    const std::optional<LevelFit> fit = levelFit();
    if (!fit)
        return refuse("The level boxes must be numbers: a peak-to-peak span from 0 to 10 V, an offset from -5 to +5 V.");
    const long long known = resample ? *points : sourceCount();
    if (known > room_ || known > kLastPoint)
        return refuse("Shortage Editing Space ");

    ImportWork work(source_, channel(), sourceCount(), resample ? points : std::nullopt);
    ws_.prompter->showDownload(work);
    if (work.cancelled())
        return;
    if (!work.error.isEmpty())
        return refuse(work.error);
    if (work.values.empty())
        return refuse("No values were read from " + QFileInfo(source_.path).fileName() + ".");
    if (work.values.size() > size_t(room_))
        return refuse("Shortage Editing Space ");
    FittedValues fitted = FitLevels(std::move(work.values), *fit);
    close();
    if (!ws_.activeWindow() && !ws_.New())
        return;
    const int count = static_cast<int>(fitted.volts.size());
    if (AppendSegment(ws_, count, [&fitted](int) { return fitted.volts; }) && fitted.clipped > 0)
        ws_.prompter->message(ClippedText(fitted.clipped), "TLV", Buttons::Ok, Icon::Information);
}

void ImportWaveform(Workspace& ws)
{
    const std::optional<QString> path = ws.prompter->openFile("Import Waveform", kFilter);
    if (!path)
        return;
    QString error;
    std::optional<SourceInfo> source = InspectSource(*path, error);
    if (!source) {
        ws.prompter->message(error, "TLV", Buttons::Ok, Icon::Exclamation);
        return;
    }
    ImportWaveformForm form(ws, std::move(*source));
    ws.prompter->runModal(form);
}

}  // namespace tlv

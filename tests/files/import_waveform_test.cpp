// Import Waveform: text tables, audio and MATLAB files, the fitting of length and level, the dialog.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <tuple>
#include <matio.h>
#include <sndfile.h>

#include "files/ImportFit.h"
#include "files/ImportWaveformForm.h"
#include "files/Resampler.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::Messages;

namespace {

class ImportWaveformTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // The whole channel as ReadSource streams it, which must end with the error given.
    static std::vector<double> ReadAll(const SourceInfo& info, int channel, const QString& expected = "")
    {
        std::vector<double> all;
        QString error;
        ReadSource(info, channel, [&](std::span<const double> in) {
            all.insert(all.end(), in.begin(), in.end());
            return true;
        }, [](double) { return true; }, error);
        EXPECT_EQ(error, expected);
        return all;
    }
    SourceInfo inspect(const QString& path)
    {
        QString error;
        std::optional<SourceInfo> info = InspectSource(path, error);
        EXPECT_TRUE(info) << error.toStdString();
        return info.value_or(SourceInfo{});
    }
    QString refusal(const QString& path)
    {
        QString error;
        EXPECT_FALSE(InspectSource(path, error));
        return error;
    }
    // A MAT file holding a 4 x 1 vector v, a 3 x 2 matrix m and the text s, or the text alone.
    QString writeMat(const QString& name, mat_ft version, bool textOnly = false)
    {
        const QString path = dir.filePath(name);
        mat_t* mat = Mat_CreateVer(QFile::encodeName(path).constData(), nullptr, version);
        EXPECT_TRUE(mat);
        double vector[] = {1, 2, 3, 4}, matrix[] = {1, 2, 3, -1, -2, -3};
        char text[] = "abc";
        size_t vectorDims[] = {4, 1}, matrixDims[] = {3, 2}, textDims[] = {1, 3};
        for (auto [name, type, data_type, dims, data] :
             {std::tuple{"v", MAT_C_DOUBLE, MAT_T_DOUBLE, vectorDims, static_cast<void*>(vector)},
              std::tuple{"m", MAT_C_DOUBLE, MAT_T_DOUBLE, matrixDims, static_cast<void*>(matrix)},
              std::tuple{"s", MAT_C_CHAR, MAT_T_UINT8, textDims, static_cast<void*>(text)}}) {
            if (textOnly && type != MAT_C_CHAR)
                continue;
            matvar_t* var = Mat_VarCreate(name, type, data_type, 2, dims, data, 0);
            Mat_VarWrite(mat, var, MAT_COMPRESSION_NONE);
            Mat_VarFree(var);
        }
        Mat_Close(mat);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ImportWaveformTest, TextLayoutsSkipTheirHeadersAndOfferTheFirstColumnThatIsNoAxis)
{
    // Name, text, the channels offered, the one first chosen, the lines skipped, its values.
    const std::tuple<const char*, QByteArray, QStringList, int, int, std::vector<double>> layouts[] = {
        {"name-value", "Record Length,3\r\nSample Interval,0.5\r\n0,1.5\r\n0.5,-2\r\n1,3\r\n",
         {"Column 1", "Column 2"}, 1, 2, {1.5, -2, 3}},
        {"axis-pair", "x-axis,1\nsecond,Volt\n0,0.25\n1e-3,0.5\n2e-3,0.75\n", {"second", "Volt"}, 1, 2, {0.25, 0.5, 0.75}},
        {"trailing-empty", "X,CH1,Start,Increment,\n-1,0.1,,\n0,0.2,,\n1,0.3,,\n", {"X", "CH1"}, 1, 1, {0.1, 0.2, 0.3}},
        {"multi-channel", "nr,time,ch1,ch2\n1,0.0,5,6\n2,0.1,7,8\n3,0.2,6,10\n",
         {"nr", "time", "ch1", "ch2"}, 2, 1, {5, 7, 6}},
        {"decimal-comma", "Zeit;Spannung\r0,0;1,5\r0,1;-2,25\r0,2;+3E-1\r", {"Zeit", "Spannung"}, 1, 1, {1.5, -2.25, 0.3}},
        {"one-column", "4\t\n-4\n\n0.125\n", {"Column 1"}, 0, 0, {4, -4, 0.125}},
        {"spaces", "  1   2.5\n  2  -2.5\n  3   1\n", {"Column 1", "Column 2"}, 1, 0, {2.5, -2.5, 1}},
    };
    for (const auto& [name, text, channels, channel, skipped, values] : layouts) {
        SCOPED_TRACE(name);
        const SourceInfo info = inspect(write(name, text));
        EXPECT_EQ(info.kind, SourceKind::Text);
        EXPECT_EQ(info.channels, channels);
        EXPECT_EQ(info.defaultChannel, channel);
        EXPECT_EQ(info.skippedLines.size(), skipped);
        EXPECT_EQ(info.count, static_cast<long long>(values.size()));
        EXPECT_EQ(ReadAll(info, info.defaultChannel), values);
    }
}

TEST_F(ImportWaveformTest, BadSourcesAreRefusedWithWhatWasSeen)
{
    EXPECT_EQ(refusal(write("words.txt", "hello\nworld\n")),
              "No numbers were found in words.txt. Its first line reads \"hello\".");
    EXPECT_EQ(refusal(write("empty.csv", "")), "No numbers were found in empty.csv, which is empty.");
    EXPECT_EQ(refusal(write("junk.bin", QByteArray("1,2\n\0\x01", 6))),
              "junk.bin is neither a text table, nor an audio file, nor a MATLAB file.");
    EXPECT_TRUE(refusal(write("bad.wav", "RIFF\x10\0\0\0WAVEjunk")).startsWith("Cannot read bad.wav as audio: "));
    EXPECT_EQ(refusal(writeMat("text.mat", MAT_FT_MAT5, true)), "text.mat holds no real numeric vector or matrix.");
    ReadAll(inspect(write("short.csv", "t,a,b\n0,1,2\n1,1,2\n2,1,2\n3,1\n")), 2,
            "Line 5 of short.csv has no number in column 3 (b).");
}

// libsndfile hands every sample format over as the same doubles: one format stands for all.
TEST_F(ImportWaveformTest, StereoAudioReachesFullScaleAtFiveVolts)
{
    const QString path = dir.filePath("tone.wav");
    SF_INFO sf{0, 8000, 2, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0, 0};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &sf);
    ASSERT_TRUE(file) << sf_strerror(nullptr);
    const double frames[] = {0.5, -0.25, -1.0, 0.75, 0.0, 0.5};
    sf_writef_double(file, frames, 3);
    sf_close(file);
    const SourceInfo info = inspect(path);
    EXPECT_EQ(info.kind, SourceKind::Audio);
    EXPECT_EQ(info.channels, QStringList({"Left", "Right"}));
    EXPECT_EQ(info.count, 3);
    EXPECT_EQ(ReadAll(info, 1), std::vector<double>({-1.25, 3.75, 2.5}));
}

TEST_F(ImportWaveformTest, MatFilesOfBothVersionsOfferEveryNumericColumn)
{
    for (mat_ft version : {MAT_FT_MAT5, MAT_FT_MAT73}) {
        SCOPED_TRACE(version);
        const SourceInfo info = inspect(writeMat(QString("v%1.mat").arg(version), version));
        EXPECT_EQ(info.kind, SourceKind::Mat);
        QStringList channels = info.channels;
        channels.sort();  // a 7.3 file lists its variables by name
        EXPECT_EQ(channels, QStringList({"m(:,1)", "m(:,2)", "v"}));
        EXPECT_EQ(ReadAll(info, int(info.channels.indexOf("m(:,2)"))), std::vector<double>({-1, -2, -3}));
    }
}

TEST(Resampler, KeepsWhatFitsBelowTheNewNyquistAndRemovesWhatLiesAbove)
{
    // 10 cycles stay; 30000 cycles lie far above the 5000 that 10000 points can hold.
    const int in = 100000, out = 10000;
    std::vector<double> source(in);
    for (int i = 0; i < in; ++i)
        source[size_t(i)] = std::sin(2 * M_PI * 10 * i / in) + 0.5 * std::sin(2 * M_PI * 30000 * i / in);
    Resampler resampler(in, out);
    for (int i = 0; i < in; i += 7000)
        ASSERT_TRUE(resampler.push(std::span(source).subspan(size_t(i), size_t(std::min(7000, in - i)))));
    const std::vector<double> result = resampler.finish();
    ASSERT_EQ(result.size(), size_t(out));
    double worst = 0;
    for (int j = 100; j < out - 100; ++j)
        worst = std::max(worst, std::abs(result[size_t(j)] - std::sin(2 * M_PI * 10 * j / out)));
    EXPECT_LT(worst, 0.01);

    // Past one converter's ratio both ways, the length comes out exact, and the ends keep their
    // level instead of fading towards zero.
    for (auto [from, to] : {std::pair{10, 16383}, std::pair{16383 * 300, 50}}) {
        Resampler chain(from, to);
        chain.push(std::vector<double>(size_t(from), 1.0));
        const std::vector<double> flat = chain.finish();
        ASSERT_EQ(flat.size(), size_t(to));
        for (double v : flat)
            ASSERT_NEAR(v, 1.0, 0.001);
    }
}

TEST(FitLevels, ClipsJustPastFiveVoltsAndScalesSpansAroundTheOffset)
{
    const FittedValues volts = FitLevels({5.0, -5.0, 5.000001, -5.000001, 9}, {});
    EXPECT_EQ(volts.volts, std::vector<double>({5, -5, 5, -5, 5}));
    EXPECT_EQ(volts.clipped, 3);
    EXPECT_EQ(FitLevels({0, 3.3, 1.65}, {LevelMode::PeakToPeak, 4, 1, 1}).volts, std::vector<double>({-1, 3, 1}));
    EXPECT_EQ(FitLevels({2, 2}, {LevelMode::PeakToPeak, 4, 1, -0.5}).volts, std::vector<double>({-0.5, -0.5}));
    const FittedValues gained = FitLevels({1, -3}, {LevelMode::Gain, 10, 2, 0.5});
    EXPECT_EQ(gained.volts, std::vector<double>({2.5, -5}));
    EXPECT_EQ(gained.clipped, 1);
}

TEST_F(ImportWaveformTest, OkAppendsAsOneEditAndEveryRefusalLeavesTheDocumentAlone)
{
    ScriptedPrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    const SourceInfo info = inspect(write("ramp.csv", "0\n1\n2\n3\n4\n5\n6\n7\n"));

    // No document open: OK opens one.
    ImportWaveformForm first(ws, info);
    EXPECT_TRUE(first.control("optAsRead")->selected);
    first.click("cmdOK");
    ASSERT_TRUE(ws.activeWindow());
    EXPECT_EQ(ws.edit.PointCount, 8);
    EXPECT_TRUE(prompter.shown.contains("download shown"));
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | 2 points were clipped to +/-5 V."});

    const QString points = "The points must be a whole number from 1 to 16383.";
    const QString levels =
        "The level boxes must be numbers: a peak-to-peak span from 0 to 10 V, an offset from -5 to +5 V.";
    for (const auto& [option, box, typed, message] :
         {std::tuple{"optResample", "txtPoints", "0", points}, {"optResample", "txtPoints", "16384", points},
          {"optResample", "txtPoints", "16376", QString("Shortage Editing Space ")},
          {"optPeak", "txtPeak", "10.5", levels}}) {
        prompter.shown.clear();
        ImportWaveformForm form(ws, info);
        form.click(option);
        form.type(box, typed);
        form.click("cmdOK");
        EXPECT_FALSE(form.isClosed()) << typed;
        EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | " + message});
        EXPECT_EQ(ws.edit.PointCount, 8) << typed;
    }

    ImportWaveformForm fits(ws, info);
    fits.click("optResample");
    fits.type("txtPoints", "16375");  // 8 + 16375 = the last point
    fits.click("optGain");
    fits.type("txtGain", "0.5");
    fits.click("cmdOK");
    EXPECT_EQ(ws.edit.PointCount, 16383);
    EXPECT_NEAR(ws.edit.WaveText.value(8 + 16375 / 2), 2.0, 0.1);  // source value 4, halved
    EXPECT_TRUE(ws.edit.UndoReady);

    ImportWaveformForm cancelled(ws, info);
    cancelled.click("cmdCancel");
    EXPECT_TRUE(cancelled.isClosed());
    EXPECT_EQ(ws.edit.PointCount, 16383);
}

}  // namespace

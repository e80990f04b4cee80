#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <matio.h>
#include <memory>

#include "files/ImportReaders.h"

namespace tlv {

namespace {

constexpr size_t kHeadValues = 1 << 20;
constexpr size_t kMostColumns = 256;  // of one matrix offered as channels

using MatFile = std::unique_ptr<mat_t, int (*)(mat_t*)>;
using MatVar = std::unique_ptr<matvar_t, void (*)(matvar_t*)>;

bool Numeric(const matvar_t& var)
{
    switch (var.class_type) {
    case MAT_C_DOUBLE: case MAT_C_SINGLE: case MAT_C_INT8: case MAT_C_UINT8: case MAT_C_INT16:
    case MAT_C_UINT16: case MAT_C_INT32: case MAT_C_UINT32: case MAT_C_INT64: case MAT_C_UINT64:
        return !var.isComplex && var.rank == 2 && var.dims[0] > 0 && var.dims[1] > 0;
    default:
        return false;
    }
}

template <class T>
double At(const void* data, size_t i) { return static_cast<double>(static_cast<const T*>(data)[i]); }

double Value(const matvar_t& var, size_t i)
{
    switch (var.class_type) {
    case MAT_C_DOUBLE: return At<double>(var.data, i);
    case MAT_C_SINGLE: return At<float>(var.data, i);
    case MAT_C_INT8: return At<int8_t>(var.data, i);
    case MAT_C_UINT8: return At<uint8_t>(var.data, i);
    case MAT_C_INT16: return At<int16_t>(var.data, i);
    case MAT_C_UINT16: return At<uint16_t>(var.data, i);
    case MAT_C_INT32: return At<int32_t>(var.data, i);
    case MAT_C_UINT32: return At<uint32_t>(var.data, i);
    case MAT_C_INT64: return At<int64_t>(var.data, i);
    default: return At<uint64_t>(var.data, i);
    }
}

// A vector is one channel, "name"; each column of a matrix one, "name(:,k)".
struct Channel {
    QString variable;
    size_t column = 0;
};
Channel ParseChannel(const QString& text)
{
    static const QRegularExpression column("^(.*)\\(:,(\\d+)\\)$");
    const auto m = column.match(text);
    return m.hasMatch() ? Channel{m.captured(1), m.captured(2).toULongLong() - 1} : Channel{text, 0};
}

MatFile Open(const QString& path, QString& error)
{
    MatFile mat(Mat_Open(QFile::encodeName(path).constData(), MAT_ACC_RDONLY), Mat_Close);
    if (!mat)
        error = "Cannot read " + QFileInfo(path).fileName() + " as a MATLAB file.";
    return mat;
}

// The column's values of a variable read whole.
std::vector<double> Column(const matvar_t& var, size_t column, size_t most)
{
    const bool vector = var.dims[0] == 1 || var.dims[1] == 1;
    const size_t rows = vector ? var.dims[0] * var.dims[1] : var.dims[0];
    std::vector<double> values(std::min(rows, most));
    for (size_t r = 0; r < values.size(); ++r)
        values[r] = Value(var, vector ? r : column * rows + r);
    return values;
}

}  // namespace

std::optional<SourceInfo> InspectMat(const QString& path, QString& error)
{
    MatFile mat = Open(path, error);
    if (!mat)
        return std::nullopt;
    SourceInfo info;
    info.path = path;
    info.kind = SourceKind::Mat;
    info.headIsWhole = true;
    info.description = Mat_GetVersion(mat.get()) == MAT_FT_MAT73 ? "MATLAB 7.3 file" : "MATLAB 5 file";
    QStringList names;
    while (matvar_t* found = Mat_VarReadNextInfo(mat.get())) {
        MatVar var(found, Mat_VarFree);
        if (Numeric(*var) && var->name)
            names << var->name;
    }
    for (const QString& name : names) {
        MatVar var(Mat_VarRead(mat.get(), name.toUtf8().constData()), Mat_VarFree);
        if (!var || !var->data || !Numeric(*var))
            continue;
        const bool vector = var->dims[0] == 1 || var->dims[1] == 1;
        const size_t columns = vector ? 1 : std::min(var->dims[1], kMostColumns);
        for (size_t c = 0; c < columns; ++c) {
            info.channels << (vector ? name : QString("%1(:,%2)").arg(name).arg(c + 1));
            info.head.push_back(Column(*var, c, kHeadValues));
        }
    }
    info.firstLines << "Numeric variables: " + names.join(", ");
    if (info.channels.isEmpty()) {
        error = QFileInfo(path).fileName() + " holds no real numeric vector or matrix.";
        return std::nullopt;
    }
    info.count = static_cast<long long>(info.head.front().size());
    info.headIsWhole = std::all_of(info.head.begin(), info.head.end(), [](auto& h) { return h.size() < kHeadValues; });
    return info;
}

bool ReadMat(const SourceInfo& info, int channel, const ValueSink& sink,
             const std::function<bool(double)>& progress, QString& error)
{
    MatFile mat = Open(info.path, error);
    if (!mat)
        return false;
    const Channel wanted = ParseChannel(info.channels.value(channel));
    MatVar var(Mat_VarRead(mat.get(), wanted.variable.toUtf8().constData()), Mat_VarFree);
    if (!var || !var->data || !Numeric(*var)) {
        error = "Cannot read the variable " + wanted.variable + " of " + QFileInfo(info.path).fileName() + ".";
        return false;
    }
    const std::vector<double> values = Column(*var, wanted.column, SIZE_MAX);
    return sink(values) && progress(1.0);
}

}  // namespace tlv

// The writing generator and its preview twin, for every shape of the shape table.
#include "synthesis/Generators.h"

#include "model/SegmentAppend.h"
#include "model/Workspace.h"
#include "synthesis/ShapeTable.h"

namespace tlv {

namespace {

// The segment's values in volts, clipped to the instrument's range.
std::vector<double> SegmentVolts(const ShapeParameters& shape, int limit)
{
    const ShapeRow* row = ShapeOfKind(shape.kind);
    const UniformSource random = row && row->random ? FreshNoiseSource() : UniformSource();
    std::vector<double> volts = ShapeMillivolts(shape, limit, random);
    for (double& v : volts)
        v = ClipMillivolts(v) / 1000;
    return volts;
}

// The parameter set of the last segment, under the system's names.
void RecordParameters(SegmentParameters& seg, const ShapeParameters& shape)
{
    seg.SegPoints = shape.points;
    seg.SegCycles = shape.cycles;
    seg.SegPhase = shape.phase;
    seg.SegAmplitude = shape.amplitude;
    seg.SegOffset = shape.offset;
    seg.SegDamp = shape.damp;
    seg.SegDuty = shape.duty;
}

}  // namespace

void InsertSegment(Workspace& ws, const ShapeParameters& shape)
{
    RecordParameters(ws.seg, shape);
    AppendSegment(ws, shape.points, [&shape](int room) { return SegmentVolts(shape, room); });
}

void PreviewSegment(Workspace& ws, const ShapeParameters& shape)
{
    RecordParameters(ws.seg, shape);
    std::fill(ws.work.WorkVolts.begin(), ws.work.WorkVolts.end(), 0.0);
    const std::vector<double> volts = SegmentVolts(shape, kMaxPoints);
    std::copy(volts.begin(), volts.end(), ws.work.WorkVolts.begin());
    ws.seg.PreviewCount = static_cast<int16_t>(volts.size());
}

}  // namespace tlv

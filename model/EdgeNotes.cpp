#include "model/EdgeNotes.hpp"

namespace jouk {

namespace {

struct NotedEdges {
  bool trailing = false;
  bool leading = false;
};

// The edges to note: those the result left out; none of a failed result.
NotedEdges EdgesToNote(const LiftAndPressure& result) {
  if (!result.ok) return {};
  return {result.trailingEdgeOmitted, result.leadingEdgeOmitted};
}

}  // namespace

std::optional<MessageId> SurfaceTableNote(const LiftAndPressure& result) {
  const NotedEdges edges = EdgesToNote(result);
  if (edges.trailing && edges.leading) return MessageId::kBothEdgesOffTable;
  if (edges.trailing) return MessageId::kTrailingEdgeOffTable;
  if (edges.leading) return MessageId::kLeadingEdgeOffTable;
  return std::nullopt;
}

std::vector<MessageId> CurveNotes(const LiftAndPressure& result) {
  const NotedEdges edges = EdgesToNote(result);
  std::vector<MessageId> notes;
  if (edges.trailing) notes.push_back(MessageId::kTrailingEdgeOffCurves);
  if (edges.leading) notes.push_back(MessageId::kLeadingEdgeOffCurves);
  return notes;
}

}  // namespace jouk

#include "framework/services/timing_trace.h"

#include <windows.h>

#include <cstdlib>

namespace fw {

namespace {

// Opened once, at the first call; the view stays mapped for the whole run.
TimingTraceBlock* Block() {
  static TimingTraceBlock* const block = []() -> TimingTraceBlock* {
    const char* name = std::getenv(kTimingTraceVariable);
    if (name == nullptr || *name == '\0') return nullptr;
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (mapping == nullptr) return nullptr;
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(TimingTraceBlock));
    CloseHandle(mapping);  // the view keeps the section
    return static_cast<TimingTraceBlock*>(view);
  }();
  return block;
}

}  // namespace

bool TimingTraceOn() { return Block() != nullptr; }

std::int64_t TraceNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void TraceSpan(TraceKind kind, std::int32_t detail, std::int64_t begin, std::int64_t end) {
  TimingTraceBlock* block = Block();
  if (block == nullptr) return;
  const std::int64_t n = block->count;
  TimingTraceBlock::Span& span = block->spans[n % TimingTraceBlock::kSpans];
  span.begin = begin;
  span.end = end;
  span.kind = static_cast<std::int32_t>(kind);
  span.detail = detail;
  MemoryBarrier();
  block->count = n + 1;
}

void TracePoint(TraceKind kind, std::int32_t detail) {
  if (!TimingTraceOn()) return;
  const std::int64_t now = TraceNow();
  TraceSpan(kind, detail, now, now);
}

void TraceSwitchPosted() {
  if (TimingTraceBlock* block = Block()) block->posted = TraceNow();
}

}  // namespace fw

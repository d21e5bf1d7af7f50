// The text engine's robustness rig: one memory bitmap with a canvas and a GDI+ surface, the picture
// sources the markup names (an image list, an HTML picture container and cache, a GDI+ picture container,
// each with a good and a broken picture), and the checks one input goes through: drawn, measured and
// hit-tested by every build of the engine, nothing thrown out, the caller's canvas as it was before.
// GUI thread only.
#pragma once

#include <memory>
#include <string>

namespace html_robustness {

struct TObjectCounts {
  long gdi = 0;  // GDI objects of the process
  long gdip = 0;  // GDI+ wrappers alive (counted while a rig exists)
  bool operator==(const TObjectCounts&) const = default;
};

class TEngineRig {
 public:
  TEngineRig();
  ~TEngineRig();
  TEngineRig(const TEngineRig&) = delete;
  TEngineRig& operator=(const TEngineRig&) = delete;

  // Runs Markup through every build and entry; what went wrong, one line each, empty when nothing did.
  std::string Check(const std::string& Markup);
  // Lets the system make what it keeps for the life of the process once it is first asked for (the shell's
  // image lists, stock objects, font caches), so that the counts afterwards only move for what the
  // engine leaves behind.
  void WarmUp();
  // The object counts after the pictures loaded by URL during the checks are let go.
  TObjectCounts Counts();

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};

}  // namespace html_robustness

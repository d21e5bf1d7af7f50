#pragma once
// Owners for GDI handles: each frees its handle exactly once, and only handles it created.
#include <utility>
#include <windows.h>

namespace fw {

// A pen, brush, font, bitmap or region that DeleteObject frees.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~GdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

// A device context made by CreateCompatibleDC, freed by DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's device context from GetDC, given back by ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of a whole window, non-client area included (GetWindowDC), given back by ReleaseDC.
class WholeWindowDC {
 public:
  explicit WholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  WholeWindowDC(const WholeWindowDC&) = delete;
  WholeWindowDC& operator=(const WholeWindowDC&) = delete;
  ~WholeWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves a DC's state (origin, clipping, selected objects) for one scope and restores it.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;
  ~SavedDCState() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

// BeginPaint for one scope and EndPaint at its end, also when painting throws, so the window is
// validated and not asked to paint again and again.
class PaintSession {
 public:
  explicit PaintSession(HWND window) : window_(window) { BeginPaint(window, &paint_); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;
  ~PaintSession() { EndPaint(window_, &paint_); }
  HDC DC() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// Moves a DC's origin to (x, y) relative to its current origin and clips drawing to width x height
// there, until the end of the scope.
class OffsetClippedDC {
 public:
  OffsetClippedDC(HDC dc, int x, int y, int width, int height) : state_(dc) {
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + x, origin.y + y, nullptr);
    IntersectClipRect(dc, 0, 0, width, height);
  }

 private:
  SavedDCState state_;
};

}  // namespace fw

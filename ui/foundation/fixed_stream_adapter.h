#pragma once
// A framework stream as a COM stream for GDI+: its Stat never hands out a name, which GDI+ would have to
// free.
#include "framework/streams/stream_adapter.h"

namespace ui {

class TFixedStreamAdapter : public fw::TStreamAdapter {
 public:
  using TStreamAdapter::TStreamAdapter;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;

 protected:
  ~TFixedStreamAdapter() override = default;
};

}  // namespace ui

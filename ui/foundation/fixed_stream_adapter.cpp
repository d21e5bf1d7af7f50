#include "ui/foundation/fixed_stream_adapter.h"

namespace ui {

HRESULT STDMETHODCALLTYPE TFixedStreamAdapter::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
  const HRESULT result = TStreamAdapter::Stat(pstatstg, grfStatFlag);
  if (SUCCEEDED(result) && pstatstg->pwcsName != nullptr) {
    CoTaskMemFree(pstatstg->pwcsName);
    pstatstg->pwcsName = nullptr;
  }
  return result;
}

}  // namespace ui

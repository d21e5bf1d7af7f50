#include "framework/streams/stream_adapter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace fw {

TStreamAdapter::TStreamAdapter(TStream* Stream, TStreamOwnership Ownership)
    : stream_(Stream), ownership_(Ownership) {}

TStreamAdapter::~TStreamAdapter() {
  if (ownership_ == soOwned) delete stream_;
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IStream) ||
      IsEqualIID(riid, IID_ISequentialStream)) {
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TStreamAdapter::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE TStreamAdapter::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  if (pv == nullptr) return STG_E_INVALIDPOINTER;
  try {
    const auto n = stream_->Read(pv, static_cast<std::int32_t>(std::min<ULONG>(cb, 0x7FFFFFFF)));
    if (pcbRead) *pcbRead = static_cast<ULONG>(n);
    return static_cast<ULONG>(n) == cb ? S_OK : S_FALSE;
  } catch (...) {
    if (pcbRead) *pcbRead = 0;
    return S_FALSE;
  }
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
  if (pv == nullptr) return STG_E_INVALIDPOINTER;
  try {
    const auto n = stream_->Write(pv, static_cast<std::int32_t>(std::min<ULONG>(cb, 0x7FFFFFFF)));
    if (pcbWritten) *pcbWritten = static_cast<ULONG>(n);
    return static_cast<ULONG>(n) == cb ? S_OK : STG_E_CANTSAVE;
  } catch (...) {
    if (pcbWritten) *pcbWritten = 0;
    return STG_E_CANTSAVE;
  }
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                                               ULARGE_INTEGER* plibNewPosition) {
  if (dwOrigin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
  try {
    const std::int64_t position = stream_->Seek(dlibMove.QuadPart, static_cast<TSeekOrigin>(dwOrigin));
    if (position < 0) return STG_E_INVALIDFUNCTION;
    if (plibNewPosition) plibNewPosition->QuadPart = static_cast<ULONGLONG>(position);
    return S_OK;
  } catch (...) {
    return STG_E_INVALIDFUNCTION;
  }
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::SetSize(ULARGE_INTEGER libNewSize) {
  try {
    stream_->SetSize(static_cast<std::int64_t>(libNewSize.QuadPart));
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                                                 ULARGE_INTEGER* pcbWritten) {
  if (pstm == nullptr) return STG_E_INVALIDPOINTER;
  try {
    std::vector<std::uint8_t> buffer(64 * 1024);
    ULONGLONG left = cb.QuadPart;
    ULONGLONG read = 0;
    ULONGLONG written = 0;
    HRESULT result = S_OK;
    while (left > 0) {
      const auto want = static_cast<std::int32_t>(std::min<ULONGLONG>(left, buffer.size()));
      const std::int32_t got = stream_->Read(buffer.data(), want);
      if (got <= 0) break;
      read += static_cast<ULONGLONG>(got);
      ULONG put = 0;
      result = pstm->Write(buffer.data(), static_cast<ULONG>(got), &put);
      written += put;
      if (FAILED(result) || put != static_cast<ULONG>(got)) {
        if (SUCCEEDED(result)) result = STG_E_MEDIUMFULL;
        break;
      }
      left -= static_cast<ULONGLONG>(got);
    }
    if (pcbRead) pcbRead->QuadPart = read;
    if (pcbWritten) pcbWritten->QuadPart = written;
    return result;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::Commit(DWORD) { return S_OK; }
HRESULT STDMETHODCALLTYPE TStreamAdapter::Revert() { return STG_E_REVERTED; }
HRESULT STDMETHODCALLTYPE TStreamAdapter::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}
HRESULT STDMETHODCALLTYPE TStreamAdapter::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
  if (pstatstg == nullptr) return STG_E_INVALIDPOINTER;
  try {
    std::memset(pstatstg, 0, sizeof(*pstatstg));
    pstatstg->type = STGTY_STREAM;
    pstatstg->cbSize.QuadPart = static_cast<ULONGLONG>(stream_->Size());
    pstatstg->grfMode = STGM_READWRITE;
    pstatstg->grfLocksSupported = 0;
    if ((grfStatFlag & STATFLAG_NONAME) == 0) {
      // An empty name of the caller's to free.
      auto* name = static_cast<wchar_t*>(CoTaskMemAlloc(sizeof(wchar_t)));
      if (name == nullptr) return E_OUTOFMEMORY;
      name[0] = L'\0';
      pstatstg->pwcsName = name;
    }
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT STDMETHODCALLTYPE TStreamAdapter::Clone(IStream** ppstm) {
  if (ppstm) *ppstm = nullptr;
  return E_NOTIMPL;
}

}  // namespace fw

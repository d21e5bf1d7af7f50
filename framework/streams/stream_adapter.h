// TStreamAdapter: a COM IStream over a TStream, through which GDI+ and the OLE picture loader read the
// framework's streams. It is reference-counted like any COM object: make it with new, hold it in a
// ComRef (or pass it on) and it deletes itself at the last Release; with soOwned it frees the stream then.
//
// Stat is virtual (it is part of IStream): a descendant may change the record it returns. The base
// fills the size and type and, unless asked with STATFLAG_NONAME, a name allocated with CoTaskMemAlloc
// that the caller frees.
//
// No exception leaves a method: a failing stream becomes an error code.
#pragma once

#include <windows.h>
#include <objidl.h>

#include "framework/streams/stream.h"

namespace fw {

enum TStreamOwnership { soReference, soOwned };

class TStreamAdapter : public IStream {
 public:
  explicit TStreamAdapter(TStream* Stream, TStreamOwnership Ownership = soReference);
  TStreamAdapter(const TStreamAdapter&) = delete;
  TStreamAdapter& operator=(const TStreamAdapter&) = delete;

  TStream* Stream() const { return stream_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
  HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER libNewSize) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                                   ULARGE_INTEGER* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD grfCommitFlags) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override;

 protected:
  virtual ~TStreamAdapter();

 private:
  TStream* stream_;
  TStreamOwnership ownership_;
  LONG references_ = 0;
};

}  // namespace fw

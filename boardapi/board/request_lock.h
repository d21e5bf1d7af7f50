// The board's request lock: a re-entrant critical section that serialises request-and-reply exchanges on
// pipe 1 and guards the reply queues.
#pragma once

#include <windows.h>

class RequestLock {
 public:
  RequestLock() { InitializeCriticalSection(&section_); }
  ~RequestLock() { DeleteCriticalSection(&section_); }
  RequestLock(const RequestLock&) = delete;
  RequestLock& operator=(const RequestLock&) = delete;

  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

class ScopedRequest {
 public:
  explicit ScopedRequest(RequestLock& lock) : lock_(lock) { lock_.Enter(); }
  ~ScopedRequest() { lock_.Leave(); }
  ScopedRequest(const ScopedRequest&) = delete;
  ScopedRequest& operator=(const ScopedRequest&) = delete;

 private:
  RequestLock& lock_;
};

// A scripted FSUIPC window behind the FSUIPC client's link: every exchange is recorded as the requests found
// in the buffer; reads are answered from `readValues` by offset (little-endian), else with `answerByte` in
// every data byte. One at a time (the client's calls are plain functions).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "controller/aircraft/fsuipc_link.h"

namespace aircraft_test {

struct ScriptedFsuipc {
  using FsuipcLink = aircraft::FsuipcLink;
  using FsuipcPlatform = aircraft::FsuipcPlatform;
  struct Request {
    std::uint32_t kind, offset, size;
    std::vector<std::uint8_t> data;
  };
  static inline ScriptedFsuipc* current = nullptr;

  std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(0x8000, 0xEE);
  std::vector<std::vector<Request>> exchanges;
  int failuresBeforeAnswer = 0;  // SendMessageTimeout failures before one succeeds
  DWORD_PTR answer = 1;
  DWORD lastError = 0;
  std::uint8_t answerByte = 0x5A;
  std::map<std::uint32_t, std::uint64_t> readValues;
  int sends = 0, sleeps = 0, atomsDeleted = 0, viewsUnmapped = 0, handlesClosed = 0;

  FsuipcLink Link() {
    FsuipcLink link;
    link.window = reinterpret_cast<HWND>(0x1234);
    link.message = 0xC123;
    link.atom = 0xC001;
    link.mapping = reinterpret_cast<HANDLE>(0x88);
    link.view = buffer.data();
    link.next = buffer.data();
    return link;
  }
  FsuipcPlatform Calls() {
    FsuipcPlatform calls;
    calls.SendMessageTimeout = [](HWND window, UINT message, WPARAM atom, LPARAM, UINT flags, UINT timeout,
                                  PDWORD_PTR out) -> LRESULT {
      return current->Send(window, message, atom, flags, timeout, out);
    };
    calls.Sleep = [](DWORD ms) { current->sleeps += ms == 100 ? 1 : 1000; };
    calls.GetLastError = []() -> DWORD { return current->lastError; };
    calls.GlobalDeleteAtom = [](ATOM) -> ATOM { ++current->atomsDeleted; return 0; };
    calls.UnmapViewOfFile = [](LPCVOID) -> BOOL { ++current->viewsUnmapped; return TRUE; };
    calls.CloseHandle = [](HANDLE) -> BOOL { ++current->handlesClosed; return TRUE; };
    return calls;
  }
  LRESULT Send(HWND window, UINT message, WPARAM atom, UINT flags, UINT timeout, PDWORD_PTR out) {
    ++sends;
    EXPECT_EQ(window, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(message, 0xC123u);
    EXPECT_EQ(atom, 0xC001u);
    EXPECT_EQ(flags, static_cast<UINT>(SMTO_BLOCK));
    EXPECT_EQ(timeout, 2000u);
    if (failuresBeforeAnswer > 0) {
      --failuresBeforeAnswer;
      return 0;
    }
    std::vector<Request> requests;
    std::uint8_t* at = buffer.data();
    for (;;) {
      Request r{};
      std::memcpy(&r.kind, at, 4);
      if (r.kind != 1 && r.kind != 2) break;
      std::memcpy(&r.offset, at + 4, 4);
      std::memcpy(&r.size, at + 8, 4);
      std::uint8_t* data = at + (r.kind == 1 ? 16 : 12);
      if (r.kind == 1) {
        std::memset(data, answerByte, r.size);
        const auto value = readValues.find(r.offset);
        if (value != readValues.end()) std::memcpy(data, &value->second, std::min<std::size_t>(r.size, 8));
      }
      r.data.assign(data, data + r.size);
      requests.push_back(r);
      at = data + r.size;
    }
    exchanges.push_back(requests);
    *out = answer;
    return 1;
  }
};

}  // namespace aircraft_test

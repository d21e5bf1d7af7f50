// A "_std" twin answers exactly what its plain function answers, with the same outputs.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/boardapi_dll/fixtures/board_api_test.h"

namespace dlltest {
namespace {

// What a call left behind: its status and the outputs it wrote.
using Observation = std::vector<int64_t>;

struct Bench {
  std::string name;  // the bound board's device name
  int32_t session;   // bound
};

struct TwinCase {
  const char* label;
  std::function<Observation(bool twin, Bench& bench)> run;
};

template <typename Plain, typename Twin, typename... Args>
ApiStatus Call(bool twin, Plain plain, Twin stdcall, Args... args) {
  return twin ? stdcall(args...) : plain(args...);
}
#define BOTH(name) ventrix_##name, ventrix_##name##_std

const TwinCase kCases[] = {
    {"OpenControllers", [](bool t, Bench&) { return Observation{Call(t, BOTH(OpenControllers))}; }},
    {"OpenControllersClosed",
     [](bool t, Bench&) {
       ventrix_CloseControllers();
       return Observation{Call(t, BOTH(OpenControllers))};
     }},
    {"CloseControllers", [](bool t, Bench&) { return Observation{Call(t, BOTH(CloseControllers))}; }},
    {"GetDeviceList",
     [](bool t, Bench&) {
       char buffer[32] = {};
       uint32_t size = 0;
       Observation seen{Call(t, BOTH(GetDeviceList), nullptr, &size, nullptr), size};
       uint32_t small = 5;
       seen.push_back(Call(t, BOTH(GetDeviceList), buffer, &small, nullptr));
       seen.push_back(Call(t, BOTH(GetDeviceList), buffer, &size, "abc"));
       seen.push_back(Call(t, BOTH(GetDeviceList), buffer, &size, nullptr));
       seen.push_back(std::memcmp(buffer, "03E800000001\0", 14));
       return seen;
     }},
    {"GetTotalControllers",
     [](bool t, Bench&) {
       int32_t count = 0;
       Observation seen{Call(t, BOTH(GetTotalControllers), &count), count};
       seen.push_back(Call(t, BOTH(GetTotalControllers), nullptr));
       ventrix_CloseControllers();
       seen.push_back(Call(t, BOTH(GetTotalControllers), &count));
       return seen;
     }},
    {"GetAPIVersion",
     [](bool t, Bench&) {
       char buffer[16] = {};
       uint32_t size = 9;
       Observation seen{Call(t, BOTH(GetAPIVersion), buffer, &size), size};
       size = sizeof(buffer);
       seen.push_back(Call(t, BOTH(GetAPIVersion), buffer, &size));
       seen.push_back(size);
       seen.push_back(std::string(buffer) == "1.10.13.0");
       return seen;
     }},
    {"Bind",
     [](bool t, Bench& bench) {
       int32_t session = 0;
       Observation seen{Call(t, BOTH(Bind), bench.name.c_str(), &session), session};
       seen.push_back(Call(t, BOTH(Bind), static_cast<const char*>(nullptr), &session));
       seen.push_back(Call(t, BOTH(Bind), "03E8FFFFFFFF", &session));
       seen.push_back(Call(t, BOTH(Bind), bench.name.c_str(), static_cast<int32_t*>(nullptr)));
       ventrix_UnBind(bench.session);
       seen.push_back(Call(t, BOTH(Bind), bench.name.c_str(), &session));
       seen.push_back(session > bench.session);
       ventrix_UnBind(session);
       return seen;
     }},
    {"UnBind",
     [](bool t, Bench& bench) {
       return Observation{Call(t, BOTH(UnBind), bench.session), Call(t, BOTH(UnBind), bench.session)};
     }},
    {"GetBoardInfo",
     [](bool t, Bench& bench) {
       BoardInfo info{};
       Observation seen{Call(t, BOTH(GetBoardInfo), bench.session + 1000, &info)};
       seen.push_back(Call(t, BOTH(GetBoardInfo), bench.session, static_cast<BoardInfo*>(nullptr)));
       ventrix_CloseControllers();
       seen.push_back(Call(t, BOTH(GetBoardInfo), bench.session, &info));
       return seen;
     }},
    {"SetBoardOptions",
     [](bool t, Bench& bench) {
       return Observation{Call(t, BOTH(SetBoardOptions), bench.session, 3),
                          Call(t, BOTH(SetBoardOptions), bench.session + 1000, 3)};
     }},
};

class Twins : public BoardApiTest, public ::testing::WithParamInterface<TwinCase> {
 protected:
  Observation RunOnFreshBench(bool twin) {
    TearDown();
    SetUp();
    AddBoard(0x03E8, "00000001");
    Open();
    Bench bench{DeviceName(0x03E8, "00000001"), 0};
    bench.session = Bind(bench.name);
    return GetParam().run(twin, bench);
  }
};

TEST_P(Twins, AnswerLikeThePlainFunction) {
  const Observation plain = RunOnFreshBench(false);
  const Observation twin = RunOnFreshBench(true);
  EXPECT_EQ(twin, plain);
}

INSTANTIATE_TEST_SUITE_P(LibraryExports, Twins, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TwinCase>& info) { return info.param.label; });

}  // namespace
}  // namespace dlltest

#include "sim/board/report_handlers.h"

namespace hidsim {

namespace {

using Handler = void (*)(SimBoard&, const uint8_t*);

struct Route {
  uint8_t id;
  Handler handler;
};

// Reports of the special interface by id; ids not listed are taken and ignored, as the board does.
constexpr Route kRoutes[] = {
    {0x01, HandleIicMode},       {0x02, HandleIicWrite},         {0x03, HandleIicRead},
    {0x14, HandleLedMatrixMode}, {0x15, HandleLedRow},           {0x18, HandleKeyMatrixMode},
    {0x19, HandleKeyMatrixRequest}, {0xFF, HandleStatus},
};

}  // namespace

void HandleReport(SimBoard& board, int interfaceIndex, const uint8_t* report) {
  if (interfaceIndex == kPortInterface) {
    HandlePortWrite(board, report);
    return;
  }
  for (const Route& route : kRoutes) {
    if (route.id == report[0]) {
      route.handler(board, report);
      return;
    }
  }
}

void SimBoard::Send(int interfaceIndex, Bytes report) {
  if (silent) return;
  SimInterface& target = interfaces[interfaceIndex];
  target.input.push_back(std::move(report));
  // The HID driver keeps a bounded number of reports and drops the oldest.
  while (target.input.size() > target.inputBuffers) target.input.pop_front();
}

void SimBoard::Reply(std::initializer_list<uint8_t> bytes) {
  Bytes report(kReportLength[kSpecialInterface], 0);
  std::copy(bytes.begin(), bytes.end(), report.begin());
  Send(kSpecialInterface, std::move(report));
}

}  // namespace hidsim

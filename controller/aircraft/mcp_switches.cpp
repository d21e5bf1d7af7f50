#include "controller/aircraft/mcp_switches.h"

#include "controller/aircraft/mcp_panels.h"
#include "controller/aircraft/model_code.h"
#include "controller/aircraft/switch_frame.h"
#include "framework/services/clock.h"

namespace aircraft {

namespace {

struct ModelEntry {
  const char* code;
  const char* prefix;
  // The LED pass run for the switches 1..led_pass_last, with its model code.
  const char* led_pass_model;
  std::int32_t led_pass_last;
  bool only_737;
};

const ModelEntry kModels[] = {
    {"330A", "MCP - Input: ", "330A", 25, false},      {"330F", "MCP - Input: ", "330F", 25, true},
    {"3311", "MCP - Input: ", "330F", 25, true},       {"3404", "MCP - Input: ", "3404", 64, false},
    {"3310", "MCP Eval - Input: ", "330A", 25, false}, {"3403", "MCP - Input: ", "3403", 64, false},
    {"3327", "MCP - Input: ", "3327", 64, false},
};

const ModelEntry* EntryOf(const std::string& model) {
  for (const ModelEntry& entry : kModels) {
    if (HasModelCode(model, entry.code)) return &entry;
  }
  return nullptr;
}

McpPanel PanelOf(const std::string& code, bool is777) {
  if (code == "330A") return is777 ? McpPanel::kCtrl777 : McpPanel::kCtrl737;
  if (code == "330F") return McpPanel::kHaldor737;
  if (code == "3311") return McpPanel::kMx737;
  if (code == "3404") return McpPanel::kHaldorVdk;
  if (code == "3310") return McpPanel::kElvl;
  if (code == "3403") return McpPanel::kHaldor777;
  return McpPanel::kMx777;
}

// The captain's VOR/ADF selectors that are read back before anything else.
bool HasCheckedSelectors(McpPanel p) {
  return p == McpPanel::kHaldor737 || p == McpPanel::kMx737 || p == McpPanel::kHaldorVdk ||
         p == McpPanel::kHaldor777 || p == McpPanel::kMx777;
}

// The captain's selectors: 69, 70 left and 71, 72 right.
bool CaptainSelectorEventEnds(const McpEvent& e) {
  if (e.switch_number < 69 || e.switch_number > 72) return false;
  return SelectorEventEnds(e.host, e.session, e.switch_number, (e.switch_number - 69) % 2 == 0,
                           e.switch_number <= 70 ? 0 : 1);
}

}  // namespace

bool IsModeControlModel(const std::string& model) { return EntryOf(model) != nullptr; }

void RunModeControlPanel(SwitchHost& host, const std::string& model, std::int32_t session,
                         std::int32_t switchNumber, std::int32_t state) {
  const ModelEntry* entry = EntryOf(model);
  if (entry == nullptr) return;
  const bool is777 = host.Is777Selected();
  McpEvent e{host, PanelOf(entry->code, is777), session, switchNumber, state, fw::TickCount()};
  if (e.panel == McpPanel::kHaldor737 && host.Tuning().old_haldor_mcp) {
    // Older boards have the heading knob and the second course knob wired the other way round.
    static const std::int32_t kSwapped[][2] = {{37, 38}, {38, 37}, {45, 46}, {46, 45}};
    for (const auto& pair : kSwapped) {
      if (switchNumber == pair[0]) {
        e.switch_number = pair[1];
        break;
      }
    }
  }
  if (HasCheckedSelectors(e.panel) && CaptainSelectorEventEnds(e)) return;
  if (!(entry->only_737 && is777)) {
    const McpTable& table = McpTableOf(e.panel);
    const auto row = table.find(e.switch_number);
    if (row != table.end()) row->second(e);
    if (e.ended) return;
  }
  if (e.switch_number >= 1 && e.switch_number <= entry->led_pass_last) {
    host.RunMcpLedPass(entry->led_pass_model);
    host.ClearSwitchActivity();
  }
  host.SetLabel(SwitchLabel::kLastInput, SwitchLabelText(entry->prefix, e.switch_number, state));
  host.LastInput() = LastAssignableInput{};
}

}  // namespace aircraft

#include "boardapi/board/controllers.h"

#include "boardapi/board/parse_hex.h"
#include "boardapi/log/log_line.h"

CventrixControllers::CventrixControllers(BoardRetiring retiring)
    : retiring_(std::move(retiring)), count_(HidLayer_Count()) {}

CventrixControllers::~CventrixControllers() {
  if (open_) Close();
  layer_.Release();
}

bool CventrixControllers::Open() {
  if (open_) return true;
  if (layer_.Device() != nullptr) return false;
  if (!layer_.OpenLayer()) {
    // The layer may have started its machinery before it found nothing to claim.
    HidLayer_Close();
    return false;
  }
  open_ = true;
  count_ = HidLayer_Count();
  try {
    for (int32_t index = 0; index < count_; ++index) {
      auto board = std::make_shared<CventrixController>(HidLayer_Device(index + 1));
      std::string key = logline::Text("%.04X-%s", board->GetProductId(), board->GetSerialText().c_str());
      // Two boards with one product id and serial share a key: the later one stands, the earlier one goes.
      auto [entry, inserted] = nameMap_.try_emplace(key);
      if (!inserted) Retire(std::move(entry->second));
      entry->second = std::move(board);
      indexMap_[index] = std::move(key);
    }
  } catch (...) {
    Close();  // an open that failed half way leaves the list closed, not half filled
    throw;
  }
  return true;
}

void CventrixControllers::Close() {
  // The layer closes first, so the boards' shutdown finds them gone and sends nothing.
  if (layer_.Device() != nullptr && !layer_.IsAttached()) layer_.Release();
  open_ = false;
  // The list is empty before the first board shuts down: a shutdown waits for the board's workers with the
  // library lock let go, and a call that comes in meanwhile must find the list closed.
  std::map<std::string, std::shared_ptr<CventrixController>> boards;
  boards.swap(nameMap_);
  indexMap_.clear();
  for (auto& [key, board] : boards) Retire(std::move(board));
}

void CventrixControllers::Retire(std::shared_ptr<CventrixController> board) {
  if (!board) return;
  if (retiring_) retiring_(board.get());
  board->Shutdown();
  // A worker may keep the board a moment longer; its bind lock goes now, so the board can be bound again.
  board->Unbind();
}

CventrixController* CventrixControllers::ControllerByIndex(int32_t index) const {
  if (index < 0 || index >= count_) return nullptr;
  const auto key = indexMap_.find(index);
  if (key == indexMap_.end()) return nullptr;
  const auto board = nameMap_.find(key->second);
  return board == nameMap_.end() ? nullptr : board->second.get();
}

CventrixController* CventrixControllers::ControllerByName(const std::string& productIdText,
                                                          const std::string& serialText) const {
  const auto board = nameMap_.find(productIdText + "-" + serialText);
  return board == nameMap_.end() ? nullptr : board->second.get();
}

std::map<std::string, CventrixController*> CventrixControllers::FilterByModel(
    const std::string& firstByteText, const std::string& secondByteText) const {
  const int64_t first = ParseHex(firstByteText);
  const int64_t second = ParseHex(secondByteText);
  std::map<std::string, CventrixController*> found;
  for (const auto& [key, board] : nameMap_) {
    int32_t modelFirst = -1;
    int32_t modelSecond = -1;
    if (board && board->ReadModel(1, false, &modelFirst, &modelSecond) && modelFirst == first &&
        modelSecond == second) {
      found[board->GetSerialText()] = board.get();
    }
  }
  return found;
}

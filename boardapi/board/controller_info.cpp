// The board description: built from the configuration memory under the GlobalLock, published to other
// processes through a named section, and the model bytes of each memory device.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "boardapi/board/board_description.h"
#include "boardapi/board/controller.h"
#include "boardapi/board/global_lock.h"
#include "boardapi/board/iic_protocol.h"
#include "boardapi/board/parse_hex.h"
#include "boardapi/board/scoped_iic_mode.h"

namespace {

constexpr char kInfoSectionTag[] = "{B0BA7E7B-3E64-4bf7-ADB8-0B6C9D528DF6}";
constexpr int kDescriptionDevice = 1;
constexpr int kModelAddress = 128;
constexpr int32_t kUnprogrammed = 0xFF;

// A mapped view of the description section, unmapped when it goes.
class InfoView {
 public:
  explicit InfoView(HANDLE section)
      : view_(static_cast<BoardInfo*>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(BoardInfo)))) {}
  ~InfoView() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
  }
  InfoView(const InfoView&) = delete;
  InfoView& operator=(const InfoView&) = delete;
  BoardInfo* get() const { return view_; }

 private:
  BoardInfo* view_;
};

HANDLE CreateInfoSection(const std::string& name) {
  return CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(BoardInfo), name.c_str());
}

int32_t HexByte(const char* twoDigits) { return static_cast<int32_t>(ParseHex(std::string_view(twoDigits, 2))); }

}  // namespace

void CventrixController::CloseInfoSection() {
  if (infoSection_ != nullptr) CloseHandle(infoSection_);
  infoSection_ = nullptr;
}

bool CventrixController::LoadBoardInfo(bool force) {
  if (!force && (boardInfo_.model[0] != 0 || LoadPublishedInfo())) return true;
  CloseInfoSection();

  board::GlobalLock lock(GetSerialText());
  if (!lock.Held()) return false;  // another holder kept it too long
  bool read = false;
  {
    ScopedIicMode iic(*this);
    read = ReadBoardDescription(
        [this](int address, int count, int32_t* bytes) {
          return MemoryRead(kDescriptionDevice, address, &bytes[0], count > 1 ? &bytes[1] : nullptr,
                            count > 2 ? &bytes[2] : nullptr, count > 3 ? &bytes[3] : nullptr);
        },
        boardInfo_);
  }
  if (!read) return false;
  PublishInfo();
  return true;
}

bool CventrixController::GetBoardInfo(BoardInfo* out) {
  const bool loaded = LoadBoardInfo(false);
  std::memcpy(out, &boardInfo_, sizeof(BoardInfo));
  return loaded;
}

bool CventrixController::PublishInfo() {
  if (infoSection_ != nullptr) return false;
  HANDLE section = CreateInfoSection(ObjectName(kInfoSectionTag));
  if (section == nullptr) return false;
  InfoView view(section);
  if (view.get() == nullptr) {
    CloseHandle(section);
    return false;
  }
  std::memcpy(view.get(), &boardInfo_, sizeof(BoardInfo));
  infoSection_ = section;
  return true;
}

bool CventrixController::LoadPublishedInfo() {
  if (infoSection_ != nullptr) return false;
  HANDLE section = CreateInfoSection(ObjectName(kInfoSectionTag));
  if (section == nullptr) return false;
  // Only a section that someone else made holds a description; one made here is empty.
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    CloseHandle(section);
    return false;
  }
  InfoView view(section);
  if (view.get() == nullptr) {
    CloseHandle(section);
    return false;
  }
  std::memcpy(&boardInfo_, view.get(), sizeof(BoardInfo));
  infoSection_ = section;
  return true;
}

bool CventrixController::ReadModel(int device, bool force, int32_t* first, int32_t* second) {
  if (device == kDescriptionDevice && LoadBoardInfo(force)) {
    *first = HexByte(&boardInfo_.model[0]);
    *second = HexByte(&boardInfo_.model[2]);
    return true;
  }
  if (device < 1 || device > kMemoryDevices) return false;
  std::array<int32_t, 2>& cached = modelCache_[device];
  if (force || (cached[0] == -1 && cached[1] == -1)) {
    int32_t bytes[2] = {};
    bool read = false;
    {
      ScopedIicMode iic(*this);
      read = MemoryRead(device, kModelAddress, &bytes[0], &bytes[1]);
    }
    if (!read || bytes[0] == kUnprogrammed || bytes[1] == kUnprogrammed) return false;
    cached = {bytes[0], bytes[1]};
  }
  *first = cached[0];
  *second = cached[1];
  return true;
}

int32_t CventrixController::ModelValue(int device, bool force) {
  int32_t first = 0;
  int32_t second = 0;
  return ReadModel(device, force, &first, &second) ? first * 256 + second : -1;
}

std::string CventrixController::ModelText(int device, bool force) {
  int32_t first = 0;
  int32_t second = 0;
  if (!ReadModel(device, force, &first, &second)) return {};
  char text[5] = {};
  std::snprintf(text, sizeof(text), "%.02X%.02X", static_cast<unsigned>(first & 0xFF),
                static_cast<unsigned>(second & 0xFF));
  return text;
}

std::wstring CventrixController::ModelTextW(int device, bool force) {
  const std::string text = ModelText(device, force);
  return std::wstring(text.begin(), text.end());
}

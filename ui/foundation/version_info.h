#pragma once
// Every toolkit control reports its version as one 32-bit number, major, minor, release and build from
// the high byte down, and publishes it as the text "major.minor.release.build", which ignores writes.
#include <cstdint>
#include <string>

namespace ui {

constexpr std::uint32_t MakeVersionNr(std::uint8_t Major, std::uint8_t Minor, std::uint8_t Release,
                                      std::uint8_t Build) {
  return (std::uint32_t(Major) << 24) | (std::uint32_t(Minor) << 16) | (std::uint32_t(Release) << 8) | Build;
}

// "1.0.0.0" for 0x01000000.
std::string VersionText(std::uint32_t VersionNr);

// The Version property of a control: read from its version number, writes (a stored value read from a
// form description) change nothing.
class TVersionedComponent {
 public:
  virtual ~TVersionedComponent() = default;
  virtual std::uint32_t GetVersionNr() const = 0;
  std::string Version() const { return VersionText(GetVersionNr()); }
  void SetVersion(const std::string& /*Value*/) {}
};

}  // namespace ui

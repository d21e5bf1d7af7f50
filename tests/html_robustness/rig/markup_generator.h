// Random markup for the text engine's robustness runs: texts built from the engine's own tags, attributes
// and entities, with numbers at and beyond the integer limits, broken colours and picture references,
// unclosed and misnested tags, stray brackets and quotes, line breaks and long texts. The same seed gives
// the same texts on every machine (the generator has its own random source).
#pragma once

#include <cstdint>
#include <string>

namespace html_robustness {

class TMarkupGenerator {
 public:
  explicit TMarkupGenerator(std::uint64_t seed) : state_(seed) {}
  std::string Next();

 private:
  std::uint32_t Below(std::uint32_t bound);  // 0 .. bound - 1
  bool OneIn(std::uint32_t n) { return Below(n) == 0; }
  std::string Word();
  std::string Number();
  std::string Color();
  std::string PictureReference();
  std::string AttributeValue(const std::string& attribute);
  std::string Tag();
  std::string Piece();

  std::uint64_t state_;
};

}  // namespace html_robustness

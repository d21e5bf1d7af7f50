#include "controller/app/fs_module.h"

namespace trelvik {

void SplitAt(const std::string& s, const std::string& sep, std::string& left, std::string& right) {
  const std::string text = s;  // s may be right itself
  left.clear();
  right.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (sep.size() == 1 && text[i] == sep[0]) {
      right = text.substr(i + 1);
      return;
    }
    left += text[i];
  }
}

}  // namespace trelvik

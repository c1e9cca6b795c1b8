#pragma once
// The results report text, built by the calculation block by block (CR LF line ends).
#include <string>
#include <string_view>

namespace bs::design {

class Report {
 public:
  void Set(std::string text) { text_ = std::move(text); }
  void Append(std::string_view text) { text_.append(text); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace bs::design

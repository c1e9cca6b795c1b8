#pragma once
// The results report text, built by the calculation block by block (CR LF line ends), and the
// notices the calculation gives on the way (the thickness warning). The calculation shows no
// dialog itself: the screen shows the notices, the command line prints them as warnings.
#include <string>
#include <string_view>
#include <vector>

namespace bs::design {

class Report {
 public:
  // Starts the report afresh: the text, and no notices.
  void Set(std::string text) {
    text_ = std::move(text);
    notices_.clear();
  }
  void Append(std::string_view text) { text_.append(text); }
  const std::string& Text() const { return text_; }
  void Notice(std::string text) { notices_.push_back(std::move(text)); }
  const std::vector<std::string>& Notices() const { return notices_; }

 private:
  std::string text_;
  std::vector<std::string> notices_;
};

}  // namespace bs::design

#pragma once
// The entry checks of the YO screen: a box that is empty or holds 0 is refused with a message
// and gets the focus.
#include <string>

namespace bs {

// The first refused box (its number) and the message; box 0 when every check passed.
struct BoxProblem {
  int box = 0;
  std::string message;
  explicit operator bool() const { return box != 0; }
};

// True for an empty text or one whose number is 0. A non-empty text that is not a number raises
// bs::ConvertError.
bool EmptyOrZero(const std::string& text);

// The number of a box text, an empty text counting as 0; a text that is not a number raises
// bs::ConvertError.
double BoxNumber(const std::string& text);

}  // namespace bs

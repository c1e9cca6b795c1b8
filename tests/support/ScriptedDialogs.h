#pragma once
// Dialogs for tests: answers come from queues, and every message, beep and dialog is recorded
// in order as one line of text ("message: ...", "beep", "confirm: ...", "input: ...", ...).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/Dialogs.h"

namespace testing_support {

class ScriptedDialogs : public bs::Dialogs {
 public:
  ScriptedDialogs() { bs::InstallDialogs(this); }
  ~ScriptedDialogs() override { bs::InstallDialogs(nullptr); }

  std::vector<std::string> events;
  std::deque<bool> confirmAnswers;                      // default: true
  std::deque<std::optional<std::string>> inputAnswers;  // nullopt = Cancel
  std::deque<std::optional<std::string>> fileAnswers;   // nullopt = Cancel
  std::deque<bool> printAnswers;                        // default: true

  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.rfind("message: ", 0) == 0) out.push_back(e.substr(9));
    return out;
  }

  void ShowMessage(const std::string& text) override { events.push_back("message: " + text); }
  bool Confirm(const std::string& text, bs::ConfirmButtons) override {
    events.push_back("confirm: " + text);
    return Pop(confirmAnswers, true);
  }
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultAnswer) override {
    events.push_back("input: " + caption + " | " + prompt + " | " + defaultAnswer);
    auto answer = Pop(inputAnswers, std::optional<std::string>());
    return answer ? *answer : defaultAnswer;
  }
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& defaultAnswer) override {
    events.push_back("input: " + caption + " | " + prompt + " | " + defaultAnswer);
    return Pop(inputAnswers, std::optional<std::string>());
  }
  std::optional<std::string> OpenFile(const bs::FileDialogOptions& o) override {
    events.push_back("open: " + o.title);
    return Pop(fileAnswers, std::optional<std::string>());
  }
  std::optional<std::string> SaveFile(const bs::FileDialogOptions& o) override {
    events.push_back("save: " + o.title);
    return Pop(fileAnswers, std::optional<std::string>());
  }
  bool PrintDialog() override {
    events.push_back("print dialog");
    return Pop(printAnswers, true);
  }
  void Beep() override { events.push_back("beep"); }
  void ShowHelp(const std::string& file, int topic) override {
    events.push_back("help: " + file + " #" + std::to_string(topic));
  }

 private:
  template <typename T>
  static T Pop(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

}  // namespace testing_support

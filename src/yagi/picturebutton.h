#pragma once
// A push button that shows its icon above its caption, like the tall buttons
// of the main window; it keeps every behaviour of a push button (access key,
// default button, focus).

#include <QPushButton>

namespace yagi {

class PictureButton : public QPushButton {
 public:
  explicit PictureButton(const QString& text, const QIcon& icon, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace yagi

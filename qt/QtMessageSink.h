#pragma once
#include <QPointer>
#include <QWidget>

#include "window/MessageSink.h"

namespace tessaly::qtview {

// A modal box titled "Tessaly" with the text and one OK button, over the
// main window once it exists.
class QtMessageSink : public MessageSink {
 public:
  void setWindow(QWidget* window) { window_ = window; }
  void showMessage(std::string_view text) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace tessaly::qtview

#pragma once
// The About window of one language: picture, five lines of text and OK.
// It only shows; the form decides when it is shown or hidden.
#include <QDialog>
#include <functional>

#include "window/Captions.h"

namespace tessaly::qtview {

class AboutDialog : public QDialog {
 public:
  // onOk runs for the OK button and for any other way of closing the
  // window (Esc, the title bar), so that the form always hears of it.
  AboutDialog(const AboutTexts& texts, std::function<void()> onOk, QWidget* parent);

  void reject() override;

 private:
  std::function<void()> onOk_;
};

}  // namespace tessaly::qtview

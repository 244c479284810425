#pragma once
// The widgets of the main window's elements, each made for its kind and
// look; the view connects them to the model.
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QValidator>

#include "qt/ElementLooks.h"

namespace tessaly::qtview {

QFont sansFont(double points);

// A text box just wide enough for its longest text, at any scale.
class SampleLineEdit : public QLineEdit {
 public:
  SampleLineEdit(std::string_view sample, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  QString sample_;
};

// A date box whose list opens at the value in the box, typed or chosen.
class DateComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override;
};

// Leaves out of a text box what its model's box does not take, whether
// typed or pasted.
class TakenCharacters : public QValidator {
 public:
  TakenCharacters(ElementName box, QObject* parent) : QValidator(parent), box_(box) {}
  State validate(QString& input, int& position) const override;

 private:
  ElementName box_;
};

// The widget of an element that the window shows; none for a menu item. A
// label is named for assistive tools before anything else, for the toolkit
// takes its accessible kind from the first notice it sends about it.
QWidget* createElementWidget(const ElementSpec& element, const ElementLook& look, const QString& accessibleName,
                             QWidget* parent);

}  // namespace tessaly::qtview

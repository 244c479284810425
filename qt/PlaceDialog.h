#pragma once
// The "Find place" dialog: a search box over the list of towns found, best
// first. Arrows move in the list while typing, Enter or a double click
// chooses, Esc cancels. Every element is named for screen readers.
#include <QDialog>

#include "window/PlaceFinder.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace tessaly::qtview {

class PlaceDialog : public QDialog {
 public:
  PlaceDialog(PlaceFinder& finder, QWidget* parent);

  // Captions in the language in force; the list is filled anew.
  void setCaptions();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void search();
  void choose();

  PlaceFinder& finder_;
  QLabel* searchLabel_ = nullptr;
  QLineEdit* search_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* status_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace tessaly::qtview

#pragma once
// What the program adds to the main window, kept apart from its specified
// elements: the Almanac menu after Settings, the almanac window, the
// picture of the lit Moon in free room of the layout, where it moves
// nothing, and the places' additions (PlaceAdditions).
#include <QObject>
#include <memory>

#include "almanacwindow/AlmanacForm.h"
#include "window/MainForm.h"

class QAction;
class QMainWindow;
class QMenu;

namespace tessaly::qtview {

class AlmanacWindow;
class MoonPicture;
class PlaceAdditions;

class WindowAdditions : public QObject, private WindowModel::Listener, private MainForm::ResultsListener {
 public:
  WindowAdditions(MainForm& form, QMainWindow& window);
  ~WindowAdditions() override;

  AlmanacForm& almanac() { return almanac_; }
  // The almanac window, a top-level window of its own; none before it is
  // first opened.
  AlmanacWindow* almanacWindow() const { return almanacWindow_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createMenu();
  void setCaptions();
  // A new language renames the additions.
  void elementChanged(ElementName name) override;
  void resultsShown() override;
  void almanacChanged();
  void placePicture();

  MainForm& form_;
  QMainWindow& window_;
  AlmanacForm almanac_;
  QMenu* menu_ = nullptr;
  MoonPicture* picture_ = nullptr;
  AlmanacWindow* almanacWindow_ = nullptr;
  PlaceAdditions* places_ = nullptr;
};

}  // namespace tessaly::qtview

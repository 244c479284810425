#pragma once
// Places in the main window, added beside its specified elements: the Place
// menu (Find place…, Unlink time zone) before Help, the "Find place" dialog,
// and the linked zone's name in free room left of Calculate, where it moves
// nothing. Typing into the Timezone box unlinks the zone. A saved zone that
// start-up could not link is named in a message once the window is shown.
#include <QObject>

#include "window/MainForm.h"
#include "window/PlaceFinder.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;

namespace tessaly::qtview {

class PlaceDialog;

class PlaceAdditions : public QObject {
 public:
  PlaceAdditions(MainForm& form, QMainWindow& window);
  ~PlaceAdditions() override;

  void setCaptions();
  void findPlaceChosen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createMenu();
  void linkChanged();
  void placeZoneName();
  void tellRefusedZone();

  MainForm& form_;
  QMainWindow& window_;
  PlaceFinder finder_;
  QMenu* menu_ = nullptr;
  QAction* find_ = nullptr;
  QAction* unlink_ = nullptr;
  QLabel* zoneName_ = nullptr;
  PlaceDialog* dialog_ = nullptr;
};

}  // namespace tessaly::qtview

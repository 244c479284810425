#pragma once
// The main window on screen: one widget per element of the window model,
// arranged in the window's groups. It mirrors every change the model reports
// and hands every user action to the form; the behaviour lives in the form.
#include <QMainWindow>
#include <array>
#include <initializer_list>

#include "window/MainForm.h"

class QButtonGroup;
class QGridLayout;
class QLayout;
class QTimer;

namespace tessaly::qtview {

class AboutDialog;
class WindowAdditions;

class MainWindowView : public QMainWindow, private WindowModel::Listener {
  Q_OBJECT

 public:
  explicit MainWindowView(MainForm& form, QWidget* parent = nullptr);
  ~MainWindowView() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createElements();
  void connectInput(ElementName name, QWidget* widget);
  // The menus (MainWindowMenus.cpp).
  void createMenus();
  // The window's groups (MainWindowLayout.cpp).
  void arrange();
  QLayout* chain(std::initializer_list<ElementName> names) const;
  void addColumn(QGridLayout* grid, int column, ElementName heading, QLayout* content) const;
  QWidget* line(const char* name, bool vertical = false);

  // A shown element's widget; a menu item has none.
  QWidget* element(ElementName name) const;

  void elementChanged(ElementName name) override;
  void timerChanged() override;
  void aboutChanged(Language language) override;
  void showMenuItem(ElementName name);
  void showAccessibleName(QWidget* widget, ElementName name);
  void fitToCaptions();
  void showOptions();
  void menuItemChosen(ElementName name);

  MainForm& form_;
  WindowModel& model_;
  std::array<QWidget*, ElementName::kCount> widgets_{};
  std::array<QAction*, ElementName::kCount> actions_{};
  std::array<AboutDialog*, 2> aboutDialogs_{};
  QButtonGroup* options_ = nullptr;
  QTimer* timer_ = nullptr;
  WindowAdditions* additions_ = nullptr;
  // Set while the model's state is copied into the widgets, so that the
  // widgets' own change signals are not taken for user input.
  bool showing_ = false;
  bool fitPending_ = false;
};

}  // namespace tessaly::qtview

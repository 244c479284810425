#pragma once
// The main window on screen: one widget per element of the window model,
// arranged in the window's groups. It mirrors every change the model reports
// and hands every user action to the form; the behaviour lives in the form.
#include <QMainWindow>
#include <map>
#include <string>
#include <string_view>

#include "window/MainForm.h"

class QAction;
class QButtonGroup;
class QGridLayout;
class QLayout;
class QTimer;

namespace tessaly::qtview {

class AboutDialog;
class WindowAdditions;

class MainWindowView : public QMainWindow {
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
  void createMenus();
  void arrange();
  QWidget* element(std::string_view name) const;
  QLayout* chain(std::initializer_list<std::string_view> names) const;
  void addColumn(QGridLayout* grid, int column, std::string_view heading, QLayout* content) const;
  QWidget* line(const char* name, bool vertical = false);

  void modelChanged(std::string_view name);
  void showElement(std::string_view name);
  void showAccessibleName(QWidget* widget, std::string_view name);
  void fitToCaptions();
  void showOptions();
  void showTimer();
  void showAbout(std::string_view dialog);
  void menuItemChosen(const std::string& name);

  MainForm& form_;
  WindowModel& model_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
  std::map<std::string, QAction*, std::less<>> actions_;
  std::map<std::string, AboutDialog*, std::less<>> aboutDialogs_;
  QButtonGroup* options_ = nullptr;
  QTimer* timer_ = nullptr;
  WindowAdditions* additions_ = nullptr;
  // Set while the model's state is copied into the widgets, so that the
  // widgets' own change signals are not taken for user input.
  bool showing_ = false;
  bool fitPending_ = false;
};

}  // namespace tessaly::qtview

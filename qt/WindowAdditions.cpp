#include "qt/WindowAdditions.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "qt/AlmanacWindow.h"
#include "qt/MoonPicture.h"
#include "qt/PlaceAdditions.h"
#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

// The phases block on the left of the row and the line that closes it: the
// picture takes the free room between them.
constexpr const char* kBesidePicture[] = {"Label25", "Phase1", "DatePhase1", "Phase2", "DatePhase2"};
constexpr const char* kPictureBound = "Line6";

}  // namespace

WindowAdditions::WindowAdditions(MainForm& form, QMainWindow& window)
    : QObject(&window), form_(form), window_(window), almanac_(form, form.messages()) {
  createMenu();
  places_ = new PlaceAdditions(form_, window_);
  picture_ = new MoonPicture(window_.centralWidget());
  for (const char* name : kBesidePicture) window_.findChild<QWidget*>(name)->installEventFilter(this);
  window_.findChild<QWidget*>(kPictureBound)->installEventFilter(this);
  form_.addResultsListener(*this);
  form_.model().addListener(*this);
  almanac_.setChangeListener([this] { almanacChanged(); });
  setCaptions();
}

WindowAdditions::~WindowAdditions() {
  form_.removeResultsListener(*this);
  form_.model().removeListener(*this);
  delete almanacWindow_;
}

void WindowAdditions::createMenu() {
  menu_ = new QMenu(&window_);
  menu_->setObjectName("meAlmanac");
  // After Settings, before Help.
  const QList<QAction*> top = window_.menuBar()->actions();
  window_.menuBar()->insertMenu(top.size() > 1 ? top.at(1) : nullptr, menu_);
  menu_->menuAction()->setObjectName("meAlmanac");
  QAction* month = menu_->addAction(QString());
  month->setObjectName("meMonthTable");
  connect(month, &QAction::triggered, this, [this] { almanac_.monthTableChosen(); });
  QAction* day = menu_->addAction(QString());
  day->setObjectName("meDayChart");
  connect(day, &QAction::triggered, this, [this] { almanac_.dayChartChosen(); });
}

void WindowAdditions::setCaptions() {
  const Language language = almanac_.language();
  menu_->setTitle(toQString(additionCaption("meAlmanac", language)));
  for (QAction* item : menu_->actions())
    item->setText(toQString(additionCaption(item->objectName().toStdString(), language)));
  picture_->setLook(picture_->look(), language);
  // The month's headings and phase names follow the language too.
  almanac_.follow();
  if (almanacWindow_) almanacWindow_->setCaptions();
  places_->setCaptions();
}

void WindowAdditions::elementChanged(ElementName name) {
  // Command1 is the caption the language is read from.
  if (name == "Command1") setCaptions();
}

void WindowAdditions::resultsShown() {
  picture_->setLook(moonLookShown(form_.model(), form_.state()), almanac_.language());
  almanac_.resultsShown();
}

void WindowAdditions::almanacChanged() {
  if (!almanac_.shown()) return;
  if (!almanacWindow_) almanacWindow_ = new AlmanacWindow(almanac_);
  almanacWindow_->showForm();
  if (!almanacWindow_->isVisible()) almanacWindow_->showBeside(window_);
}

bool WindowAdditions::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) placePicture();
  return false;
}

void WindowAdditions::placePicture() {
  const QWidget* bound = window_.findChild<QWidget*>(kPictureBound);
  int left = 0;
  for (const char* name : kBesidePicture)
    left = std::max(left, window_.findChild<QWidget*>(name)->geometry().right());
  const int gap = picture_->fontMetrics().height() / 2;
  const QRect room(QPoint(left + gap, bound->geometry().top()), QPoint(bound->geometry().left() - gap, bound->geometry().bottom()));
  const int side = std::min(room.width(), room.height());
  picture_->setVisible(side > gap * 2);
  picture_->setGeometry(room.center().x() - side / 2, room.center().y() - side / 2, side, side);
}

}  // namespace tessaly::qtview

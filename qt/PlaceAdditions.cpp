#include "qt/PlaceAdditions.h"

#include <QAction>
#include <QEvent>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "qt/PlaceDialog.h"
#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"
#include "window/RefusedZone.h"
#include "window/WindowFields.h"

namespace tessaly::qtview {
namespace {

// Beside the Timezone box the window leaves room for a few letters only; the
// zone's name takes the free room left of Calculate, on the buttons' line.
constexpr const char* kZoneBox = "Timezon";
constexpr const char* kNameBound = "Command2";

}  // namespace

PlaceAdditions::PlaceAdditions(MainForm& form, QMainWindow& window)
    : QObject(&window), form_(form), window_(window), finder_(form) {
  createMenu();
  zoneName_ = new QLabel(window_.centralWidget());
  zoneName_->setObjectName("LinkedZone");
  zoneName_->setTextFormat(Qt::PlainText);
  window_.findChild<QWidget*>(kNameBound)->installEventFilter(this);
  window_.installEventFilter(this);
  // Only what the user types unlinks the zone; the window's own rewriting
  // of the box does not.
  auto* box = window_.findChild<QLineEdit*>(kZoneBox);
  connect(box, &QLineEdit::textEdited, this, [this] { form_.linkedZone().unlink(); });
  form_.linkedZone().setLinkListener([this] { linkChanged(); });
  setCaptions();
}

PlaceAdditions::~PlaceAdditions() { form_.linkedZone().setLinkListener(nullptr); }

void PlaceAdditions::createMenu() {
  menu_ = new QMenu(&window_);
  menu_->setObjectName("mePlace");
  menu_->menuAction()->setObjectName("mePlace");
  // Before Help, the last menu.
  const QList<QAction*> top = window_.menuBar()->actions();
  window_.menuBar()->insertMenu(top.isEmpty() ? nullptr : top.back(), menu_);
  find_ = menu_->addAction(QString());
  find_->setObjectName("meFindPlace");
  find_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  find_->setShortcutContext(Qt::WindowShortcut);
  connect(find_, &QAction::triggered, this, [this] { findPlaceChosen(); });
  unlink_ = menu_->addAction(QString());
  unlink_->setObjectName("meUnlinkZone");
  connect(unlink_, &QAction::triggered, this, [this] { form_.linkedZone().unlink(); });
}

void PlaceAdditions::setCaptions() {
  const Language language = finder_.language();
  menu_->setTitle(toQString(additionCaption("mePlace", language)));
  for (QAction* item : menu_->actions())
    item->setText(toQString(additionCaption(item->objectName().toStdString(), language)));
  if (dialog_) dialog_->setCaptions();
  linkChanged();
}

void PlaceAdditions::findPlaceChosen() {
  if (!dialog_) dialog_ = new PlaceDialog(finder_, &window_);
  dialog_->open();
  dialog_->raise();
  dialog_->activateWindow();
}

void PlaceAdditions::linkChanged() {
  const Language language = finder_.language();
  const QString name = toQString(form_.linkedZone().name());
  zoneName_->setAccessibleName(toQString(additionCaption("LinkedZone", language)));
  zoneName_->setToolTip(toQString(additionCaption("LinkedZoneTip", language)).arg(name));
  zoneName_->setVisible(!name.isEmpty());
  unlink_->setEnabled(!name.isEmpty());
  placeZoneName();
}

bool PlaceAdditions::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    if (event->type() == QEvent::Show) {
      window_.removeEventFilter(this);
      // Once the window is on the screen, above it.
      QTimer::singleShot(0, this, [this] { tellRefusedZone(); });
    }
  } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
    placeZoneName();
  }
  return false;
}

// Start-up goes on at the saved offset: the message waits beside the window
// for the user to read, holding up nothing.
void PlaceAdditions::tellRefusedZone() {
  const auto message = refusedZoneMessage(form_);
  if (!message) return;
  auto* box = new QMessageBox(QMessageBox::NoIcon, toQString(kWindowCaption), toQString(*message),
                              QMessageBox::Ok, &window_);
  box->setObjectName("ZoneNotRestored");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
}

// From the window's left edge up to Calculate; a name too long for the room
// ends in an ellipsis and is whole in the tooltip.
void PlaceAdditions::placeZoneName() {
  const QWidget* bound = window_.findChild<QWidget*>(kNameBound);
  const int gap = zoneName_->fontMetrics().averageCharWidth();
  const int width = std::max(0, bound->geometry().left() - 2 * gap);
  const QString text =
      toQString(additionCaption("LinkedZoneShown", finder_.language())).arg(toQString(form_.linkedZone().name()));
  zoneName_->setText(zoneName_->fontMetrics().elidedText(text, Qt::ElideRight, width));
  zoneName_->setGeometry(gap, bound->geometry().top(), width, bound->geometry().height());
}

}  // namespace tessaly::qtview

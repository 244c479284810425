#include "qt/PlaceDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

constexpr const char* kHeadings[PlaceFinder::kColumns] = {"PlaceTown", "PlaceRegion", "PlaceCountry", "PlaceZone",
                                                          "PlaceCoordinates"};

}  // namespace

PlaceDialog::PlaceDialog(PlaceFinder& finder, QWidget* parent) : QDialog(parent), finder_(finder) {
  setObjectName("PlaceDialog");
  searchLabel_ = new QLabel(this);
  search_ = new QLineEdit(this);
  search_->setObjectName("PlaceSearch");
  searchLabel_->setBuddy(search_);
  list_ = new QTreeWidget(this);
  list_->setObjectName("PlaceList");
  list_->setColumnCount(PlaceFinder::kColumns);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  status_ = new QLabel(this);
  status_->setObjectName("PlaceStatus");
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setObjectName("PlaceChoose");
  buttons_->button(QDialogButtonBox::Cancel)->setObjectName("PlaceCancel");

  auto* layout = new QVBoxLayout(this);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel_);
  searchRow->addWidget(search_, 1);
  layout->addLayout(searchRow);
  layout->addWidget(list_, 1);
  layout->addWidget(status_);
  layout->addWidget(buttons_);

  connect(search_, &QLineEdit::textChanged, this, [this] { search(); });
  connect(list_, &QTreeWidget::itemActivated, this, [this] { choose(); });
  connect(buttons_, &QDialogButtonBox::accepted, this, [this] { choose(); });
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  search_->installEventFilter(this);

  const int line = fontMetrics().height();
  resize(line * 56, line * 24);
  setCaptions();
}

void PlaceDialog::setCaptions() {
  const Language language = finder_.language();
  const auto caption = [language](const char* key) { return toQString(additionCaption(key, language)); };
  setWindowTitle(caption("PlaceDialog"));
  searchLabel_->setText(caption("PlaceSearchLabel"));
  search_->setAccessibleName(caption("PlaceSearch"));
  list_->setAccessibleName(caption("PlaceList"));
  status_->setAccessibleName(caption("PlaceStatus"));
  QStringList headings;
  for (const char* key : kHeadings) headings << caption(key);
  list_->setHeaderLabels(headings);
  buttons_->button(QDialogButtonBox::Ok)->setText(caption("PlaceChoose"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(caption("PlaceCancel"));
  search();
}

void PlaceDialog::search() {
  finder_.search(toStdString(search_->text()));
  list_->clear();
  QList<QTreeWidgetItem*> items;
  for (std::size_t i = 0; i < finder_.rowCount(); ++i) {
    QStringList texts;
    for (const std::string& text : finder_.row(i)) texts << toQString(text);
    items << new QTreeWidgetItem(texts);
  }
  list_->addTopLevelItems(items);
  if (!items.isEmpty()) {
    list_->setCurrentItem(items.front());
    for (int column = 0; column < list_->columnCount(); ++column) list_->resizeColumnToContents(column);
  }
  status_->setText(toQString(finder_.status()));
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!items.isEmpty());
}

void PlaceDialog::choose() {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (row < 0) return;
  finder_.choose(static_cast<std::size_t>(row));
  accept();
}

// The arrows and page keys move in the list while the search box keeps the
// keyboard, so that typing and choosing need no Tab between them.
bool PlaceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
      QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
      QApplication::sendEvent(list_, &copy);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessaly::qtview

#include "qt/AccessibleFields.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "qt/AlmanacWindow.h"
#include "qt/DayChart.h"
#include "qt/DayChartAccessible.h"
#include "qt/MoonPicture.h"

namespace tessaly::qtview {
namespace {

// A date box or a one-row list: its name, with the text in the box or the
// entry in view as its value. Its list, and a date box's text box, are its
// children, so that an open list is seen as well.
class NamedList : public QAccessibleWidget {
 public:
  explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value || (kind == QAccessible::Name && widget()->accessibleName().isEmpty()))
      return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    return QAccessibleWidget::text(kind);
  }
  int childCount() const override { return list()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(list()->view());
    if (index == 1 && list()->isEditable()) return QAccessible::queryAccessibleInterface(list()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->object() == list()->view()) return 0;
    if (list()->isEditable() && child->object() == list()->lineEdit()) return 1;
    return -1;
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) list()->showPopup();
    else QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// A read-only text: the label's text, with no selection and no cursor.
class NamedValue : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit NamedValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? shown() : QAccessibleWidget::text(kind);
  }

  QString text(int startOffset, int endOffset) const override {
    return shown().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(shown().size()); }
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

 private:
  QString shown() const { return static_cast<QLabel*>(widget())->text(); }
};

// A list may be asked for its interface before it has its name, so every
// list gets this one; a label gets it only when named from the start.
QAccessibleInterface* namedField(const QString& className, QObject* object) {
  if (auto* list = qobject_cast<QComboBox*>(object); list && className == "QComboBox") return new NamedList(list);
  if (auto* label = qobject_cast<QLabel*>(object); label && className == "QLabel" && !label->accessibleName().isEmpty())
    return new NamedValue(label);
  // The picture is an image, the almanac a window of its own, the chart a
  // chart with a cursor.
  if (auto* picture = qobject_cast<MoonPicture*>(object)) return new QAccessibleWidget(picture, QAccessible::Graphic);
  if (auto* almanac = qobject_cast<AlmanacWindow*>(object)) return new QAccessibleWidget(almanac, QAccessible::Window);
  if (auto* chart = qobject_cast<DayChart*>(object)) return new AccessibleDayChart(chart);
  return nullptr;
}

}  // namespace

void installAccessibleFields() {
  static const bool installed = [] {
    QAccessible::installFactory(namedField);
    return true;
  }();
  (void)installed;
}

}  // namespace tessaly::qtview

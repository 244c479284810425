#include "qt/AccessibleFields.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace tessaly::qtview {
namespace {

class NamedList : public QAccessibleWidget {
 public:
  explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value || (kind == QAccessible::Name && widget()->accessibleName().isEmpty()))
      return list()->currentText();
    return QAccessibleWidget::text(kind);
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
  if (auto* list = qobject_cast<QComboBox*>(object); list && className == "QComboBox" && !list->isEditable())
    return new NamedList(list);
  if (auto* label = qobject_cast<QLabel*>(object); label && className == "QLabel" && !label->accessibleName().isEmpty())
    return new NamedValue(label);
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

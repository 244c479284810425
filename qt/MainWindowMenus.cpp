// The main window's menus, as the model's element table arranges them.
#include <QAction>
#include <QMenuBar>
#include <algorithm>

#include "qt/MainWindowView.h"
#include "qt/QtText.h"

namespace tessaly::qtview {

// The menus in the model's table, each item under its parent.
void MainWindowView::createMenus() {
  std::array<QMenu*, ElementName::kCount> menus{};
  for (std::size_t i = 0; i < ElementName::kCount; ++i) {
    const ElementName name = ElementName::at(i);
    const ElementSpec& element = name.row();
    if (element.kind != ElementKind::MenuItem) continue;
    QMenu* parent = element.parent.empty() ? nullptr : menus[ElementName::find(element.parent)->index()];
    const bool submenu = std::ranges::any_of(windowElements(), [&](const ElementSpec& e) { return e.parent == element.name; });
    QAction* action = nullptr;
    if (submenu) {
      QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
      menu->setObjectName(toQString(element.name));
      menus[i] = menu;
      action = menu->menuAction();
    } else {
      action = parent->addAction(QString());
      action->setCheckable(element.checkMark);
      connect(action, &QAction::triggered, this, [this, name] { menuItemChosen(name); });
    }
    action->setObjectName(toQString(element.name));
    actions_[i] = action;
  }
}

void MainWindowView::menuItemChosen(ElementName name) {
  form_.menuItemChosen(name);
  // Qt turned the check mark over by itself; the model's mark is the one
  // that counts, whether or not the handler changed it.
  showMenuItem(name);
}

void MainWindowView::showMenuItem(ElementName name) {
  QAction* action = actions_[name.index()];
  action->setText(toQString(model_.text(name)));
  action->setEnabled(model_.enabled(name));
  if (action->isCheckable()) action->setChecked(model_.checked(name));
}

}  // namespace tessaly::qtview

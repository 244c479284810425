#include "qt/MainWindowView.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "qt/AboutDialog.h"
#include "qt/AccessibleFields.h"
#include "qt/ElementWidgets.h"
#include "qt/LightPalette.h"
#include "qt/MoonEmblem.h"
#include "qt/QtText.h"
#include "qt/WindowAdditions.h"

namespace tessaly::qtview {

MainWindowView::MainWindowView(MainForm& form, QWidget* parent)
    : QMainWindow(parent), form_(form), model_(form.model()) {
  setWindowTitle(toQString(kWindowCaption));
  setWindowIcon(moonIcon());
  installAccessibleFields();
  setPalette(lightPalette(QColor(0xE0, 0xE0, 0xE0)));

  createElements();
  createMenus();
  arrange();
  additions_ = new WindowAdditions(form_, *this);

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  connect(timer_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });

  // Esc ends the program from anywhere in the window, whatever has focus
  // (an open list claims it first, see eventFilter).
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { form_.Command1_Click(); });

  for (std::size_t i = 0; i < ElementName::kCount; ++i) elementChanged(ElementName::at(i));
  timerChanged();
  model_.addListener(*this);
}

MainWindowView::~MainWindowView() { model_.removeListener(*this); }

QWidget* MainWindowView::element(ElementName name) const {
  QWidget* widget = widgets_[name.index()];
  if (!widget) qFatal("%s is not shown in the window", std::string(name.text()).c_str());
  return widget;
}

void MainWindowView::createElements() {
  auto* central = new QWidget(this);
  central->setFont(sansFont(9.75));
  setCentralWidget(central);
  options_ = new QButtonGroup(this);

  for (std::size_t i = 0; i < ElementName::kCount; ++i) {
    const ElementName name = ElementName::at(i);
    const ElementLook look = lookOf(name);
    QWidget* widget =
        createElementWidget(name.row(), look, toQString(model_.accessibleName(name)), central);
    if (!widget) continue;
    widget->setObjectName(toQString(name.text()));
    widgets_[i] = widget;
    connectInput(name, widget);
    if (look.labels && name.row().kind == ElementKind::Caption && model_.kind(*look.labels) == ElementKind::OptionButton)
      widget->installEventFilter(this);
  }
  static_cast<QPushButton*>(element("Command2"))->setDefault(true);

  for (std::size_t i = 0; i < ElementName::kCount; ++i)
    if (const auto field = lookOf(ElementName::at(i)).labels)
      static_cast<QLabel*>(widgets_[i])->setBuddy(element(*field));

  QWidget* previous = nullptr;
  for (ElementName name : tabOrder()) {
    if (previous) setTabOrder(previous, element(name));
    previous = element(name);
  }
}

// Every change counts, whoever makes it: typing, pasting, undo, or an
// assistive tool setting the text.
void MainWindowView::connectInput(ElementName name, QWidget* widget) {
  switch (name.row().kind) {
    case ElementKind::Combo: {
      auto* combo = static_cast<QComboBox*>(widget);
      combo->view()->installEventFilter(this);
      connect(combo, &QComboBox::editTextChanged, this, [this, name](const QString& text) {
        if (!showing_) model_.setText(name, toStdString(text));
      });
      break;
    }
    case ElementKind::Text:
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this, [this, name](const QString& text) {
        if (!showing_) model_.setText(name, toStdString(text));
      });
      break;
    case ElementKind::OneRowList: {
      auto* list = static_cast<QComboBox*>(widget);
      list->view()->installEventFilter(this);
      connect(list, &QComboBox::currentIndexChanged, this, [this, name](int index) {
        if (index >= 0 && !showing_) model_.selectEntry(name, index);
      });
      break;
    }
    case ElementKind::OptionButton: {
      auto* option = static_cast<QRadioButton*>(widget);
      options_->addButton(option);
      connect(option, &QRadioButton::toggled, this, [this, name](bool on) {
        if (on && !showing_) model_.setSelected(name, true);
      });
      break;
    }
    case ElementKind::Button:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, name] { name == "Command2" ? form_.Command2_Click() : form_.Command1_Click(); });
      break;
    default:
      break;
  }
}

void MainWindowView::elementChanged(ElementName name) {
  const QScopedValueRollback<bool> showing(showing_, true);
  if (name.row().kind == ElementKind::MenuItem) {
    showMenuItem(name);
    return;
  }
  const QString text = toQString(model_.text(name));
  QWidget* widget = element(name);
  widget->setEnabled(model_.enabled(name));
  showAccessibleName(widget, name);
  switch (name.row().kind) {
    case ElementKind::Combo: {
      auto* combo = static_cast<QComboBox*>(widget);
      if (combo->currentText() != text) combo->setEditText(text);
      break;
    }
    case ElementKind::Text: {
      auto* edit = static_cast<QLineEdit*>(widget);
      if (edit->text() != text) edit->setText(text);
      break;
    }
    case ElementKind::Value:
    case ElementKind::Caption:
    case ElementKind::Unit: {
      auto* label = static_cast<QLabel*>(widget);
      if (label->text() == text) break;
      label->setText(text);
      if (name.row().kind == ElementKind::Caption) fitToCaptions();
      break;
    }
    case ElementKind::OneRowList: {
      auto* list = static_cast<QComboBox*>(widget);
      QStringList entries;
      for (const std::string& entry : model_.entries(name)) entries << toQString(entry);
      QStringList shown;
      for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
      if (shown != entries) {
        list->clear();
        list->addItems(entries);
      }
      list->setCurrentIndex(entries.isEmpty() ? -1 : model_.topEntry(name));
      break;
    }
    case ElementKind::OptionButton:
      showOptions();
      break;
    case ElementKind::Button:
      static_cast<QPushButton*>(widget)->setText(text);
      break;
    case ElementKind::MenuItem:
      break;
  }
}

void MainWindowView::fitToCaptions() {
  if (fitPending_) return;
  fitPending_ = true;
  // Once all captions of the language are set: the window takes the size
  // they need, smaller again after longer ones, unless it fills the screen.
  QMetaObject::invokeMethod(
      this,
      [this] {
        fitPending_ = false;
        if (!isMaximized() && !isFullScreen()) adjustSize();
      },
      Qt::QueuedConnection);
}

void MainWindowView::showAccessibleName(QWidget* widget, ElementName name) {
  const QString accessible = toQString(model_.accessibleName(name));
  widget->setAccessibleName(accessible);
  // An assistive tool meets the text box inside a date box, not the box.
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
    combo->lineEdit()->setAccessibleName(accessible);
}

void MainWindowView::showOptions() {
  // Both buttons follow the model; while they are set one by one the group
  // may not clear the other on its own.
  options_->setExclusive(false);
  for (ElementName name : {ElementName("Option1"), ElementName("Option2")}) {
    auto* option = static_cast<QRadioButton*>(element(name));
    option->setChecked(model_.selected(name));
    option->setEnabled(model_.enabled(name));
  }
  options_->setExclusive(true);
}

void MainWindowView::timerChanged() {
  const int interval = model_.timerInterval();
  if (!model_.timerRunning()) {
    timer_->stop();
    timer_->setInterval(std::max(interval, 0));
  } else if (!timer_->isActive() || timer_->interval() != interval) {
    timer_->start(interval);
  }
}

void MainWindowView::aboutChanged(Language language) {
  AboutDialog*& about = aboutDialogs_[language == Language::English ? 0 : 1];
  if (!model_.aboutShown(language)) {
    if (about) about->hide();
    return;
  }
  if (!about) {
    const auto ok = [this, language] {
      language == Language::English ? form_.frmAbout_Command1_Click() : form_.frmAbout_rus_Command1_Click();
    };
    about = new AboutDialog(aboutTexts(language), ok, this);
  }
  about->show();
  about->raise();
  about->activateWindow();
}

void MainWindowView::keyPressEvent(QKeyEvent* event) {
  // Enter that no field took for itself presses the default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* calculate = static_cast<QPushButton*>(element("Command2"));
    if (calculate->isEnabled()) calculate->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  // Closing the window ends the program, as Exit does.
  form_.me1_6_Click();
  event->accept();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  // Esc in an open list is the list's own: it closes the list only, and
  // the next Esc ends the program.
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return false;
  }
  // A click on the caption of an option button selects it.
  if (event->type() == QEvent::MouseButtonRelease) {
    if (const auto name = ElementName::find(watched->objectName().toStdString()))
      if (const auto option = lookOf(*name).labels; option && option->row().kind == ElementKind::OptionButton) {
        auto* button = static_cast<QRadioButton*>(element(*option));
        if (button->isEnabled()) button->click();
        return true;
      }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessaly::qtview

#include "qt/MainWindowView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/AboutDialog.h"
#include "qt/AccessibleFields.h"
#include "qt/MoonEmblem.h"
#include "qt/QtText.h"
#include "qt/WindowAdditions.h"

namespace tessaly::qtview {
namespace {

// Suggestions of the date boxes; any other text may still be typed.
struct Suggestions {
  std::string_view combo;
  int first, last;
};
constexpr Suggestions kSuggestions[] = {{"DateDay", 1, 31}, {"DateMonth", 1, 12}, {"DateYear", 2010, 2020}};

// The longest text each box takes, so that the whole of it stays in view:
// the longest the checks accept in the time, minutes and zone boxes.
constexpr std::pair<std::string_view, std::string_view> kTextBoxSamples[] = {
    {"TimeHour", "23.5"},    {"TimeMin", "59.5"},    {"TimeSec", "59.5"},
    {"LongGrad", "-180"},    {"LongMin", "59.99"},   {"LatGrad", "-90"},
    {"LatMin", "59.99"},     {"Timezon", "-12.75"},  {"Town", "000000000000"},
};

// The widest text each value shows, so that the columns keep their places
// while the values change from tick to tick.
constexpr std::pair<std::string_view, std::string_view> kValueSamples[] = {
    {"DOY", "366"},
    {"SidHour", "00"},
    {"SidMin", "00"},
    {"SidSec", "00"},
    {"JulianDate", "0000000.00000"},
    {"LongSun", "000.0000"},
    {"LatLuna", "-0.0000"},
    {"RAHour", "00"},
    {"RAMin", "00"},
    {"RASec", "00"},
    {"Label33", "-"},
    {"DeclGrad", "00"},
    {"DeclMin", "00"},
    {"DeclSec", "00"},
    {"AltTrue", "-00.0"},
    {"AltApp", "--------"},
    {"AzimTrue", "-000.0"},
    {"Distkm", "000000"},
    {"DistPer", "000.0"},
    {"DiamMin", "00"},
    {"DiamSec", "00"},
    {"Fraction", "100.0"},
    {"Label37", "00.000"},
    {"Phase1", "1 Quarter"},
    {"Phase2", "1 Quarter"},
    {"DatePhase1", "00.00.0000 00:00"},
    {"DatePhase2", "00.00.0000 00:00"},
    {"CulmHour(0)", "00"},
    {"CulmMin(0)", "00"},
    {"ATransit(0)", "-00"},
    {"CulmHour(1)", "00"},
    {"CulmMin(1)", "00"},
    {"ATransit(1)", "-00"},
    {"RiseHour", "00"},
    {"RiseMin", "00"},
    {"RAzim", "-000.0"},
    {"SetHour", "00"},
    {"SetMin", "00"},
    {"SAzim", "-000.0"},
};

constexpr std::string_view kUnderlined[] = {
    "Distance",   "DiamSun",       "Phase",         "Label36", "Label25",  "Label30", "CulmSun(0)",
    "CulmSun(1)", "AltTransit(0)", "AltTransit(1)", "Sunrise", "RiseAzim", "Sunset",  "SetAzim",
};
constexpr std::string_view kLargeValues[] = {"RAzim", "SAzim", "ATransit(0)", "ATransit(1)"};
// Signs of degrees, hours, minutes and seconds stand raised, as astronomy
// writes them; plain units, and the primes that are high by themselves,
// stay on the line.
constexpr std::string_view kUnitsOnTheLine[] = {"km",      "Per",     "Label8",  "Label38", "Label13",
                                                "Label14", "Label12", "Label18", "Label2",  "Label4"};

// Each submenu and item under its parent; the top menus have none.
constexpr std::pair<std::string_view, std::string_view> kMenuParents[] = {
    {"me1_1", "me1"},     {"me1_2", "me1_1"},   {"me1_3", "me1_1"},  {"me1_4", "me1_1"}, {"me1_5", "me1_1"},
    {"me1_8", "me1"},     {"me1_9", "me1_8"},   {"me1_10", "me1_8"}, {"me1_11", "me1"},  {"me1_12", "me1_11"},
    {"me1_13", "me1_11"}, {"me1_14", "me1_11"}, {"me1_7", "me1"},    {"me1_6", "me1"},   {"me2_1", "me2"},
};
constexpr std::string_view kCheckable[] = {"me1_2", "me1_3", "me1_4", "me1_5", "me1_12", "me1_13", "me1_14"};

constexpr std::string_view kTabOrder[] = {
    "DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec", "LongGrad", "LongMin", "LatGrad",
    "LatMin",  "Command1",  "Command2", "Timezon",  "Town",    "Option1", "Option2",  "List1",   "List2"};

// Each caption and the first field it names: the toolkit's labelled-by
// link, which assistive tools follow.
constexpr std::pair<std::string_view, std::string_view> kBuddies[] = {
    {"Date", "DateDay"},   {"LocalTime", "TimeHour"}, {"LocSet", "Town"},     {"Longitude", "LongGrad"},
    {"Latitude", "LatGrad"}, {"TimZon", "Timezon"},   {"Label28", "Option1"}, {"Label29", "Option2"},
};

// The captions beside the option buttons answer a click as the buttons do.
constexpr std::pair<std::string_view, std::string_view> kOptionLabels[] = {{"Label28", "Option1"},
                                                                           {"Label29", "Option2"}};

template <typename Table, typename Key>
auto lookup(const Table& table, Key key) -> decltype(&std::begin(table)->second) {
  for (const auto& row : table)
    if (row.first == key) return &row.second;
  return nullptr;
}

template <typename Table>
bool contains(const Table& table, std::string_view name) {
  return std::find(std::begin(table), std::end(table), name) != std::end(table);
}

QFont sansFont(double points) {
  QFont font = QApplication::font();
  font.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

QFont serifFont(double points) {
  QFont font = sansFont(points);
  font.setFamilies({"Liberation Serif", "Times New Roman", "Nimbus Roman", "DejaVu Serif"});
  font.setStyleHint(QFont::Serif);
  font.setUnderline(true);
  return font;
}

// A text box just wide enough for its longest text, at any scale.
class SampleLineEdit : public QLineEdit {
 public:
  SampleLineEdit(std::string_view sample, QWidget* parent) : QLineEdit(parent), sample_(toQString(sample)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  }
  QSize sizeHint() const override {
    // QLineEdit's own hint is 17 times an 'x' plus frame and margins; the
    // box scrolls its text unless the cursor fits beside it as well.
    const QSize base = QLineEdit::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    return {base.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) + metrics.horizontalAdvance(sample_) +
                1 + style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this),
            base.height()};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  QString sample_;
};

// A date box whose list opens at the value in the box, typed or chosen.
class DateComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override {
    QComboBox::showPopup();
    bool whole = false;
    const int number = currentText().trimmed().toInt(&whole);
    const int match = whole ? findText(QString::number(number)) : -1;
    const QModelIndex current = match >= 0 ? model()->index(match, modelColumn()) : QModelIndex();
    view()->setCurrentIndex(current);
    if (current.isValid()) view()->scrollTo(current, QAbstractItemView::PositionAtCenter);
  }
};

// Leaves out of a text box what its model's box does not take, whether
// typed or pasted.
class TakenCharacters : public QValidator {
 public:
  TakenCharacters(std::string box, QObject* parent) : QValidator(parent), box_(std::move(box)) {}
  State validate(QString& input, int& position) const override {
    QString kept;
    int keptPosition = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
      const char16_t c = input[i].unicode();
      if (c < 0x80 && !WindowModel::takes(box_, static_cast<char>(c))) {
        if (i < position) --keptPosition;
        continue;
      }
      kept += input[i];
    }
    input = kept;
    position = keptPosition;
    return Acceptable;
  }

 private:
  std::string box_;
};

}  // namespace

MainWindowView::MainWindowView(MainForm& form, QWidget* parent)
    : QMainWindow(parent), form_(form), model_(form.model()) {
  setWindowTitle(toQString(kWindowCaption));
  setWindowIcon(moonIcon());
  installAccessibleFields();
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
  setPalette(grey);

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

  for (const ElementSpec& entry : windowElements()) showElement(entry.name);
  showTimer();
  model_.setChangeListener([this](std::string_view name) { modelChanged(name); });
}

MainWindowView::~MainWindowView() { model_.setChangeListener(nullptr); }

QWidget* MainWindowView::element(std::string_view name) const { return widgets_.find(name)->second; }

void MainWindowView::createElements() {
  auto* central = new QWidget(this);
  central->setFont(sansFont(9.75));
  setCentralWidget(central);
  options_ = new QButtonGroup(this);

  for (const ElementSpec& entry : windowElements()) {
    const std::string name(entry.name);
    QWidget* widget = nullptr;
    switch (entry.kind) {
      case ElementKind::Combo: {
        auto* combo = new DateComboBox(central);
        combo->setEditable(true);
        // The text typed is the value: the box neither completes it nor
        // adds it to its suggestions.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (const Suggestions& s : kSuggestions)
          if (s.combo == entry.name)
            for (int n = s.first; n <= s.last; ++n) combo->addItem(QString::number(n));
        combo->setCurrentIndex(-1);
        combo->view()->installEventFilter(this);
        connect(combo, &QComboBox::editTextChanged, this, [this, name](const QString& text) {
          if (!showing_) model_.setText(name, toStdString(text));
        });
        widget = combo;
        break;
      }
      case ElementKind::Text: {
        const std::string_view* sample = lookup(kTextBoxSamples, entry.name);
        auto* edit = new SampleLineEdit(sample ? *sample : "000000", central);
        edit->setValidator(new TakenCharacters(name, edit));
        // Every change counts, whoever makes it: typing, pasting, undo, or
        // an assistive tool setting the text.
        connect(edit, &QLineEdit::textChanged, this, [this, name](const QString& text) {
          if (!showing_) model_.setText(name, toStdString(text));
        });
        widget = edit;
        break;
      }
      case ElementKind::Value:
      case ElementKind::Caption:
      case ElementKind::Unit: {
        auto* label = new QLabel(central);
        // Named before anything else, for the toolkit takes the label's
        // accessible kind from the first notice it sends about it.
        showAccessibleName(label, entry.name);
        label->setTextFormat(Qt::PlainText);
        if (entry.kind == ElementKind::Unit) {
          label->setFont(sansFont(8.25));
          // Lifted by a margin below it: the unit stands as a superscript.
          if (!contains(kUnitsOnTheLine, entry.name))
            label->setContentsMargins(0, 0, 0, label->fontMetrics().height() * 3 / 5);
        }
        if (contains(kUnderlined, entry.name)) {
          QFont font = label->font();
          font.setUnderline(true);
          label->setFont(font);
        }
        if (contains(kLargeValues, entry.name)) label->setFont(sansFont(12));
        if (const std::string_view* sample = lookup(kValueSamples, entry.name)) {
          const bool words = entry.name.starts_with("Phase") || entry.name.starts_with("DatePhase");
          label->setAlignment((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
          label->setMinimumWidth(label->fontMetrics().horizontalAdvance(toQString(*sample)));
        }
        if (lookup(kOptionLabels, entry.name)) label->installEventFilter(this);
        widget = label;
        break;
      }
      case ElementKind::OneRowList: {
        // The entry shown is the entry in view: index 0 or 1.
        auto* list = new QComboBox(central);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::currentIndexChanged, this, [this, name](int index) {
          if (index >= 0 && !showing_) model_.selectEntry(name, index);
        });
        widget = list;
        break;
      }
      case ElementKind::OptionButton: {
        auto* option = new QRadioButton(central);
        options_->addButton(option);
        connect(option, &QRadioButton::toggled, this, [this, name](bool on) {
          if (on && !showing_) model_.setSelected(name, true);
        });
        widget = option;
        break;
      }
      case ElementKind::Button: {
        auto* button = new QPushButton(central);
        // Enter on a focused button presses that button, as Enter elsewhere
        // presses Calculate.
        button->setAutoDefault(true);
        const bool calculate = entry.name == "Command2";
        connect(button, &QPushButton::clicked, this,
                [this, calculate] { calculate ? form_.Command2_Click() : form_.Command1_Click(); });
        widget = button;
        break;
      }
      case ElementKind::MenuItem:
        continue;
    }
    widget->setObjectName(toQString(entry.name));
    widgets_.emplace(name, widget);
  }

  element("Label32")->setFont([] {
    QFont font = serifFont(16.5);
    font.setItalic(true);
    return font;
  }());
  element("CoordSun")->setFont(serifFont(13.5));
  static_cast<QPushButton*>(element("Command2"))->setDefault(true);

  for (const auto& [caption, field] : kBuddies) static_cast<QLabel*>(element(caption))->setBuddy(element(field));

  QWidget* previous = nullptr;
  for (std::string_view name : kTabOrder) {
    if (previous) setTabOrder(previous, element(name));
    previous = element(name);
  }
}

void MainWindowView::createMenus() {
  std::map<std::string, QMenu*, std::less<>> menus;
  const auto isSubmenu = [](std::string_view name) {
    for (const auto& [item, parent] : kMenuParents)
      if (parent == name) return true;
    return false;
  };
  for (const ElementSpec& entry : windowElements()) {
    if (entry.kind != ElementKind::MenuItem) continue;
    const std::string name(entry.name);
    const std::string_view* parentName = lookup(kMenuParents, entry.name);
    QMenu* parent = parentName ? menus.find(*parentName)->second : nullptr;
    QAction* action = nullptr;
    if (isSubmenu(entry.name)) {
      QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
      menu->setObjectName(toQString(entry.name));
      menus.emplace(name, menu);
      action = menu->menuAction();
    } else {
      action = parent->addAction(QString());
      action->setCheckable(contains(kCheckable, entry.name));
      connect(action, &QAction::triggered, this, [this, name] { menuItemChosen(name); });
    }
    action->setObjectName(toQString(entry.name));
    actions_.emplace(name, action);
  }
}

void MainWindowView::menuItemChosen(const std::string& name) {
  form_.menuItemChosen(name);
  // Qt turned the check mark over by itself; the model's mark is the one
  // that counts, whether or not the handler changed it.
  showElement(name);
}

QLayout* MainWindowView::chain(std::initializer_list<std::string_view> names) const {
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  for (std::string_view name : names) row->addWidget(element(name), 0, Qt::AlignVCenter);
  return row;
}

void MainWindowView::addColumn(QGridLayout* grid, int column, std::string_view heading,
                               QLayout* content) const {
  grid->addWidget(element(heading), 0, column, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addLayout(content, 1, column, Qt::AlignHCenter | Qt::AlignTop);
}

QWidget* MainWindowView::line(const char* name, bool vertical) {
  auto* frame = new QFrame(centralWidget());
  frame->setObjectName(name);
  frame->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
  frame->setFrameShadow(QFrame::Sunken);
  return frame;
}

void MainWindowView::arrange() {
  auto* outer = new QVBoxLayout(centralWidget());
  outer->setSpacing(4);
  // Columns stand apart by most of a line's height, so that neighbouring
  // values and underlined headings never run together.
  const int gap = fontMetrics().height() * 3 / 4;
  const auto single = [this](std::string_view name) { return chain({name}); };

  outer->addWidget(element("Label32"), 0, Qt::AlignHCenter);
  outer->addWidget(line("Line1"));

  auto* time = new QGridLayout;
  time->setHorizontalSpacing(gap);
  addColumn(time, 0, "Date", chain({"DateDay", "DateMonth", "DateYear"}));
  addColumn(time, 1, "DayYear", single("DOY"));
  addColumn(time, 2, "LocalTime",
            chain({"TimeHour", "Label5(4)", "TimeMin", "Label11", "TimeSec", "Label15"}));
  addColumn(time, 3, "SidTime", chain({"SidHour", "Label5(5)", "SidMin", "Label10", "SidSec", "Label16"}));
  addColumn(time, 4, "Label1", single("JulianDate"));
  outer->addLayout(time);
  outer->addWidget(line("Line2"));

  auto* place = new QGridLayout;
  place->setHorizontalSpacing(gap);
  addColumn(place, 0, "LocSet", single("Town"));
  addColumn(place, 1, "Longitude", chain({"LongGrad", "Label19", "LongMin", "Label13", "List1"}));
  addColumn(place, 2, "Latitude", chain({"LatGrad", "Label20", "LatMin", "Label14", "List2"}));
  addColumn(place, 3, "TimZon", chain({"Timezon", "Label5(6)"}));
  outer->addLayout(place);
  outer->addWidget(line("Line3"));

  outer->addWidget(element("CoordSun"), 0, Qt::AlignHCenter);
  auto* coordinates = new QGridLayout;
  coordinates->setHorizontalSpacing(gap);
  addColumn(coordinates, 0, "Longit", chain({"LongSun", "Label21"}));
  addColumn(coordinates, 1, "Latit", chain({"LatLuna", "Label26"}));
  addColumn(coordinates, 2, "RASun", chain({"RAHour", "Label5(3)", "RAMin", "Label9", "RASec", "Label17"}));
  addColumn(coordinates, 3, "DeclSun",
            chain({"Label33", "DeclGrad", "Label22", "DeclMin", "Label12", "DeclSec", "Label18"}));
  auto* altitude = new QGridLayout;
  altitude->setVerticalSpacing(0);
  altitude->setHorizontalSpacing(gap / 2);
  altitude->addWidget(element("Tru"), 0, 0);
  altitude->addLayout(chain({"AltTrue", "Label23"}), 0, 1);
  altitude->addWidget(element("App"), 1, 0);
  altitude->addLayout(chain({"AltApp", "Label24"}), 1, 1);
  addColumn(coordinates, 4, "AltSun", altitude);
  addColumn(coordinates, 5, "AzimSun", chain({"AzimTrue", "Label27"}));
  outer->addLayout(coordinates);
  outer->addWidget(line("Line4"));

  auto* moon = new QGridLayout;
  moon->setHorizontalSpacing(gap);
  auto* distance = new QVBoxLayout;
  distance->setSpacing(0);
  distance->addLayout(chain({"Distkm", "km"}));
  distance->addLayout(chain({"DistPer", "Per"}));
  addColumn(moon, 0, "Distance", distance);
  addColumn(moon, 1, "DiamSun", chain({"DiamMin", "Label2", "DiamSec", "Label4"}));
  addColumn(moon, 2, "Phase", chain({"Fraction", "Label8"}));
  addColumn(moon, 3, "Label36", chain({"Label37", "Label38"}));
  outer->addLayout(moon);
  outer->addWidget(line("Line5"));

  auto* phases = new QGridLayout;
  phases->setHorizontalSpacing(gap);
  phases->addWidget(element("Label25"), 0, 0, 1, 2);
  phases->addWidget(element("Phase1"), 1, 0);
  phases->addWidget(element("DatePhase1"), 1, 1);
  phases->addWidget(element("Phase2"), 2, 0);
  phases->addWidget(element("DatePhase2"), 2, 1);
  auto* modes = new QGridLayout;
  modes->addWidget(element("Label30"), 0, 0, 1, 2);
  modes->addWidget(element("Option1"), 1, 0);
  modes->addWidget(element("Label28"), 1, 1);
  modes->addWidget(element("Option2"), 2, 0);
  modes->addWidget(element("Label29"), 2, 1);
  modes->setColumnStretch(1, 1);
  auto* phasesAndModes = new QHBoxLayout;
  phasesAndModes->addLayout(phases);
  phasesAndModes->addStretch();
  phasesAndModes->addWidget(line("Line6", true));
  phasesAndModes->addStretch();
  phasesAndModes->addLayout(modes);
  outer->addLayout(phasesAndModes);
  outer->addWidget(line("Line7"));

  // Rise on the left, the culminations in the middle, set on the right;
  // each heading stands above its values.
  auto* events = new QGridLayout;
  const auto heading = [events](QWidget* widget, int row, int column) {
    events->addWidget(widget, row, column, Qt::AlignHCenter | Qt::AlignBottom);
  };
  const auto values = [events](QLayout* layout, int row, int column) {
    events->addLayout(layout, row, column, Qt::AlignHCenter | Qt::AlignTop);
  };
  heading(element("Sunrise"), 0, 0);
  values(chain({"RiseHour", "Label5(1)", "RiseMin", "Label3"}), 1, 0);
  heading(element("RiseAzim"), 2, 0);
  values(chain({"RAzim", "Label31"}), 3, 0);
  events->addWidget(line("Line8", true), 0, 1, 4, 1);
  heading(element("CulmSun(0)"), 0, 2);
  values(chain({"CulmHour(0)", "Label5(0)", "CulmMin(0)", "Label6(0)"}), 1, 2);
  heading(element("AltTransit(0)"), 0, 3);
  values(chain({"ATransit(0)", "Label34(0)"}), 1, 3);
  heading(element("CulmSun(1)"), 2, 2);
  values(chain({"CulmHour(1)", "Label5(7)", "CulmMin(1)", "Label6(1)"}), 3, 2);
  heading(element("AltTransit(1)"), 2, 3);
  values(chain({"ATransit(1)", "Label34(1)"}), 3, 3);
  events->addWidget(line("Line9", true), 0, 4, 4, 1);
  heading(element("Sunset"), 0, 5);
  values(chain({"SetHour", "Label5(2)", "SetMin", "Label7"}), 1, 5);
  heading(element("SetAzim"), 2, 5);
  values(chain({"SAzim", "Label35"}), 3, 5);
  for (int column : {0, 2, 3, 5}) events->setColumnStretch(column, 1);
  outer->addLayout(events);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(element("Command2"));
  buttons->addWidget(element("Command1"));
  outer->addLayout(buttons);
}

void MainWindowView::modelChanged(std::string_view name) {
  additions_->modelChanged(name);
  if (name == "Timer1") {
    showTimer();
    return;
  }
  for (Language language : {Language::English, Language::Russian})
    if (aboutTexts(language).dialog == name) {
      showAbout(name);
      return;
    }
  showElement(name);
}

void MainWindowView::showElement(std::string_view name) {
  const QScopedValueRollback<bool> showing(showing_, true);
  const QString text = toQString(model_.text(name));
  const bool enabled = model_.enabled(name);
  if (auto found = actions_.find(name); found != actions_.end()) {
    QAction* action = found->second;
    action->setText(text);
    action->setEnabled(enabled);
    if (action->isCheckable()) action->setChecked(model_.checked(name));
    return;
  }
  QWidget* widget = element(name);
  widget->setEnabled(enabled);
  showAccessibleName(widget, name);
  switch (model_.kind(name)) {
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
      if (model_.kind(name) == ElementKind::Caption) fitToCaptions();
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

void MainWindowView::showAccessibleName(QWidget* widget, std::string_view name) {
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
  for (std::string_view name : {"Option1", "Option2"}) {
    auto* option = static_cast<QRadioButton*>(element(name));
    option->setChecked(model_.selected(name));
    option->setEnabled(model_.enabled(name));
  }
  options_->setExclusive(true);
}

void MainWindowView::showTimer() {
  const int interval = model_.timerInterval();
  if (!model_.timerRunning()) {
    timer_->stop();
    timer_->setInterval(std::max(interval, 0));
  } else if (!timer_->isActive() || timer_->interval() != interval) {
    timer_->start(interval);
  }
}

void MainWindowView::showAbout(std::string_view dialog) {
  auto found = aboutDialogs_.find(dialog);
  if (!model_.aboutShown(dialog)) {
    if (found != aboutDialogs_.end()) found->second->hide();
    return;
  }
  if (found == aboutDialogs_.end()) {
    const Language language =
        aboutTexts(Language::English).dialog == dialog ? Language::English : Language::Russian;
    const auto ok = [this, language] {
      language == Language::English ? form_.frmAbout_Command1_Click() : form_.frmAbout_rus_Command1_Click();
    };
    auto* about = new AboutDialog(aboutTexts(language), ok, this);
    found = aboutDialogs_.emplace(std::string(dialog), about).first;
  }
  found->second->show();
  found->second->raise();
  found->second->activateWindow();
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
  if (event->type() == QEvent::MouseButtonRelease) {
    const std::string name = watched->objectName().toStdString();
    if (const std::string_view* option = lookup(kOptionLabels, name)) {
      auto* button = static_cast<QRadioButton*>(element(*option));
      if (button->isEnabled()) button->click();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessaly::qtview

#include "qt/ElementWidgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "qt/QtText.h"
#include "settings/SettingsFile.h"
#include "window/WindowModel.h"

namespace tessaly::qtview {
namespace {

QFont serifFont(double points) {
  QFont font = sansFont(points);
  font.setFamilies({"Liberation Serif", "Times New Roman", "Nimbus Roman", "DejaVu Serif"});
  font.setStyleHint(QFont::Serif);
  font.setUnderline(true);
  return font;
}

QLabel* createLabel(const ElementSpec& element, const ElementLook& look, const QString& accessibleName,
                    QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAccessibleName(accessibleName);
  label->setTextFormat(Qt::PlainText);
  if (element.kind == ElementKind::Unit) {
    label->setFont(sansFont(8.25));
    // Signs of degrees, hours, minutes and seconds stand raised, lifted by a
    // margin below them, as astronomy writes them; plain units, and the
    // primes that are high by themselves, stay on the line.
    if (!(look.style & kOnTheLine)) label->setContentsMargins(0, 0, 0, label->fontMetrics().height() * 3 / 5);
  }
  if (look.style & kUnderlined) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
  }
  if (look.style & kLarge) label->setFont(sansFont(12));
  if (look.style & kHeading) label->setFont(serifFont(13.5));
  if (look.style & kTitle) {
    QFont font = serifFont(16.5);
    font.setItalic(true);
    label->setFont(font);
  }
  if (!look.sample.empty()) {
    const bool words = element.name.starts_with("Phase") || element.name.starts_with("DatePhase");
    label->setAlignment((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(toQString(look.sample)));
  }
  return label;
}

}  // namespace

QFont sansFont(double points) {
  QFont font = QApplication::font();
  font.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

SampleLineEdit::SampleLineEdit(std::string_view sample, QWidget* parent)
    : QLineEdit(parent), sample_(toQString(sample)) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SampleLineEdit::sizeHint() const {
  // QLineEdit's own hint is 17 times an 'x' plus frame and margins; the box
  // scrolls its text unless the cursor fits beside it as well.
  const QSize base = QLineEdit::sizeHint();
  const QFontMetrics metrics = fontMetrics();
  return {base.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) + metrics.horizontalAdvance(sample_) + 1 +
              style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this),
          base.height()};
}

void DateComboBox::showPopup() {
  QComboBox::showPopup();
  bool whole = false;
  const int number = currentText().trimmed().toInt(&whole);
  const int match = whole ? findText(QString::number(number)) : -1;
  const QModelIndex current = match >= 0 ? model()->index(match, modelColumn()) : QModelIndex();
  view()->setCurrentIndex(current);
  if (current.isValid()) view()->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

QValidator::State TakenCharacters::validate(QString& input, int& position) const {
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

QWidget* createElementWidget(const ElementSpec& element, const ElementLook& look, const QString& accessibleName,
                             QWidget* parent) {
  switch (element.kind) {
    case ElementKind::Combo: {
      auto* combo = new DateComboBox(parent);
      combo->setEditable(true);
      // The text typed is the value: the box neither completes it nor adds
      // it to its suggestions.
      combo->setCompleter(nullptr);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      for (int n = look.firstSuggestion; n <= look.lastSuggestion; ++n) combo->addItem(QString::number(n));
      combo->setCurrentIndex(-1);
      return combo;
    }
    case ElementKind::Text: {
      auto* edit = new SampleLineEdit(look.sample.empty() ? "000000" : look.sample, parent);
      edit->setValidator(new TakenCharacters(look.name, edit));
      // The box keeps to what the settings line carries, so the model never
      // cuts what is typed under the cursor.
      if (look.name == "Town") edit->setMaxLength(static_cast<int>(kLongestTextField));
      return edit;
    }
    case ElementKind::Value:
    case ElementKind::Caption:
    case ElementKind::Unit:
      return createLabel(element, look, accessibleName, parent);
    case ElementKind::OneRowList: {
      // The entry shown is the entry in view: index 0 or 1.
      auto* list = new QComboBox(parent);
      list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      return list;
    }
    case ElementKind::OptionButton:
      return new QRadioButton(parent);
    case ElementKind::Button: {
      auto* button = new QPushButton(parent);
      // Enter on a focused button presses that button, as Enter elsewhere
      // presses Calculate.
      button->setAutoDefault(true);
      return button;
    }
    case ElementKind::MenuItem:
      break;
  }
  return nullptr;
}

}  // namespace tessaly::qtview

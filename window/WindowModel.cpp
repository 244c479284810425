#include "window/WindowModel.h"

#include <stdexcept>
#include <string>

#include "settings/SettingsFile.h"
#include "window/AccessibleNames.h"

namespace tessaly {

WindowModel::WindowModel() {
  elements_.reserve(ElementName::kCount);
  for (const ElementSpec& e : windowElements())
    elements_.push_back(Element{std::string(e.initialText), e.enabled, e.checked, {}, 0, {}});
  for (auto entry : kEastWest) list("List1").entries.emplace_back(entry);
  for (auto entry : kNorthSouth) list("List2").entries.emplace_back(entry);
  // The window is created with its English captions.
  for (const ElementCaption& row : accessibleNames()) element(row.control).accessibleName = row.english;
}

// The engine's names are fixed like the window's: one outside the table is a
// fault of the program, never of its input.
void WindowModel::EngineFields::unknown(std::string_view name) {
  throw std::logic_error("no window element " + std::string(name));
}

WindowModel::Element& WindowModel::list(ElementName name) {
  if (kind(name) != ElementKind::OneRowList) throw std::logic_error(std::string(name.text()) + " is no list");
  return element(name);
}

const WindowModel::Element& WindowModel::list(ElementName name) const {
  return const_cast<WindowModel*>(this)->list(name);
}

bool WindowModel::takes(ElementName name, char c) {
  return name != "Town" || kTextFieldEnds.find(c) == std::string_view::npos;
}

void WindowModel::setText(ElementName name, std::string_view text) {
  Element& e = element(name);
  const std::string town = name == "Town" ? withoutTextFieldEnds(text) : std::string();
  if (name == "Town") text = town;
  if (e.text == text) return;
  e.text = text;
  changed(name);
}

void WindowModel::setAccessibleName(ElementName name, std::string_view accessibleName) {
  Element& e = element(name);
  if (e.accessibleName == accessibleName) return;
  e.accessibleName = accessibleName;
  changed(name);
}

void WindowModel::selectEntry(ElementName name, int index) {
  Element& e = list(name);
  if (index < 0 || index >= static_cast<int>(e.entries.size()))
    throw std::out_of_range("no entry " + std::to_string(index) + " in " + std::string(name.text()));
  e.top = index;
  changed(name);
}

void WindowModel::clearList(ElementName name) {
  Element& e = list(name);
  e.entries.clear();
  e.top = 0;
  changed(name);
}

void WindowModel::addEntry(ElementName name, std::string_view entry) {
  list(name).entries.emplace_back(entry);
  changed(name);
}

void WindowModel::setEnabled(ElementName name, bool enabled) {
  Element& e = element(name);
  if (e.enabled == enabled) return;
  e.enabled = enabled;
  changed(name);
}

void WindowModel::setSelected(ElementName option, bool selected) {
  if (kind(option) != ElementKind::OptionButton)
    throw std::logic_error(std::string(option.text()) + " is no option");
  Element& e = element(option);
  if (e.checked == selected) return;
  e.checked = selected;
  changed(option);
  if (!selected) return;
  setSelected(option == "Option1" ? ElementName("Option2") : ElementName("Option1"), false);
  if (onOption_) onOption_(option);
}

void WindowModel::setChecked(ElementName item, bool checked) {
  Element& e = element(item);
  if (e.checked == checked) return;
  e.checked = checked;
  changed(item);
}

void WindowModel::setTimerInterval(int milliseconds) {
  timerInterval_ = milliseconds;
  timerChanged();
}

void WindowModel::setTimerEnabled(bool enabled) {
  timerEnabled_ = enabled;
  timerChanged();
}

void WindowModel::setAboutShown(Language language, bool shown) {
  aboutShown_[index(language)] = shown;
  listeners_.notify([language](Listener& l) { l.aboutChanged(language); });
}

}  // namespace tessaly

#include "window/WindowModel.h"

#include <stdexcept>

#include "settings/SettingsFile.h"
#include "window/AccessibleNames.h"

namespace tessaly {

namespace {

// Kept apart so that the lookup itself stays a short function.
[[noreturn, gnu::cold, gnu::noinline]] void noSuchElement(std::string_view name) {
  // The names are fixed: an unknown one is a programming error, not input.
  throw std::invalid_argument("no window element " + std::string(name));
}

}  // namespace

WindowModel::WindowModel() : slots_(std::size_t{1} << kSlotBits, -1) {
  const std::size_t mask = slots_.size() - 1;
  for (const ElementSpec& e : windowElements()) {
    std::size_t slot = slotOf(e.name);
    while (slots_[slot] >= 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::int16_t>(elements_.size());
    elements_.emplace_back(std::string(e.name),
                           Element{e.kind, std::string(e.initialText), e.enabled, e.checked, {}, 0, {}});
  }
  for (auto entry : kEastWest) list("List1").entries.emplace_back(entry);
  for (auto entry : kNorthSouth) list("List2").entries.emplace_back(entry);
  // The window is created with its English captions.
  for (const CaptionRow& row : accessibleNames()) element(row.control).accessibleName = row.english;
}

WindowModel::Element& WindowModel::element(std::string_view name) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = slotOf(name); slots_[slot] >= 0; slot = (slot + 1) & mask) {
    auto& [elementName, e] = elements_[static_cast<std::size_t>(slots_[slot])];
    if (elementName == name) return e;
  }
  noSuchElement(name);
}

const WindowModel::Element& WindowModel::element(std::string_view name) const {
  return const_cast<WindowModel*>(this)->element(name);
}

WindowModel::Element& WindowModel::list(std::string_view name) {
  Element& e = element(name);
  if (e.kind != ElementKind::OneRowList) throw std::invalid_argument(std::string(name) + " is no list");
  return e;
}

void WindowModel::changed(std::string_view name) const {
  if (onChange_) onChange_(name);
}

std::string WindowModel::text(std::string_view name) const { return element(name).text; }

bool WindowModel::takes(std::string_view name, char c) {
  return name != "Town" || kTextFieldEnds.find(c) == std::string_view::npos;
}

void WindowModel::setText(std::string_view name, std::string_view text) {
  Element& e = element(name);
  const std::string town = name == "Town" ? withoutTextFieldEnds(text) : std::string();
  if (name == "Town") text = town;
  if (e.text == text) return;
  e.text = text;
  changed(name);
}

ElementKind WindowModel::kind(std::string_view name) const { return element(name).kind; }

std::string WindowModel::accessibleName(std::string_view name) const { return element(name).accessibleName; }

void WindowModel::setAccessibleName(std::string_view name, std::string_view accessibleName) {
  Element& e = element(name);
  if (e.accessibleName == accessibleName) return;
  e.accessibleName = accessibleName;
  changed(name);
}

int WindowModel::topEntry(std::string_view name) const {
  return const_cast<WindowModel*>(this)->list(name).top;
}

void WindowModel::selectEntry(std::string_view name, int index) {
  Element& e = list(name);
  if (index < 0 || index >= static_cast<int>(e.entries.size()))
    throw std::out_of_range("no entry " + std::to_string(index) + " in " + std::string(name));
  e.top = index;
  changed(name);
}

const std::vector<std::string>& WindowModel::entries(std::string_view name) const {
  return const_cast<WindowModel*>(this)->list(name).entries;
}

void WindowModel::clearList(std::string_view name) {
  Element& e = list(name);
  e.entries.clear();
  e.top = 0;
  changed(name);
}

void WindowModel::addEntry(std::string_view name, std::string_view entry) {
  list(name).entries.emplace_back(entry);
  changed(name);
}

bool WindowModel::enabled(std::string_view name) const { return element(name).enabled; }

void WindowModel::setEnabled(std::string_view name, bool enabled) {
  Element& e = element(name);
  if (e.enabled == enabled) return;
  e.enabled = enabled;
  changed(name);
}

bool WindowModel::selected(std::string_view option) const { return element(option).checked; }

void WindowModel::setSelected(std::string_view option, bool selected) {
  Element& e = element(option);
  if (e.kind != ElementKind::OptionButton) throw std::invalid_argument(std::string(option) + " is no option");
  if (e.checked == selected) return;
  e.checked = selected;
  changed(option);
  if (!selected) return;
  const std::string other = option == "Option1" ? "Option2" : "Option1";
  setSelected(other, false);
  if (onOption_) onOption_(option);
}

bool WindowModel::checked(std::string_view item) const { return element(item).checked; }

void WindowModel::setChecked(std::string_view item, bool checked) {
  Element& e = element(item);
  if (e.checked == checked) return;
  e.checked = checked;
  changed(item);
}

void WindowModel::setTimerInterval(int milliseconds) {
  timerInterval_ = milliseconds;
  changed("Timer1");
}

void WindowModel::setTimerEnabled(bool enabled) {
  timerEnabled_ = enabled;
  changed("Timer1");
}

bool WindowModel::aboutShown(std::string_view dialog) const {
  auto it = aboutShown_.find(dialog);
  return it != aboutShown_.end() && it->second;
}

void WindowModel::setAboutShown(std::string_view dialog, bool shown) {
  aboutShown_.insert_or_assign(std::string(dialog), shown);
  changed(dialog);
}

}  // namespace tessaly

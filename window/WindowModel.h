#pragma once
// The main window as data, free of any toolkit: texts and captions, enabled
// states, the one-row lists, the option group, menu check marks, the timer
// and the About windows. Views and the form listen to it.
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FieldStore.h"
#include "window/Captions.h"
#include "window/ElementName.h"
#include "window/Listeners.h"

namespace tessaly {

// A text for a field, as typed.
struct FieldText {
  ElementName field;
  std::string text;
};

class WindowModel {
 public:
  // Told after each change, in the order the listeners were added.
  class Listener {
   public:
    virtual void elementChanged(ElementName) {}
    virtual void timerChanged() {}
    // The About window of that language was shown or closed.
    virtual void aboutChanged(Language) {}

   protected:
    ~Listener() = default;
  };

  WindowModel();
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  void addListener(Listener& listener) { listeners_.add(listener); }
  void removeListener(Listener& listener) { listeners_.remove(listener); }
  // The option buttons' event, raised when one becomes selected by the user
  // or by the program: the form's handlers.
  void setOptionHandler(std::function<void(ElementName)> handler) { onOption_ = std::move(handler); }

  const std::string& text(ElementName name) const { return element(name).text; }
  // Characters a box does not take are left out.
  void setText(ElementName name, std::string_view text);
  void setTexts(std::initializer_list<FieldText> texts) {
    for (const FieldText& t : texts) setText(t.field, t.text);
  }
  // Whether a box takes a character: Town takes no comma, CR or LF, which
  // the settings line cannot hold inside the town's field.
  static bool takes(ElementName name, char c);

  ElementKind kind(ElementName name) const { return name.row().kind; }
  // What a screen reader speaks for the element; empty where its text says it.
  const std::string& accessibleName(ElementName name) const { return element(name).accessibleName; }
  void setAccessibleName(ElementName name, std::string_view accessibleName);
  bool enabled(ElementName name) const { return element(name).enabled; }
  void setEnabled(ElementName name, bool enabled);

  // The one-row lists: their entries and the index of the entry in view.
  const std::vector<std::string>& entries(ElementName list) const { return this->list(list).entries; }
  int topEntry(ElementName list) const { return this->list(list).top; }
  // The text of the entry in view; empty while the list has none.
  std::string entryInView(ElementName list) const {
    const auto& l = this->list(list);
    return l.top >= 0 && l.top < static_cast<int>(l.entries.size()) ? l.entries[static_cast<std::size_t>(l.top)] : "";
  }
  void selectEntry(ElementName list, int index);
  void clearList(ElementName list);
  void addEntry(ElementName list, std::string_view entry);

  // Selecting one option button clears the other and raises its event.
  bool selected(ElementName option) const { return element(option).checked; }
  void setSelected(ElementName option, bool selected);

  bool checked(ElementName menuItem) const { return element(menuItem).checked; }
  void setChecked(ElementName menuItem, bool checked);

  // An interval of 0 stops the ticks; a disabled timer never ticks.
  int timerInterval() const { return timerInterval_; }
  void setTimerInterval(int milliseconds);
  bool timerEnabled() const { return timerEnabled_; }
  void setTimerEnabled(bool enabled);
  bool timerRunning() const { return timerEnabled_ && timerInterval_ > 0; }

  bool aboutShown(Language language) const { return aboutShown_[index(language)]; }
  void setAboutShown(Language language, bool shown);

  // The fields as the engine addresses them, by names it holds as text.
  FieldStore& fields() { return fields_; }
  const FieldStore& fields() const { return fields_; }

 private:
  struct Element {
    std::string text;
    bool enabled;
    bool checked;
    std::vector<std::string> entries;
    int top = 0;
    std::string accessibleName;
  };

  class EngineFields : public FieldStore {
   public:
    explicit EngineFields(WindowModel& model) : model_(model) {}
    std::string text(std::string_view name) const override { return model_.text(named(name)); }
    void setText(std::string_view name, std::string_view text) override { model_.setText(named(name), text); }
    int topEntry(std::string_view list) const override { return model_.topEntry(named(list)); }
    void selectEntry(std::string_view list, int index) override { model_.selectEntry(named(list), index); }

   private:
    static ElementName named(std::string_view name) {
      if (const auto found = ElementName::find(name)) return *found;
      unknown(name);
    }
    [[noreturn]] static void unknown(std::string_view name);
    WindowModel& model_;
  };

  static std::size_t index(Language language) { return language == Language::English ? 0 : 1; }
  Element& element(ElementName name) { return elements_[name.index()]; }
  const Element& element(ElementName name) const { return elements_[name.index()]; }
  Element& list(ElementName name);
  const Element& list(ElementName name) const;
  void changed(ElementName name) const {
    listeners_.notify([name](Listener& l) { l.elementChanged(name); });
  }
  void timerChanged() const {
    listeners_.notify([](Listener& l) { l.timerChanged(); });
  }

  std::vector<Element> elements_;
  int timerInterval_ = 1000;
  bool timerEnabled_ = false;
  std::array<bool, 2> aboutShown_{};
  EngineFields fields_{*this};
  Listeners<Listener> listeners_;
  std::function<void(ElementName)> onOption_;
};

}  // namespace tessaly

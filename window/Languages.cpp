// The two caption sets and the About dialogs. The language in force is
// whatever the captions show; nothing else records it.
#include "engine/PhaseNames.h"
#include "window/AccessibleNames.h"
#include "window/CaptionsAdditions.h"
#include "window/MainForm.h"

namespace tessaly {

void MainForm::rebuildList(ElementName list, std::span<const ElementCaption> entries, Language language,
                           int inView) {
  model_.clearList(list);
  for (const ElementCaption& entry : entries) model_.addEntry(list, entry.in(language));
  model_.selectEntry(list, inView);
}

void MainForm::translatePhaseName(ElementName field, Language language) {
  const std::string shown = model_.text(field);
  for (const PhaseName& name : kPhaseNames) {
    const std::string_view other = language == Language::English ? name.russian : name.english;
    if (shown == other)
      model_.setText(field, language == Language::English ? name.english : name.russian);
  }
}

void MainForm::setCaptions(Language language) {
  for (const ElementCaption& row : headCaptions()) model_.setText(row.control, row.in(language));
  state_.EWIndex = static_cast<std::int16_t>(model_.topEntry("List1"));
  state_.NSIndex = static_cast<std::int16_t>(model_.topEntry("List2"));
  // The entry in view survives the change of language.
  rebuildList("List1", eastWestEntries(), language, state_.EWIndex);
  rebuildList("List2", northSouthEntries(), language, state_.NSIndex);
  for (const ElementCaption& row : tailCaptions()) model_.setText(row.control, row.in(language));
  for (const ElementCaption& row : accessibleNames()) model_.setAccessibleName(row.control, row.in(language));
  translatePhaseName("Phase1", language);
  translatePhaseName("Phase2", language);
}

void MainForm::me1_9_Click() { setCaptions(Language::English); }

void MainForm::me1_10_Click() { SetRussianCaptions(); }

void MainForm::SetRussianCaptions() { setCaptions(Language::Russian); }

void MainForm::me2_1_Click() {
  model_.setAboutShown(languageInForce(model_), true);
}

void MainForm::frmAbout_Command1_Click() { model_.setAboutShown(Language::English, false); }

void MainForm::frmAbout_rus_Command1_Click() { model_.setAboutShown(Language::Russian, false); }

}  // namespace tessaly

#pragma once

class FormControls;
class SettingsFile;

/// "Сохранить как:": keeps the whole set-up under the name in Edit25. A new
/// name is added to the end of the list, a known one (letter case aside)
/// keeps its place and is overwritten. An empty name does nothing; a name
/// the file cannot hold faithfully is refused with the reason (a
/// LoopwrightError) before anything is written. The list entry and the
/// sections are written in one safe replace: a failure writes none of them.
void savePresetAs(SettingsFile &file, FormControls &form);

/// "Удалить": removes the selected preset's sections and its line in the
/// list in one safe replace, then refills the list. Throws "List index out of bounds (-1)" when
/// no line is selected.
void deleteSelectedPreset(SettingsFile &file, FormControls &form);

/// "Загрузить": brings back the selected preset's field texts, its loop
/// details texts (when it has them), its type and its check states. Throws
/// "List index out of bounds (-1)" when no line is selected.
void loadSelectedPreset(const SettingsFile &file, FormControls &form);

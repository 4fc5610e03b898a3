// Qt's own texts (the file dialog, the message box buttons, Cancel) in the interface
// language, from the translations Qt ships (Debian: qt6-translations-l10n).
#pragma once

namespace orv {

// `language` is an ISO 639-1 code ("de", "ru"); nullptr or one Qt has no texts for
// gives Qt's English. Replaces the texts an earlier call chose.
void UseQtTexts(const char* language);

}  // namespace orv

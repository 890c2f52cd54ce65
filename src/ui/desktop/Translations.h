#pragma once

// Qt's own texts (standard buttons, the file and print dialogs, the text boxes'
// context menus) in Japanese, whatever the locale says.
namespace Translations {

// False when the translation files are not installed; Qt then speaks English.
bool install();
void remove();

} // namespace Translations

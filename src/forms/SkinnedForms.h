#pragma once

// Makes the skin provider known to stored window definitions and lets the
// skin manager attach providers to forms and adapters to system dialogs.
void RegisterSkinnedForms();

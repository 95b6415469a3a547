#pragma once

// The editor keeps no settings, and the toolkit keeps none on its behalf: its
// file dialog would otherwise write its folder history and view to the user's
// settings when it closes, and read them back when it opens. Makes the
// toolkit's settings files its default store, and points every settings file
// of the program at a place where no file exists and none can be made, so
// that nothing is read there and nothing written. Call once the application
// object exists, before the first file dialog opens.
void KeepNoSettings();

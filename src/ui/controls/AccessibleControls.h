#pragma once

// How a screen reader meets the form's controls where the toolkit alone falls
// short: a spinner is a spin box with its number, minimum and maximum; a list is called by its field,
// with the entry shown as its value (on Linux the toolkit would call it by the
// entry); the Scenario Items and Compare windows are windows with their
// titles for their names.
// Installs once; later calls do nothing. Call before the first control
// is made.
void InstallAccessibleControls();

#pragma once

// Tells screen readers what the controls are where Qt's own description
// falls short: a label reads as exactly its caption, even an empty one, and
// a link label as a link that can be activated; a read-only text box as a
// named text nobody edits; a frame by its own caption only; a dialog window
// as a dialog; an announcement as a notification.
void installAccessibility();

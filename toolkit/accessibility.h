#pragma once

// Makes a label read as exactly its caption, even an empty one; Qt would
// otherwise read an empty label as the caption of the frame around it.
void installLabelAccessibility();

#pragma once

// Makes the skinned panel, label, edit and button known to stored
// definitions by their class names.
void RegisterSkinnedControls();

#pragma once

// The rich label and the rich text as labels for screen readers, named by
// their text without its markup codes: group captions, the message of the
// message dialog, the about box.

// Gives every TRichControl its interface; safe to call more than once.
void InstallRichControlAccessibility();

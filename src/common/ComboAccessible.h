#pragma once

// Qt on Linux names a combo box after the entry it shows and leaves its label to a "labelled by"
// relation, which Orca drops when the label is the frame around the combo; and Orca reads the value
// of a list-only combo from nothing it can find. Installed once, this presents every combo box by
// its own name (its accessible name, else its buddy label's text) with the shown entry as its value
// and as a read-only text, so that a screen reader says "Digit type combo box Lines". Editable combo
// boxes keep Qt's own presentation: their entry field carries the value. Any number of calls.
namespace ComboAccessible {
void Install();
} // namespace ComboAccessible

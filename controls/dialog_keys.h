#pragma once
// Return and Escape in a dialog with round buttons, as in a Windows dialog with a default and a
// cancel button.
class QWidget;
class THemisphereButton;

// Return presses `continueButton` and Escape `abortButton` when the focused control does not take
// the key itself (a focused button takes Return for itself). A hidden or disabled button leaves
// its key to the form, as does a null one: the form then keeps its own rule for that key.
void BindDialogKeys(QWidget* form, THemisphereButton* continueButton,
                    THemisphereButton* abortButton);

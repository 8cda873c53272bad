# (tests of the dialogs)

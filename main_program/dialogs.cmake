# (the dialogs of the main program are listed here)

// Keeps the library non-empty until the main window lands.

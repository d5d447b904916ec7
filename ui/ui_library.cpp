// Keeps the library non-empty while windows are being added.
namespace kaleidra_ui {
int LibraryPresent() {
  return 1;
}
}  // namespace kaleidra_ui

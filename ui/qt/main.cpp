#include "ui/qt/main_app.h"

int main(int argc, char** argv) {
  return lexi::CMainApp().run(argc, argv);
}

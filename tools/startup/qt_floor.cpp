// A second floor for the start-up benchmark: the least Qt Widgets program with a focused line
// edit, to tell Qt's own start-up cost apart from what Fokuro adds to it.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(400, 300);
  QLineEdit edit(&window);
  edit.setFocus();
  window.show();
  return QApplication::exec();
}

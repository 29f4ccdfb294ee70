// The toolkit's floor for the start-up benchmark: an empty QMainWindow with the same client
// size as the program's window, built with the same flags, and nothing else. With --text it
// also shows one Japanese label, which is the floor for any window that draws Japanese text:
// the first text drawn starts the font system and maps a CJK font.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    auto* client = new QWidget(&window);
    client->setFixedSize(432, 190);
    window.setCentralWidget(client);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("計算"), client);
    window.show();
    return QApplication::exec();
}

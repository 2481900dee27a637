// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: the least a Qt 6 program does to show N notes, that is
// N frameless top-level windows with a QTextEdit each, holding the notes' text, at the notes'
// places and size.
#include "NoteGrid.h"

#include <QApplication>
#include <QFile>
#include <QTextEdit>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    bool countOk = false;
    const int count = args.size() == 3 ? args.at(1).toInt(&countOk) : 0;
    QFile textFile(args.value(2));
    if (!countOk || count < 1 || !textFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: bench_floor_windows COUNT TEXT_FILE\n");
        return 2;
    }
    const QString text = QString::fromUtf8(textFile.readAll());
    QFont noteFont(QStringLiteral("Tahoma"));
    noteFont.setPixelSize(11);

    std::vector<std::unique_ptr<QWidget>> windows;
    windows.reserve(std::size_t(count));
    for (int index = 0; index < count; ++index) {
        auto window = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        auto* edit = new QTextEdit(window.get());
        edit->setFont(noteFont);
        edit->setPlainText(text);
        edit->setGeometry(QRect(QPoint(0, 0), NoteGridSize));
        window->setGeometry(QRect(NoteGridPlace(index), NoteGridSize));
        window->show();
        windows.push_back(std::move(window));
    }
    return QApplication::exec();
}

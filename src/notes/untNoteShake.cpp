// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteShake.h"

#include <QTimer>
#include <QWidget>

namespace {

const QString ShakeName = QStringLiteral("NoteShake");

class TNoteShake : public QObject {
public:
    static constexpr int Steps = 21;
    static constexpr int StepMs = 50;

    TNoteShake(QWidget& note, std::function<void()> finished)
        : QObject(&note), FNote(note), FHome(note.pos()), FFinished(std::move(finished)) {
        setObjectName(ShakeName);
        FTimer.setInterval(StepMs);
        connect(&FTimer, &QTimer::timeout, this, &TNoteShake::Step);
        FTimer.start();
    }

private:
    void Step() {
        ++FStep;
        if (FStep > Steps) {
            FTimer.stop();
            FNote.move(FHome);
            if (FFinished)
                FFinished();
            deleteLater();
            return;
        }
        const QPoint offset = FStep % 2 == 1 ? QPoint(2, 2) : QPoint(-2, -2);
        FNote.move(FHome + offset);
    }

    QWidget& FNote;
    QPoint FHome;
    std::function<void()> FFinished;
    QTimer FTimer;
    int FStep = 0;
};

} // namespace

void ShakeNote(QWidget& note, std::function<void()> finished) {
    if (!note.findChild<QObject*>(ShakeName, Qt::FindDirectChildrenOnly))
        new TNoteShake(note, std::move(finished));
}

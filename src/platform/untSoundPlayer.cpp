// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSoundPlayer.h"

#include "untProgramFolders.h"

#include <QFile>
#include <QLoggingCategory>

#include <canberra.h>

#include <atomic>

namespace {
Q_LOGGING_CATEGORY(lcSound, "velmar.platform.sound")

// The process's one sound context, made on first use and kept until the process ends, never
// destroyed: the ALSA and OSS output drivers play each sound on a thread of its own that
// ca_context_destroy() does not wait for, and destroying the context unloads the driver from
// under a thread still finishing its sound, which crashed the program as it ended. Null when
// it cannot be made.
ca_context* SharedContext() {
    static ca_context* const context = [] {
        ca_context* made = nullptr;
        if (const int error = ca_context_create(&made); error != CA_SUCCESS) {
            qCWarning(lcSound) << "no sound context:" << ca_strerror(error);
            return static_cast<ca_context*>(nullptr);
        }
        ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Velmar Notes",
                                CA_PROP_APPLICATION_ID, "velmarnotes",
                                CA_PROP_APPLICATION_ICON_NAME, "velmarnotes", nullptr);
        return made;
    }();
    return context;
}

std::uint32_t NextSoundId() {
    static std::atomic<std::uint32_t> lastId{0};
    return ++lastId;
}
} // namespace

TSoundPlayer::TSoundPlayer(Output output) : FOutput(output), FSoundId(NextSoundId()) {}

TSoundPlayer::~TSoundPlayer() {
    Stop();
}

void TSoundPlayer::Play(const QString& fileName) {
    const QString file = ProgramFolders::Find(fileName);
    if (file.isEmpty())
        qCWarning(lcSound) << "sound file" << fileName << "not found; playing the theme's"
                           << FallbackEvent << "instead";
    if (FOutput == Output::RecordOnly) {
        FRequests.append({fileName, file});
        return;
    }
    ca_context* context = SharedContext();
    if (!context)
        return;
    FHasPlayed = true;
    const int error = file.isEmpty()
                          ? ca_context_play(context, FSoundId, CA_PROP_EVENT_ID, FallbackEvent,
                                            CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr)
                          : ca_context_play(context, FSoundId, CA_PROP_MEDIA_FILENAME,
                                            QFile::encodeName(file).constData(),
                                            CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
    if (error != CA_SUCCESS)
        qCWarning(lcSound) << "could not play"
                           << (file.isEmpty() ? QString::fromLatin1(FallbackEvent) : file) << ":"
                           << ca_strerror(error);
}

void TSoundPlayer::Stop() {
    if (FOutput == Output::RecordOnly) {
        ++FStopCount;
        return;
    }
    // A player that has played nothing has nothing to cut short (and needs no context).
    if (!FHasPlayed)
        return;
    if (const int error = ca_context_cancel(SharedContext(), FSoundId); error != CA_SUCCESS)
        qCWarning(lcSound) << "could not stop the sound:" << ca_strerror(error);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSoundPlayer.h"

#include "untProgramFolders.h"

#include <QFile>
#include <QLoggingCategory>

#include <canberra.h>

namespace {
Q_LOGGING_CATEGORY(lcSound, "velmar.platform.sound")

// libcanberra groups sounds by id for cancelling them: every sound of the player shares one.
constexpr uint32_t ReminderSoundId = 1;
} // namespace

TSoundPlayer::TSoundPlayer(Output output) : FOutput(output) {}

TSoundPlayer::~TSoundPlayer() = default;

void TSoundPlayer::ContextDeleter::operator()(ca_context* context) const {
    ca_context_destroy(context);
}

ca_context* TSoundPlayer::Context() {
    if (FContext)
        return FContext.get();
    ca_context* context = nullptr;
    if (const int error = ca_context_create(&context); error != CA_SUCCESS) {
        qCWarning(lcSound) << "no sound context:" << ca_strerror(error);
        return nullptr;
    }
    FContext.reset(context);
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Velmar Notes",
                            CA_PROP_APPLICATION_ID, "velmarnotes", CA_PROP_APPLICATION_ICON_NAME,
                            "velmarnotes", nullptr);
    return context;
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
    ca_context* context = Context();
    if (!context)
        return;
    const int error =
        file.isEmpty() ? ca_context_play(context, ReminderSoundId, CA_PROP_EVENT_ID, FallbackEvent,
                                         CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr)
                       : ca_context_play(context, ReminderSoundId, CA_PROP_MEDIA_FILENAME,
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
    // Nothing has played without a context, so there is nothing to cut short.
    if (!FContext)
        return;
    if (const int error = ca_context_cancel(FContext.get(), ReminderSoundId); error != CA_SUCCESS)
        qCWarning(lcSound) << "could not stop the sound:" << ca_strerror(error);
}

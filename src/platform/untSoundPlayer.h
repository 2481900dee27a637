// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// One request to the sound player: the name it was given and the file it found for it; an
// empty file means the sound theme's alarm event stood in for a missing one.
struct TSoundRequest {
    QString name;
    QString file;

    bool operator==(const TSoundRequest&) const = default;
};

// Plays the program's sound files asynchronously by name, as a reminder rings: the call returns
// at once and a failure never reaches the user.
class TSoundPlayer {
public:
    // The sound theme's event that stands in for a missing file.
    static constexpr const char* FallbackEvent = "alarm-clock-elapsed";

    enum class Output {
        Speakers,
        // Plays nothing and keeps a record of every request instead (tests).
        RecordOnly,
    };

    explicit TSoundPlayer(Output output = Output::Speakers);
    ~TSoundPlayer();
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    // Plays the file of that name from the program's folders (ProgramFolders::Find); a name
    // found in neither plays the fallback event and is logged.
    void Play(const QString& fileName);
    // Cuts short whatever the player is playing; so does the player's end.
    void Stop();

    // Every request so far, oldest first; kept in RecordOnly mode only.
    const QList<TSoundRequest>& Requests() const { return FRequests; }
    // How often Stop was called; counted in RecordOnly mode only.
    int StopCount() const { return FStopCount; }

private:
    Output FOutput;
    // The players share one sound context; each cuts short only its own sounds.
    std::uint32_t FSoundId;
    bool FHasPlayed = false;
    QList<TSoundRequest> FRequests;
    int FStopCount = 0;
};

#include <gtest/gtest.h>

#include "platform/sound_command.h"

TEST(SoundCommand, WellFormedTextTakesItsParts) {
    struct Case { const char *text; SoundVerb verb; const char *file, *alias; bool fromStart, repeat; };
    const Case cases[] = {
        {"open sfx/siren.wav type waveaudio alias siren", SoundVerb::Open, "sfx/siren.wav", "siren", false, false},
        // Keywords ignore case and order; names keep their case.
        {"Open A.wav ALIAS B.wav TYPE WaveAudio", SoundVerb::Open, "A.wav", "B.wav", false, false},
        {"stop background0.mp3", SoundVerb::Stop, "", "background0.mp3", false, false},
        {"play smallExplode.wav from 0", SoundVerb::Play, "", "smallExplode.wav", true, false},
        {"play title.mp3", SoundVerb::Play, "", "title.mp3", false, false},
        {"play gameover.mp3 repeat from 0", SoundVerb::Play, "", "gameover.mp3", true, true},
        {"  PLAY  Title.MP3\tFrom 0   Repeat ", SoundVerb::Play, "", "Title.MP3", true, true},
    };
    for (const Case& c : cases) {
        const auto cmd = parseSoundCommand(c.text);
        ASSERT_TRUE(cmd) << c.text;
        EXPECT_TRUE(cmd->verb == c.verb && cmd->file == c.file && cmd->alias == c.alias && cmd->fromStart == c.fromStart &&
                    cmd->repeat == c.repeat) << c.text;
    }
}

TEST(SoundCommand, MalformedTextIsRejected) {
    for (const char* text : {"", "   ", "pause title.mp3", "open", "open a.mp3", "open a.mp3 type mpegvideo alias",
                             "open a.mp3 type sequencer alias a", "open a.mp3 alias a alias b", "open a.mp3 alias a wait",
                             "play", "play title.mp3 from", "play title.mp3 from 500", "play title.mp3 from 0 from 0",
                             "play title.mp3 repeat repeat", "play title.mp3 loop", "stop", "stop title.mp3 now"})
        EXPECT_FALSE(parseSoundCommand(text)) << '"' << text << '"';
}

#include "alerts/plugin_speaker.h"
#include "alerts/voice_plugin.h"
#include "common/own_plugin.h"
#include "common/program_dir.h"
#include "support/temp_program_dir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

bool speechLibraryLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6TextToSpeech");
}

// The voice plugin where the program looks for it (the build tree's, as an
// installed one, relative to bin/), and what stands in for it when it is
// missing or broken: only the real one gives a voice, and only once asked.
TEST(PluginSpeakerTest, LoadsTheVoicePluginOnlyWhenAskedAndIsMuteWithoutIt)
{
    TempProgramDir dir;
    dir.write(QStringLiteral("libnotaplugin.so"), "not a library");
    struct Case { const char *what; OwnPlugin::File file; bool loads; };
    const Case cases[] = {
        { "missing", { dir.file(QStringLiteral("callwise_voice")) }, false },
        { "not a library", { dir.file(QStringLiteral("notaplugin")) }, false },
        { "a plugin of another kind", { pluginDirectory() + QStringLiteral("/callwise_print") },
            false },
#ifdef CALLWISE_VOICE_BUILT
        { "built", { pluginDirectory() + QStringLiteral("/callwise_voice") }, true },
#endif
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.what);
        OwnPlugin voice(each.file);
        PluginSpeaker speaker(voice);
        EXPECT_FALSE(speechLibraryLoaded());
        if (!each.loads) {
            EXPECT_FALSE(speaker.isAvailable());
            speaker.say(QStringLiteral("Nobody hears this."));
        }
        EXPECT_EQ(voice.as<VoicePlugin>() != nullptr, each.loads);
        EXPECT_EQ(speechLibraryLoaded(), each.loads);
    }
}

} // namespace

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

// The voice plugin where the program looks for it (the build tree's, laid
// out as an installed one) and what may stand in its place: only the real
// one gives a voice, and speech is loaded only once asked for.
TEST(PluginSpeakerTest, LoadsTheVoicePluginOnlyWhenAskedAndIsMuteWithoutIt)
{
    TempProgramDir dir;
    dir.write(QStringLiteral("libnotaplugin.so"), "not a library");
    const std::pair<QString, bool> cases[] = { { dir.file(QStringLiteral("callwise_voice")), false },
        { dir.file(QStringLiteral("notaplugin")), false },
        { pluginDirectory() + QStringLiteral("/callwise_print"), false }, // another kind
#ifdef CALLWISE_VOICE_BUILT
        { pluginDirectory() + QStringLiteral("/callwise_voice"), true },
#endif
    };
    for (const auto &[file, loads] : cases) {
        SCOPED_TRACE(file.toStdString());
        OwnPlugin voice(OwnPlugin::File { file });
        PluginSpeaker speaker(voice);
        EXPECT_FALSE(speechLibraryLoaded());
        if (speaker.isAvailable()) // an engine installed here
            EXPECT_TRUE(loads);
        else if (!loads)
            speaker.say(QStringLiteral("Nobody hears this."));
        EXPECT_EQ(voice.as<VoicePlugin>() != nullptr, loads);
        EXPECT_EQ(speechLibraryLoaded(), loads);
    }
}

} // namespace

// The speech engine the program ships with: flite through Qt TextToSpeech.
#include "support/fakes.h"
#include "ui/modules.h"
#include "ui/speech.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

// The engine starts without an audio output (it then reports the missing
// output instead of speaking), so this runs on machines without sound too.
TEST(SpeechEngine, FliteIsInstalledAndOffersAnEnglishVoice)
{
    const SpeechEngineReport report = probeSpeechEngine();
    ASSERT_TRUE(report.engineFound) << "the flite plugin of Qt TextToSpeech is missing (qt6-speech-flite-plugin)";
    EXPECT_FALSE(report.voice.isEmpty());
    EXPECT_TRUE(report.voiceLocale.startsWith(QStringLiteral("en"))) << report.voiceLocale.toStdString();
}

TEST(SpeechEngine, WithoutAnAudioOutputTheRealSpeechTellsTheLearnerOnce)
{
    const SpeechEngineReport report = probeSpeechEngine();
    if (report.problem.isEmpty())
        GTEST_SKIP() << "this machine has an audio output: a word would really be spoken";
    QWidget owner;
    speakAloud(&owner, {QStringLiteral("apple")});
    speakAloud(&owner, {QStringLiteral("apple")});
    EXPECT_FALSE(Speech::real().available());
    const QList<QMessageBox*> boxes = owner.findChildren<QMessageBox*>(QStringLiteral("speechNotice"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_FALSE(boxes.front()->isModal());
    EXPECT_EQ(boxes.front()->text(), kSpeechUnavailableText);
}

TEST(SpeechEngine, EmptyTextsAreNotSpoken)
{
    test::RecordingSpeech speech;
    speakAloud(nullptr, {QString(), QStringLiteral("  "), QStringLiteral(" make ")});
    speakAloud(nullptr, {QString()});
    EXPECT_EQ(speech.said, QList<QStringList>{{QStringLiteral("make")}});
}

TEST(SpeechEngine, WithoutTheSpeechModuleTheLearnerIsToldOnce)
{
    QTemporaryDir noModules;
    const std::unique_ptr<Speech> speech = speechFromModule(noModules.path());
    ScopedSeam<Speech> seam(speech.get());
    QWidget owner;
    speakAloud(&owner, {QStringLiteral("apple")});
    speakAloud(&owner, {QStringLiteral("pear")});
    const QList<QMessageBox*> boxes = owner.findChildren<QMessageBox*>(QStringLiteral("speechNotice"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.front()->text(), kSpeechUnavailableText);
}

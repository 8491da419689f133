#include "speech/DesktopSpeaker.h"

#include "sets/SetInfo.h"

#include <QLocale>
#include <QTextToSpeech>

#include <exception>

namespace lumari {

// Qt TextToSpeech over speech-dispatcher, made, used and deleted on the speaker's thread.
class Synthesis : public QObject {
    Q_OBJECT
public:
    explicit Synthesis(std::shared_ptr<std::atomic<int>> latest) : latest_(std::move(latest)) {}

    // Connects to speech-dispatcher, starting it when it is not running
    // (that is the slow part), and tells which voices it has.
    void Start()
    {
        QStringList voices;
        if (QTextToSpeech::availableEngines().contains(QStringLiteral("speechd"))) {
            speech_ = new QTextToSpeech(QStringLiteral("speechd"), this);
            if (speech_->state() != QTextToSpeech::Error) {
                for (const QLocale& locale : speech_->availableLocales())
                    if (!voices.contains(locale.name())) voices << locale.name();
            }
        }
        emit found(voices);
    }

    // Says the word unless a newer one has been asked for meanwhile; an
    // empty word only cuts off the one being said.
    void Say(const QString& word, const QString& voice, int number)
    {
        if (!speech_ || number != latest_->load()) return;
        speech_->stop();
        if (word.isEmpty()) return;
        const QLocale locale(voice);
        if (speech_->locale() != locale) speech_->setLocale(locale);
        speech_->say(word);
    }

signals:
    void found(const QStringList& voices);

private:
    std::shared_ptr<std::atomic<int>> latest_;
    QTextToSpeech* speech_ = nullptr;
};

DesktopSpeaker::DesktopSpeaker() : synthesis_(new Synthesis(latest_))
{
    thread_.setObjectName(QStringLiteral("speech"));
    synthesis_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, synthesis_, &QObject::deleteLater);
    // Connected before the thread starts, so the voices are never told before anyone listens.
    connect(synthesis_, &Synthesis::found, this, [this](const QStringList& voices) {
        voices_ = voices;
        if (found_) found_(voices);
    }, Qt::QueuedConnection);
    thread_.start();
    QMetaObject::invokeMethod(synthesis_, &Synthesis::Start, Qt::QueuedConnection);
}

DesktopSpeaker::~DesktopSpeaker()
{
    thread_.quit();
    thread_.wait();
}

void DesktopSpeaker::FindVoices(std::function<void(const QStringList&)> found)
{
    found_ = std::move(found);
    if (voices_) found_(*voices_);
}

void DesktopSpeaker::Play(const QString& wavFile)
{
    // A recording cuts off a synthesised word still being said.
    const int number = ++*latest_;
    QMetaObject::invokeMethod(synthesis_, [s = synthesis_, number] { s->Say(QString(), QString(), number); },
                              Qt::QueuedConnection);
    try {
        player_.Play(wavFile);
    } catch (const std::exception&) {
        // No audio output: silence.
    }
}

void DesktopSpeaker::Speak(const QString& word, const QString& voice)
{
    // A synthesised word cuts off a recording still playing: no file is silence.
    try {
        player_.Play(QString());
    } catch (const std::exception&) {
    }
    const int number = ++*latest_;
    QMetaObject::invokeMethod(synthesis_, [s = synthesis_, word, voice, number] { s->Say(word, voice, number); },
                              Qt::QueuedConnection);
}

std::unique_ptr<WordVoice> VoiceOfSet(Files& files, const QString& set, std::unique_ptr<DesktopSpeaker> speaker)
{
    try {
        SetFolder folder(files, set);
        const QStringList languages = SetInfo::Load(SetInfoFolder(files, set)).Languages();
        return std::make_unique<SpokenWords>(std::move(folder), languages, std::move(speaker));
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace lumari

#include "DesktopSpeaker.moc"

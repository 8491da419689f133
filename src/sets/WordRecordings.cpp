#include "sets/WordRecordings.h"

#include "platform/PathResolver.h"
#include "platform/WavFile.h"
#include "sets/PictureImport.h"
#include "sets/SetFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("WordRecordings", text); }

const QString kWav = QStringLiteral(".wav");

void PutLe32(QByteArray& bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void PutLe16(QByteArray& bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

// The files of a folder with the same name, less their extension, ignoring letter case.
QFileInfoList Namesakes(const QString& file)
{
    const QFileInfo info(file);
    QFileInfoList found;
    for (const QFileInfo& other : info.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (other.fileName() != info.fileName() && other.completeBaseName().compare(info.completeBaseName(), Qt::CaseInsensitive) == 0)
            found << other;
    return found;
}

bool IsWav(const QFileInfo& file) { return file.suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0; }


}  // namespace

Recording MonoOf(const WavSound& sound)
{
    return MonoOf(sound.samples, sound.format.channelCount(), sound.format.sampleRate());
}

Recording MonoOf(const QByteArray& pcm16, int channels, int sampleRate)
{
    Recording mono{sampleRate, {}};
    if (channels < 1) return mono;
    const auto* samples = reinterpret_cast<const qint16*>(pcm16.constData());
    const qsizetype frames = pcm16.size() / qsizetype(sizeof(qint16)) / channels;
    mono.samples.reserve(std::size_t(frames));
    for (qsizetype frame = 0; frame < frames; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < channels; ++channel) sum += samples[frame * channels + channel];
        mono.samples.push_back(qint16(sum / channels));
    }
    return mono;
}

Recording Trimmed(const Recording& recording)
{
    const auto& samples = recording.samples;
    const int threshold = int(kSilenceThreshold * 32768);
    const auto loud = [&](qint16 sample) { return std::abs(int(sample)) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) return {recording.sampleRate, {}};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();  // one past the last loud sample
    const std::ptrdiff_t margin = std::ptrdiff_t(recording.sampleRate) * kSilenceMarginMs / 1000;
    const std::ptrdiff_t longest = std::ptrdiff_t(recording.sampleRate) * kLongestRecordingMs / 1000;
    const auto begin = first - std::min(margin, first - samples.begin());
    auto end = last + std::min(margin, samples.end() - last);
    end = begin + std::min(longest, end - begin);
    return {recording.sampleRate, std::vector<qint16>(begin, end)};
}

QByteArray WavBytes(const Recording& recording)
{
    const quint32 dataBytes = quint32(recording.samples.size() * sizeof(qint16));
    QByteArray bytes;
    bytes.reserve(int(44 + dataBytes));
    bytes.append("RIFF");
    PutLe32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    PutLe32(bytes, 16);
    PutLe16(bytes, 1);  // PCM
    PutLe16(bytes, 1);  // mono
    PutLe32(bytes, quint32(recording.sampleRate));
    PutLe32(bytes, quint32(recording.sampleRate) * 2);
    PutLe16(bytes, 2);
    PutLe16(bytes, 16);
    bytes.append("data");
    PutLe32(bytes, dataBytes);
    for (qint16 sample : recording.samples) PutLe16(bytes, quint16(sample));
    return bytes;
}

QString WordsFolder(const SetFolder& folder)
{
    return ResolvePath(QFileInfo(folder.ImagesFolder()).path() + QStringLiteral("/Words"));
}

QString RecordingPath(const SetFolder& folder, const QString& pair)
{
    return ResolvePath(WordsFolder(folder) + u'/' + pair + kWav);
}

bool HasRecording(const SetFolder& folder, const QString& pair) { return QFileInfo(RecordingPath(folder, pair)).isFile(); }

void StoreRecording(const SetFolder& folder, const QString& pair, const Recording& recording)
{
    const Recording trimmed = Trimmed(recording);
    if (trimmed.samples.empty()) throw SetError(Tr("the recording of %1 is silent").arg(pair));
    const QString words = WordsFolder(folder);
    const QString target = RecordingPath(folder, pair);
    const auto failed = [&](const QString& why) { return SetError(Tr("cannot write %1: %2").arg(target, why)); };
    if (!QDir().mkpath(words)) throw failed(Tr("cannot make the folder %1").arg(words));
    QTemporaryFile file(words + QStringLiteral("/.lumari-XXXXXX.part"));
    if (!file.open()) throw failed(file.errorString());
    if (file.write(WavBytes(trimmed)) < 0 || !file.flush()) throw failed(file.errorString());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    // Renamed over the old recording at once: a reader hears the old one or the new one.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(), QFile::encodeName(target).toStdString(), error);
    if (error) throw failed(QString::fromLocal8Bit(error.message()));
    file.setAutoRemove(false);
}

void ImportRecording(const SetFolder& folder, const QString& pair, const QString& wavFile)
{
    QFile file(wavFile);
    if (!file.open(QIODevice::ReadOnly)) throw SetError(Tr("cannot read %1: %2").arg(QFileInfo(wavFile).fileName(), file.errorString()));
    const auto sound = ReadWav(file);
    if (!sound) throw SetError(Tr("not a sound"));
    StoreRecording(folder, pair, MonoOf(*sound));
}

QString RecordingBeside(const QString& picture)
{
    if (IsWav(QFileInfo(picture))) return QString();
    for (const QFileInfo& other : Namesakes(picture))
        if (IsWav(other)) return other.filePath();
    return QString();
}

bool IsRecordingBesidePicture(const QString& file)
{
    if (!IsWav(QFileInfo(file))) return false;
    const QFileInfoList namesakes = Namesakes(file);
    return std::any_of(namesakes.begin(), namesakes.end(), [](const QFileInfo& other) { return !IsWav(other); });
}

void RenameRecording(const SetFolder& folder, const QString& from, const QString& to)
{
    const QString source = RecordingPath(folder, from);
    if (!QFileInfo(source).isFile()) return;
    const QString target = WordsFolder(folder) + u'/' + to + kWav;
    if (target == source) return;
    // A file of the new name with no pair of its own is kept in the trash, not overwritten.
    if (const QString stray = ResolvePath(target); stray != source && QFileInfo(stray).exists()) TrashFile(stray);
    if (!QFile::rename(source, target))
        throw SetError(Tr("cannot rename %1 to %2").arg(QFileInfo(source).fileName(), QFileInfo(target).fileName()));
}

void TrashedRecording::Restore() const
{
    if (inTrash_.isEmpty() || !QFile::rename(inTrash_, path_)) return;
    const QFileInfo trashed(inTrash_);
    QFile::remove(trashed.dir().filePath(QStringLiteral("../info/") + trashed.fileName() + QStringLiteral(".trashinfo")));
}

TrashedRecording TrashRecording(const SetFolder& folder, const QString& pair)
{
    const QString path = RecordingPath(folder, pair);
    if (!QFileInfo(path).isFile()) return {};
    return {TrashFile(path), path};
}

}  // namespace lumari

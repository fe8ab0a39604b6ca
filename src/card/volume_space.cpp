#include "card/volume_space.h"

#include <QFile>
#include <QHash>

#include <chrono>
#include <future>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/statvfs.h>
#else
#include "storage/windows_text.h"

#include <windows.h>
#endif

namespace kestrova::card {

namespace {

using Answer = std::optional<VolumeSpace>;

std::optional<VolumeSpace> askSpace(const QString& mountPoint) {
#ifdef Q_OS_UNIX
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(mountPoint).constData(), &info) != 0)
        return std::nullopt;
    const auto unit = static_cast<qint64>(info.f_frsize ? info.f_frsize : info.f_bsize);
    return VolumeSpace{static_cast<qint64>(info.f_blocks) * unit,
                       static_cast<qint64>(info.f_bavail) * unit};
#else
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExW(storage::win32Path(mountPoint).c_str(), &available, &total, nullptr))
        return std::nullopt;
    return VolumeSpace{static_cast<qint64>(total.QuadPart),
                       static_cast<qint64>(available.QuadPart)};
#endif
}

// The questions still waiting for a file system that did not answer in time.
std::mutex waitingLock;
QHash<QString, std::shared_future<Answer>>& waiting() {
    static QHash<QString, std::shared_future<Answer>> questions;
    return questions;
}

// The question to the file system at the mount point, asked on a thread of its own; nothing
// while an earlier one still waits there.
std::optional<std::shared_future<Answer>> ask(const QString& mountPoint,
                                              const SpaceQuestion& question) {
    const std::lock_guard<std::mutex> guard(waitingLock);
    const auto earlier = waiting().constFind(mountPoint);
    if (earlier != waiting().cend()) {
        if (earlier->wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return std::nullopt;
        waiting().remove(mountPoint);
    }
    std::packaged_task<Answer()> task([mountPoint, question] { return question(mountPoint); });
    std::shared_future<Answer> answer = task.get_future().share();
    // Detached: a thread blocked in a dead file system cannot be called back, and the process
    // ends without waiting for it.
    std::thread(std::move(task)).detach();
    return answer;
}

} // namespace

std::vector<std::optional<VolumeSpace>> volumeSpaces(const QStringList& mountPoints, int waitMs,
                                                     const SpaceQuestion& question) {
    std::vector<std::optional<std::shared_future<Answer>>> answers;
    for (const QString& mountPoint : mountPoints)
        answers.push_back(ask(mountPoint, question ? question : SpaceQuestion(askSpace)));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    std::vector<std::optional<VolumeSpace>> spaces;
    for (qsizetype i = 0; i < mountPoints.size(); ++i) {
        const auto& answer = answers[static_cast<std::size_t>(i)];
        if (answer && answer->wait_until(deadline) == std::future_status::ready) {
            spaces.push_back(answer->get());
            continue;
        }
        if (answer) {
            const std::lock_guard<std::mutex> guard(waitingLock);
            waiting().insert(mountPoints[i], *answer);
        }
        spaces.push_back(std::nullopt);
    }
    return spaces;
}

std::optional<VolumeSpace> volumeSpace(const QString& mountPoint, int waitMs) {
    return volumeSpaces({mountPoint}, waitMs).front();
}

} // namespace kestrova::card

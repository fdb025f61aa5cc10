// Takes screenshots with weston-screenshooter, which weston answers for any
// client when it runs with --debug, and reads them back.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "screen_source.h"

extern char** environ;

namespace velmora::e2e {

namespace {

class WestonScreenshotSource : public ScreenSource {
public:
    explicit WestonScreenshotSource(std::string scratchDir) : scratchDir_(std::move(scratchDir)) {
        std::filesystem::create_directories(scratchDir_);
    }

    std::optional<ScreenGrab> grab() override {
        // The tool writes its file into the directory it runs in.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, scratchDir_.c_str());
        char tool[] = "weston-screenshooter";
        char* argv[] = {tool, nullptr};
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, tool, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) return std::nullopt;
        int status = 0;
        waitpid(pid, &status, 0);
        std::optional<ScreenGrab> grab;
        for (const auto& entry : std::filesystem::directory_iterator(scratchDir_)) {
            if (entry.path().extension() != ".png") continue;
            const QImage image(QString::fromStdString(entry.path().string()));
            if (!image.isNull()) {
                last_ = image;
                grab = grabFromImage(image);
            }
            std::filesystem::remove(entry.path());
        }
        return grab;
    }

    QImage lastImage() const override { return last_; }

private:
    std::string scratchDir_;
    QImage last_;
};

}  // namespace

std::unique_ptr<ScreenSource> openWestonScreenshots(std::string scratchDir) {
    return std::make_unique<WestonScreenshotSource>(std::move(scratchDir));
}

}  // namespace velmora::e2e

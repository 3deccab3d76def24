#include "headless.h"

namespace gridmate::bench {

namespace {
platform::Platform withUi(platform::Ui& ui) {
    platform::Platform p = platform::nativePlatform();
    p.ui = &ui;
    return p;
}
}  // namespace

std::optional<std::string> RecordingFileSystem::readFile(const std::string& p,
                                                         platform::IoError& e) {
    auto bytes = inner_.readFile(p, e);
    std::lock_guard<std::mutex> lock(readsLock_);
    if (bytes) reads.push_back({p, 0, bytes->size()});
    return bytes;
}

HeadlessPlatform::HeadlessPlatform() : scoped_(withUi(ui)) {}

void answerYes(test::ScriptedUi& ui, int times) {
    ui.answers.assign(static_cast<size_t>(times), platform::Answer::Yes);
}

}  // namespace gridmate::bench

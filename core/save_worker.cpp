#include "core/save_worker.h"

#include <system_error>

namespace keyloom {

SaveWorker::~SaveWorker() {
    if (thread_.joinable()) thread_.join();
}

void SaveWorker::Start(std::unique_ptr<SaveJob> job, std::function<void()> done) {
    job_ = std::move(job);
    SaveJob* running = job_.get();
    try {
        thread_ = std::thread([running, done] {
            running->Run();
            done();
        });
    } catch (const std::system_error&) {
        // No thread to be had: the save runs here.
        running->Run();
        done();
    }
}

std::unique_ptr<SaveJob> SaveWorker::Finish() {
    if (thread_.joinable()) thread_.join();
    return std::move(job_);
}

}  // namespace keyloom
